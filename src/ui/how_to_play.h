// SPDX-License-Identifier: MIT
#pragma once

#include "windows/rules_window.h"

namespace tarvo {

// Help > How to play (F1): the board window takes no input and its clock stands still while the
// rules are open.
void hHowToPlay_Click();

// "OK", and every other way of closing the window: back to the board window.
void Form3_Command1_Click();

}  // namespace tarvo
