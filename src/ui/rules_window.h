// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"

namespace tarvo {

// The How to play window Form3: the rules, the ways to place a digit and the keys, in a few
// lines, over the board as About is.
class RulesWindow final : public platform::Form {
public:
    RulesWindow();

    platform::CommandButton Command1;  // "OK"
};

inline platform::FormInstance<RulesWindow> Form3;

// Help > How to play (F1): the board window takes no input while the rules are open; its clock
// runs on.
void hHowToPlay_Click();

// "OK", and every other way of closing the window: back to the board window.
void Form3_Command1_Click();

}  // namespace tarvo
