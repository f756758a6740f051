// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control_style.h"
#include "platform/forms/handler.h"
#include "platform/forms/twips.h"

#include <string>
#include <string_view>

class QLineEdit;

namespace tarvo::platform {

struct TextBoxSpec {
    std::string name{};
    TwipsRect rect{};
    std::string_view text{};
    ControlLook look{};
    bool enabled = true;
    // false: it only shows its text; it never has the focus, so the window's keys stay the
    // window's, and it offers no editing menu. A screen reader still reads it.
    bool takesFocus = true;
    Accessible accessible{};
};

// A single-line text box the player may type into; no length limit.
class TextBox {
public:
    TextBox() = default;
    explicit TextBox(QLineEdit* widget) : widget_(widget) {}

    std::string text() const;
    void setText(std::string_view text);  // leaves the box alone when it already shows the text
    bool isEnabled() const;
    void setEnabled(bool enabled);
    void onChange(Handler handler);  // raised by the player's edits, not by setText

private:
    QLineEdit& widget() const;
    QLineEdit* widget_ = nullptr;
};

}  // namespace tarvo::platform
