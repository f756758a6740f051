// SPDX-License-Identifier: MIT
#include "platform/input/click_elsewhere.h"

#include "platform/controls/label_widget.h"
#include "platform/forms/form_window.h"

#include <QMenuBar>
#include <QMouseEvent>

#include <utility>

namespace tarvo::platform {

ClickElsewhere::ClickElsewhere(FormWindow* window, Handler handler) : QObject(window), handler_(handler) {
    window->clientArea()->installEventFilter(this);
    for (QWidget* control : window->clientArea()->findChildren<QWidget*>())
        control->installEventFilter(this);
    if (auto* menus = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        menus->installEventFilter(this);
}

bool ClickElsewhere::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == dragStartEventType()) {  // a drag is not a click on its label
        dispatchFrom(formWindowOf(watched), handler_);
        return false;
    }
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    const auto* label = qobject_cast<LabelWidget*>(watched);
    const bool first = std::exchange(lastPressSeen_, press->timestamp()) != press->timestamp();
    if (first && !(label && label->clickHandler && label->isEnabled()))
        dispatchFrom(formWindowOf(watched), handler_);
    return false;
}

}  // namespace tarvo::platform
