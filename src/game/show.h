// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo {

// "Show": scores the active row if all four of its slots hold a digit, shows its pegs, ends
// the game on a win or after the sixth row, and opens the next row.
void Command1_Click();

}  // namespace tarvo
