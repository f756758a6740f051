// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo {

// Keyboard play on the board: a digit 1..6 (main keys or keypad) drops that digit's tile on the
// active row's slot under the cursor, exactly as the mouse would, and moves the cursor on; Left,
// Right, Home and End move the cursor within a row, Up and Down over the rows played so far; T
// tells the time left. Each key tells a screen reader what it did.
void Form_KeyDown(int& KeyCode, int Shift);

}  // namespace tarvo
