// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/handler.h"

#include <optional>
#include <string>
#include <string_view>

class QAction;

namespace tarvo::platform {

struct MenuSpec {
    std::string name{};
    std::string caption{};          // "&" marks the access key
    std::optional<bool> checked{};  // set: the item shows a check mark when checked
    std::string_view shortcut{};    // "Ctrl+N", "F1": pressed anywhere in the window, shown in the menu
};

// A menu title or menu item. Clicking never changes the check mark: only the handler does.
class MenuItem {
public:
    MenuItem() = default;
    explicit MenuItem(QAction* action) : action_(action) {}

    bool isChecked() const;
    void setChecked(bool checked);
    bool isEnabled() const;
    void setEnabled(bool enabled);
    void onClick(Handler handler);

private:
    friend class Form;
    QAction& action() const;
    QAction* action_ = nullptr;
};

}  // namespace tarvo::platform
