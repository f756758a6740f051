// SPDX-License-Identifier: MIT
#include "platform/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>

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

SpeechBar::SpeechBar(QWidget* parent) : QWidget(parent), note_(new QWidget(this)) {
    static const bool rolesInstalled = (QAccessible::installFactory(speechRoles), true);
    static_cast<void>(rolesInstalled);
    setObjectName(QStringLiteral("SpeechBar"));
    setGeometry(0, 0, 0, 0);
    note_->setObjectName(QStringLiteral("Spoken"));
    note_->setGeometry(0, 0, 0, 0);
    note_->hide();
    show();
    afterHandler_.setSingleShot(true);
    afterHandler_.setInterval(0);
    connect(&afterHandler_, &QTimer::timeout, this, &SpeechBar::speakIfHeard);
    window()->installEventFilter(this);  // coming back to the window from another
}

void SpeechBar::say(const QString& text) {
    if (!QAccessible::isActive())
        return;  // no screen reader listens
    waiting_ = text;
    afterHandler_.start();
}

bool SpeechBar::eventFilter(QObject* watched, QEvent* event) {
    const bool back =
        watched == window() ? event->type() == QEvent::WindowActivate : event->type() == QEvent::Hide;
    if (back && !waiting_.isEmpty())
        afterHandler_.start();
    return false;
}

void SpeechBar::speakIfHeard() {
    if (waiting_.isEmpty() || !window()->isActiveWindow())
        return;
    if (QWidget* menu = QApplication::activePopupWidget()) {
        menu->installEventFilter(this);  // to come back when it closes
        return;
    }
    note_->hide();
    note_->setAccessibleName(waiting_);
    waiting_.clear();
    note_->show();
}

}  // namespace tarvo::platform
