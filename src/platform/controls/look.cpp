// SPDX-License-Identifier: MIT
#include "platform/controls/look.h"

#include "platform/services/qt_strings.h"
#include "platform/services/translation.h"

#include <QLabel>

#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>

#include <array>

namespace tarvo::platform {

namespace {

// The system colours by index, as the palette roles that play their part here.
constexpr std::array kSystemColourRoles = {
    QPalette::Button,           // 0 scroll bars
    QPalette::Window,           // 1 desktop
    QPalette::Highlight,        // 2 active title bar
    QPalette::Mid,              // 3 inactive title bar
    QPalette::Window,           // 4 menu bar
    QPalette::Base,             // 5 window background
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 active title bar text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Dark,             // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive title bar text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 dark shadow
    QPalette::Midlight,         // 22 light
    QPalette::ToolTipText,      // 23 tooltip text
    QPalette::ToolTipBase,      // 24 tooltip background
};

QFont fontOf(const Font& font) {
    QFont result(toQString(font.name));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    return result;
}

// A colour of its own holds when the control is off too, as the ended clock's white on red.
void setColours(QWidget* control, const ControlLook& look, QPalette::ColorRole back,
                QPalette::ColorRole fore) {
    control->setBackgroundRole(back);
    control->setForegroundRole(fore);
    if (!look.backColour && !look.foreColour)
        return;
    QPalette palette = control->palette();
    if (look.backColour)
        palette.setColor(back, toQColor(*look.backColour));
    if (look.foreColour)
        palette.setColor(fore, toQColor(*look.foreColour));
    control->setPalette(palette);
}

}  // namespace

QColor toQColor(Colour colour) {
    if (colour & kSystemColour) {
        const std::size_t index = colour & ~kSystemColour;
        const auto role = index < kSystemColourRoles.size() ? kSystemColourRoles[index] : QPalette::Window;
        return QGuiApplication::palette().color(role);
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void applyLook(QWidget* control, const ControlLook& look) {
    if (!look.font.name.empty())
        control->setFont(fontOf(look.font));
    if (look.mousePointer == MousePointer::PointingHand)
        control->setCursor(Qt::PointingHandCursor);

    const bool centred = look.alignment == Alignment::Center;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        // A caption starts right inside the border: a framed QLabel would otherwise inset it
        // by half an "x" from every aligned edge, the top included, and cut its foot off.
        label->setIndent(0);
        if (look.border == Border::FixedSingle) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        label->setAutoFillBackground(true);  // labels are opaque
        setColours(label, look, QPalette::Button, QPalette::ButtonText);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        setColours(edit, look, QPalette::Base, QPalette::Text);
    }
    // A push button is drawn as the style draws push buttons, whatever colour it stores.
}

QString setAccessible(QWidget* control, const Accessible& accessible) {
    const QString name = toQString(accessible.name);
    if (!name.isEmpty())
        control->setAccessibleName(name);
    if (!accessible.description.empty())
        control->setAccessibleDescription(toQString(accessible.description));
    return accessible.stateSpoken ? name : QString();
}

void speakState(QWidget* control, const QString& name, const QString& state) {
    if (!name.isEmpty())
        control->setAccessibleName(state.isEmpty()
                                       ? name
                                       //: A control's name, then what it holds or shows now, as a
                                       //: screen reader reads them: "Time left: 2:41".
                                       : toQString(translated(TARVO_TEXT("Speech", "%1: %2"),
                                                              {name.toStdString(), state.toStdString()})));
}

}  // namespace tarvo::platform
