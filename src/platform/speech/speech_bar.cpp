// SPDX-License-Identifier: MIT
#include "platform/speech/speech_bar.h"

#include "platform/input/key_arrivals.h"
#include "platform/services/qt_strings.h"
#include "platform/services/time_of_day.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>

namespace tarvo::platform {

namespace {

bool listeningForTest = false;

bool screenReaderListens() { return listeningForTest || QAccessible::isActive(); }

// The toolkit has no announcement call. A screen reader speaks a notification when it is shown,
// and speaks it bare, with no role word, inside a status bar.
QAccessibleInterface* speechRoles(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<SpeechBar*>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (qobject_cast<SpeechBar*>(widget->parent()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

SpeechBar::SpeechBar(QWidget* parent, const KeyArrivals* keys) : QWidget(parent), keys_(keys) {
    static const bool rolesInstalled = (QAccessible::installFactory(speechRoles), true);
    static_cast<void>(rolesInstalled);
    setObjectName(QStringLiteral("SpeechBar"));
    setGeometry(0, 0, 0, 0);
    show();
    nextTry_.setSingleShot(true);
    connect(&nextTry_, &QTimer::timeout, this, &SpeechBar::speakIfHeard);
    window()->installEventFilter(this);  // coming back to the window from another
}

void SpeechBar::tell(const std::string& text) {
    if (!screenReaderListens())
        return;
    schedule_.tell(text);
    tryAgainIn(0);
}

void SpeechBar::echo(const std::string& text) {
    if (!screenReaderListens())
        return;
    schedule_.echo(text);
    tryAgainIn(0);
}

void SpeechBar::keyPressed(std::int64_t arrived) {
    schedule_.keyPressed(arrived);
    if (schedule_.hasWaiting())
        tryAgainIn(SpeechSchedule::kBurstPause);
}

void SpeechBar::tryAgainIn(std::int64_t ms) { nextTry_.start(int(ms)); }

bool SpeechBar::eventFilter(QObject* watched, QEvent* event) {
    const bool back =
        watched == window() ? event->type() == QEvent::WindowActivate : event->type() == QEvent::Hide;
    if (back && schedule_.hasWaiting())
        tryAgainIn(0);
    return false;
}

// Orca drops an object's "showing" event when a newer one of the same object is queued behind
// it, so each text gets a note of its own; the last few stay, for Orca to read their names after
// the event.
void SpeechBar::speakIfHeard() {
    if (!schedule_.hasWaiting() || QApplication::activeWindow() != window())
        return;
    if (QWidget* menu = QApplication::activePopupWidget()) {
        menu->installEventFilter(this);  // to come back when it closes
        return;
    }
    const SpeechSchedule::Turn turn =
        schedule_.next(monotonicMilliseconds(), keys_ ? keys_->lastPressSent() : 0);
    if (turn.texts.empty()) {
        tryAgainIn(turn.waitMs);
        return;
    }
    constexpr std::size_t kNotesKept = 16;
    for (const std::string& text : turn.texts) {
        auto* note = new QWidget(this);
        note->setObjectName(QStringLiteral("Spoken"));
        note->setGeometry(0, 0, 0, 0);
        note->setAccessibleName(toQString(text));
        notes_.push_back(note);
        note->show();
    }
    for (; notes_.size() > kNotesKept; notes_.pop_front())
        notes_.front()->deleteLater();
}

void setScreenReaderForTest(bool listening) { listeningForTest = listening; }

}  // namespace tarvo::platform
