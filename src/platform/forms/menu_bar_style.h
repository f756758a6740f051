// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace tarvo::platform {

// A form's menu bar looks as the application's style draws it, with no keyboard mode: after
// Escape in a menu or an Alt tap the bar would hold every key, drawn as if it held none, and
// Return would open a menu and choose its first item. The access keys, F10 and the keys of an
// open menu work without it.
class MenuBarStyle final : public QProxyStyle {
    Q_OBJECT
public:
    MenuBarStyle();
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
};

}  // namespace tarvo::platform
