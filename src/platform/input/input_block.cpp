// SPDX-License-Identifier: MIT
#include "platform/input/input_block.h"

#include "platform/forms/form_window.h"

#include <QApplication>
#include <QEvent>

namespace tarvo::platform {

InputBlock::InputBlock(FormWindow* window) : QObject(window), window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlock::~InputBlock() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::InputMethod:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return watched->isWidgetType() && formWindowOf(watched) == window_;
        case QEvent::WindowActivate:
            // The toolkit activates a clicked window itself, past the window manager: the keys
            // belong to the modal window over this one, Escape included.
            if (QWidget* over = QApplication::activeModalWidget();
                watched == window_ && over && over != window_)
                over->activateWindow();
            return false;
        default:
            return false;
    }
}

}  // namespace tarvo::platform
