// SPDX-License-Identifier: MIT
#include "platform/input/key_preview.h"

#include "platform/forms/form_window.h"
#include "platform/input/key_arrivals.h"
#include "platform/input/key_events.h"
#include "platform/services/run_time_error.h"
#include "platform/services/time_of_day.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace tarvo::platform {

KeyPreview::KeyPreview(FormWindow* window, KeyDownHandler handler, KeyRepeat repeat)
    : QObject(window), window_(window), handler_(handler), repeat_(repeat) {
    // The window sees a key first wherever it arrives: at the control with the focus, or at the
    // window itself when no control has it.
    window->installEventFilter(this);
    for (QWidget* control : window->clientArea()->findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    // A key that its first receiver ignores goes on to the parents: see it there only.
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!key || watched != (window_->focusWidget() ? window_->focusWidget() : window_))
        return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    KeyMove move = keyMoveOf(keyEvent);
    const std::int64_t now = monotonicMilliseconds();
    if (KeyArrivals* keys = window_->keyArrivals())
        move = keys->received(move, now);
    else
        move.arrived = now;
    const bool repeat = repeat_ == KeyRepeat::Once && held_.repeats(move);
    if (!move.down)
        return false;
    window_->keyPressed(move.arrived);
    return preview(watched, keyEvent, repeat);
}

bool KeyPreview::preview(QObject* receiver, const QKeyEvent* event, bool repeat) {
    // Keys of a text box and with the logo key held are theirs and the desktop's.
    const Qt::KeyboardModifiers held = event->modifiers();
    int code = keyCodeOf(event);
    if (window_->isUnloaded() || qobject_cast<QLineEdit*>(receiver) || (held & Qt::MetaModifier) || code == 0)
        return false;
    if (repeat && !(held & (Qt::ControlModifier | Qt::AltModifier)))
        return true;  // a key held down is one press: a finger resting too long loses no row
    if (!repeat && shortcutByPlace(event, code))
        return true;
    const int shift = (held & Qt::ShiftModifier ? kShiftKey : 0) |
                      (held & Qt::ControlModifier ? kCtrlKey : 0) | (held & Qt::AltModifier ? kAltKey : 0);
    dispatch([&] { handler_(code, shift); });
    return code == 0;
}

// The menus' shortcuts are Latin letters with Ctrl: on a layout whose letters are not, the key
// at the letter's place takes them, as T does on the board.
bool KeyPreview::shortcutByPlace(const QKeyEvent* event, int code) {
    const bool latin = event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z;
    if (latin || !(event->modifiers() & Qt::ControlModifier) || code < kKeyA || code >= kKeyA + 26)
        return false;
    const QKeySequence atItsPlace(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(Qt::Key_A + (code - kKeyA))));
    for (QAction* action : window_->findChildren<QAction*>())
        if (action->isEnabled() && action->shortcut() == atItsPlace) {
            action->trigger();
            return true;
        }
    return false;
}

}  // namespace tarvo::platform
