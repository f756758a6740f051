// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"

namespace tarvo {

// The About window Form2: who made the game, a contact, the version and the date of creation.
class AboutWindow final : public platform::Form {
public:
    AboutWindow();

    platform::CommandButton Command1;  // "OK"
};

inline platform::FormInstance<AboutWindow> Form2;

// Help > About: the board window takes no input while the About window is open; its clock runs on.
void aAbout_Click();

// "OK", and every other way of closing the About window: back to the board window.
void Form2_Command1_Click();

}  // namespace tarvo
