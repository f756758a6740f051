// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/form_variable.h"

namespace tarvo {

// The How to play window Form3: the rules, the ways to place a digit and the keys, in a few
// lines, over the board as About is.
class RulesWindow final : public platform::Form {
public:
    RulesWindow();  // lays the window out and binds its handlers

    platform::CommandButton Command1;  // "OK"
};

inline platform::FormInstance<RulesWindow> Form3;

}  // namespace tarvo
