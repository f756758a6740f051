// SPDX-License-Identifier: MIT
// How controls look and what a screen reader is told of them: private to src/platform/.
#pragma once

#include "platform/controls/control_style.h"

#include <QAccessible>
#include <QColor>
#include <QString>

class QWidget;

namespace tarvo::platform {

QColor toQColor(Colour colour);

// Font, colours, border, alignment and mouse pointer of a control, from its look. A control
// that names no font keeps its form's.
void applyLook(QWidget* control, const ControlLook& look);

// Gives a control the name and description a screen reader speaks; returns the name to speak its
// state after, empty when its state is not spoken.
QString setAccessible(QWidget* control, const Accessible& accessible);

// Speaks a named control as "name: state", or by its name alone while the state is empty.
void speakState(QWidget* control, const QString& name, const QString& state);

// From now on a screen reader knows every widget of type W by an accessible interface A(widget).
// Install it once the application object exists, or the toolkit never asks for it.
template <class W, class A>
void useAccessible() {
    static const bool installed =
        (QAccessible::installFactory([](const QString&, QObject* object) {
             auto* widget = qobject_cast<W*>(object);
             return widget ? static_cast<QAccessibleInterface*>(new A(widget)) : nullptr;
         }),
         true);
    static_cast<void>(installed);
}

}  // namespace tarvo::platform
