// SPDX-License-Identifier: MIT
#include "platform/widgets.h"

#include "platform/key_events.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <utility>

namespace tarvo::platform {

namespace {

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

SpeechBar::SpeechBar(QWidget* parent) : QWidget(parent) {
    static const bool rolesInstalled = (QAccessible::installFactory(speechRoles), true);
    static_cast<void>(rolesInstalled);
    setObjectName(QStringLiteral("SpeechBar"));
    setGeometry(0, 0, 0, 0);
    show();
    nextTry_.setSingleShot(true);
    connect(&nextTry_, &QTimer::timeout, this, &SpeechBar::speakIfHeard);
    window()->installEventFilter(this);  // coming back to the window from another
}

void SpeechBar::tell(const QString& text) { wait(text, false); }

void SpeechBar::echo(const QString& text) {
    std::erase_if(waiting_, [](const Waiting& w) { return w.echo; });
    wait(text, true);
}

void SpeechBar::wait(const QString& text, bool echo) {
    if (!QAccessible::isActive())
        return;  // no screen reader listens
    waiting_.push_back({text, echo});
    nextTry_.start(0);
}

QStringList SpeechBar::untold() const {
    QStringList texts;
    for (const Waiting& w : waiting_)
        if (!w.echo)
            texts << w.text;
    return texts;
}

// Orca 43 stops speaking at every key pressed, and drops what waits to be spoken too: a score
// shown 60 ms before the next key never reached the voice. So the texts of a burst of keys wait
// for its end, and a text that a key may have cut before it reached the voice is told again.
// Both are decided on when each key reached the program, where the screen reader's bridge takes
// it first, not on when the window gets it back: a key on its way through the bridge may have
// stopped the voice already, or come after a text that it then cut.
namespace {
constexpr int kBurstPause = 150;     // ms without a key that end a burst
constexpr int kReachingVoice = 250;  // ms a shown text may take to reach the voice
}  // namespace

void SpeechBar::keyPressed(qint64 arrived) {
    lastKey_ = std::max(lastKey_, arrived);
    if (!told_.empty() && arrived >= toldAt_ && arrived - toldAt_ < kReachingVoice)
        waiting_.insert(waiting_.begin(), told_.begin(), told_.end());
    told_.clear();
    if (!waiting_.empty())
        nextTry_.start(kBurstPause);
}

bool SpeechBar::eventFilter(QObject* watched, QEvent* event) {
    const bool back =
        watched == window() ? event->type() == QEvent::WindowActivate : event->type() == QEvent::Hide;
    if (back && !waiting_.empty())
        nextTry_.start(0);
    return false;
}

// Orca also drops an object's "showing" event when a newer one of the same object is queued
// behind it, so each text gets a note of its own; the last few stay, for Orca to read their
// names after the event.
void SpeechBar::speakIfHeard() {
    if (waiting_.empty() || !window()->isActiveWindow())
        return;
    if (QWidget* menu = QApplication::activePopupWidget()) {
        menu->installEventFilter(this);  // to come back when it closes
        return;
    }
    const qint64 now = monotonicNow();  // one reading: a second could pass the pause, and wait forever
    const qint64 sinceKey = now - std::max(lastKey_, lastKeyPressSent());
    if (sinceKey < kBurstPause) {
        nextTry_.start(int(kBurstPause - sinceKey));
        return;
    }
    constexpr std::size_t kNotesKept = 16;
    told_.clear();
    for (const Waiting& w : std::exchange(waiting_, {})) {
        auto* note = new QWidget(this);
        note->setObjectName(QStringLiteral("Spoken"));
        note->setGeometry(0, 0, 0, 0);
        note->setAccessibleName(w.text);
        notes_.push_back(note);
        note->show();
        if (!w.echo)
            told_.push_back(w);
    }
    toldAt_ = now;
    for (; notes_.size() > kNotesKept; notes_.pop_front())
        notes_.front()->deleteLater();
}

}  // namespace tarvo::platform
