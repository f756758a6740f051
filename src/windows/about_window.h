// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/form_variable.h"

namespace tarvo {

// The About window Form2: who made the game, a contact, the version and the date of creation.
class AboutWindow final : public platform::Form {
public:
    AboutWindow();  // lays the window out and binds its handlers

    platform::CommandButton Command1;  // "OK"
};

inline platform::FormInstance<AboutWindow> Form2;

}  // namespace tarvo
