// SPDX-License-Identifier: MIT
#pragma once

#include "platform/input/held_keys.h"
#include "platform/input/keys.h"

#include <QObject>

class QKeyEvent;

namespace tarvo::platform {

class FormWindow;

// A form's key handler sees each key pressed in the window before the control with the focus
// does, except a text box's keys, the menu bar's and those with the logo key held.
class KeyPreview final : public QObject {
    Q_OBJECT
public:
    // Watches the window and each control of it that takes the focus; the window's key arrivals,
    // where it has them, give each key the times it moved and reached the program.
    KeyPreview(FormWindow* window, KeyDownHandler handler, KeyRepeat repeat);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool preview(QObject* receiver, const QKeyEvent* event, bool repeat);
    bool shortcutByPlace(const QKeyEvent* event, int code);

    FormWindow* window_;
    KeyDownHandler handler_;
    KeyRepeat repeat_;
    HeldKeys held_;
};

}  // namespace tarvo::platform
