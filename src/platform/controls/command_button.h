// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control_style.h"
#include "platform/forms/handler.h"
#include "platform/forms/twips.h"

#include <string>
#include <string_view>

class QPushButton;

namespace tarvo::platform {

struct CommandButtonSpec {
    std::string name{};
    TwipsRect rect{};
    std::string caption{};
    ControlLook look{};
    bool enabled = true;
    // The window's default button: Return, Enter and Space press it wherever the focus is. It
    // takes no focus itself, and while its window is active it looks as a focused button does.
    bool isDefault = false;
    Accessible accessible{};
};

// A push button; a disabled button raises no click.
class CommandButton {
public:
    CommandButton() = default;
    explicit CommandButton(QPushButton* widget) : widget_(widget) {}

    bool isEnabled() const;
    void setEnabled(bool enabled);
    void onClick(Handler handler);

private:
    QPushButton& widget() const;
    QPushButton* widget_ = nullptr;
};

}  // namespace tarvo::platform
