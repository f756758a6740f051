// SPDX-License-Identifier: MIT
#include "platform/forms/menu_bar_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace tarvo::platform {

// A new style of the application's kind: the proxy deletes its base, which must not be the
// application's own.
MenuBarStyle::MenuBarStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int MenuBarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returned) const {
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

}  // namespace tarvo::platform
