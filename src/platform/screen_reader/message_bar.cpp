// SPDX-License-Identifier: MIT
#include "platform/screen_reader/message_bar.h"

#include "platform/input/key_arrivals.h"
#include "platform/screen_reader/reading_line.h"
#include "platform/services/qt_strings.h"
#include "platform/services/time_of_day.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace tarvo::platform {

namespace {

bool listeningForTest = false;

bool screenReaderListens() { return listeningForTest || QAccessible::isActive(); }

// The toolkit has no announcement call. A screen reader speaks a notification when it is shown,
// bare inside a status bar: its name, empty here, then the labels inside it, which are what a
// braille display flashes.
QAccessibleInterface* messageRoles(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<MessageBar*>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (qobject_cast<MessageBar*>(widget->parent()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

MessageBar::MessageBar(QWidget* parent, ReadingLine* line, const KeyArrivals* keys)
    : QWidget(parent), line_(line), keys_(keys) {
    static const bool rolesInstalled = (QAccessible::installFactory(messageRoles), true);
    static_cast<void>(rolesInstalled);
    setObjectName(QStringLiteral("MessageBar"));
    setGeometry(0, 0, 0, 0);
    QWidget::show();
    nextTry_.setSingleShot(true);
    connect(&nextTry_, &QTimer::timeout, this, &MessageBar::handOver);
    window()->installEventFilter(this);  // coming back to the window from another
}

void MessageBar::tell(const std::string& text) {
    if (!screenReaderListens())
        return;
    schedule_.tell(text);
    tryAgainIn(0);
}

void MessageBar::echo(const std::string& text) {
    if (!screenReaderListens())
        return;
    schedule_.echo(text);
    tryAgainIn(0);
}

void MessageBar::lineChanged() {
    if (!line_ || !screenReaderListens())
        return;
    schedule_.lineChanged();
    tryAgainIn(0);
}

void MessageBar::keyPressed(std::int64_t arrived) {
    schedule_.keyPressed(arrived);
    if (schedule_.hasWaiting())
        tryAgainIn(MessageSchedule::kBurstPause);
}

void MessageBar::tryAgainIn(std::int64_t ms) {
    if (!nextTry_.isActive() || nextTry_.remainingTime() > ms)
        nextTry_.start(int(ms));
}

bool MessageBar::eventFilter(QObject* watched, QEvent* event) {
    const bool back =
        watched == window() ? event->type() == QEvent::WindowActivate : event->type() == QEvent::Hide;
    if (back && schedule_.hasWaiting())
        tryAgainIn(0);
    return false;
}

void MessageBar::handOver() {
    if (!schedule_.hasWaiting() || QApplication::activeWindow() != window())
        return;
    if (QWidget* menu = QApplication::activePopupWidget()) {
        menu->installEventFilter(this);  // to come back when it closes
        return;
    }
    const MessageSchedule::Turn turn =
        schedule_.next(monotonicMilliseconds(), keys_ ? keys_->lastPressSent() : 0);
    if (turn.line)  // first: the line shown after the message is the one saved as it is shown
        line_->showAnew();
    if (turn.message)
        show(*turn.message);
    if (turn.waitMs > 0)
        tryAgainIn(turn.waitMs);
}

// Orca drops an object's "showing" event when a newer one of the same object is queued behind
// it, and an object deleted before it reads it: each message gets a note of its own, and the
// last few stay.
void MessageBar::show(const std::string& message) {
    auto* note = new QWidget(this);
    note->setObjectName(QStringLiteral("Message"));
    note->setGeometry(0, 0, 0, 0);
    auto* text = new QLabel(toQString(message), note);
    text->setTextFormat(Qt::PlainText);
    notes_.push_back(note);
    note->show();
    constexpr std::size_t kNotesKept = 16;
    for (; notes_.size() > kNotesKept; notes_.pop_front())
        notes_.front()->deleteLater();
}

void setScreenReaderForTest(bool listening) { listeningForTest = listening; }

}  // namespace tarvo::platform
