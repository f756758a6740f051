// SPDX-License-Identifier: MIT
#pragma once

#include "windows/about_window.h"

namespace tarvo {

// Help > About: the board window takes no input while the About window is open; its clock runs on.
void aAbout_Click();

// "OK", and every other way of closing the About window: back to the board window.
void Form2_Command1_Click();

}  // namespace tarvo
