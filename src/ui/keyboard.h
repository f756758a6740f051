// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo {

// Keyboard play on the board: a digit 1..6 (main keys or keypad) drops that digit's tile on the
// slot under the cursor, exactly as the mouse would, and moves the cursor on; Left, Right, Home
// and End move the cursor within the active row. The cursor shows from the first such key of a
// game, and assistive technology hears it as the focus.
void Form_KeyDown(int& KeyCode, int Shift);

// "Show", then what a player without sight needs of it: the cursor follows the active row, the
// row's score in words on the new row's slots, and the ending with the code.
void Command1_ClickAndTell();

// The clock's tick, then the ending with the code when the time has run out.
void Timer1_TimerAndTell();

}  // namespace tarvo
