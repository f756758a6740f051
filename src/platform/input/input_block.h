// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace tarvo::platform {

class FormWindow;

// While it lives, a window takes no input, menus included, and looks as it did: each control
// keeps the enabled look of its own state. It watches the whole application, for the window's
// menus pop up as windows of their own.
class InputBlock final : public QObject {
    Q_OBJECT
public:
    explicit InputBlock(FormWindow* window);
    ~InputBlock() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FormWindow* window_;
};

}  // namespace tarvo::platform
