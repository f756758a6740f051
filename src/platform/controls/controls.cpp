// SPDX-License-Identifier: MIT
#include "platform/controls/command_button.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"

#include "platform/controls/image_widget.h"
#include "platform/controls/label_widget.h"
#include "platform/forms/form_window.h"
#include "platform/services/qt_strings.h"
#include "platform/services/run_time_error.h"

#include <QAction>
#include <QAnyStringView>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace tarvo::platform {

namespace {

template <class T>
T& live(T* control) {
    if (!control)
        throw RunTimeError("Control", "the control has not been created");
    return *control;
}

// A control switched off lets go of the focus rather than passing it on: the toolkit would hand
// it to the next control, which a screen reader then announces, and that in turn may be off next.
void enable(QWidget& control, bool enabled) {
    if (!enabled && control.hasFocus())
        control.clearFocus();
    control.setEnabled(enabled);
}

// Raises the handler on the control's signal, unless its window was unloaded meanwhile.
template <class Control, class Signal>
void raiseOn(Control* control, Signal signal, Handler handler) {
    const FormWindow* window = formWindowOf(control);
    QObject::connect(control, signal, control, [window, handler] { dispatchFrom(window, handler); });
}

bool shows(const QString& current, std::string_view text) {
    return QAnyStringView::equal(current, QUtf8StringView(text.data(), qsizetype(text.size())));
}

}  // namespace

LabelWidget& Label::widget() const { return live(widget_); }
std::string Label::caption() const { return widget().text().toStdString(); }
void Label::setCaption(std::string_view caption) {
    if (!shows(widget().text(), caption))
        widget().setCaption(toQString(caption));
}
bool Label::isEnabled() const { return widget().isEnabled(); }
void Label::setEnabled(bool enabled) { widget().setEnabled(enabled); }
std::string Label::tag() const { return widget().tag.toStdString(); }
void Label::onDragDrop(DragDropHandler handler) {
    widget().dropHandler = handler;
    widget().setAcceptDrops(handler != nullptr);
}
void Label::onClick(ClickHandler handler) { widget().clickHandler = handler; }
bool Label::dropOn(Label& target) const {
    LabelWidget* source = &widget();
    if (!target.widget().takesDropFrom(source))
        return false;
    target.widget().dropFrom(source, QRectF(target.widget().rect()).center());
    return true;
}
void Label::setMark(Mark mark) { widget().setMark(mark); }

ImageWidget& Image::widget() const { return live(widget_); }
const Picture& Image::picture() const { return widget().picture; }
void Image::setPicture(const Picture& picture, std::string_view meaning) {
    widget().picture = picture;
    widget().setPixmap(picture.isEmpty() ? QPixmap() : *picture.pixmap());
    speakState(&widget(), widget().spokenName, toQString(meaning));
}

QLineEdit& TextBox::widget() const { return live(widget_); }
std::string TextBox::text() const { return widget().text().toStdString(); }
void TextBox::setText(std::string_view text) {
    if (!shows(widget().text(), text))
        widget().setText(toQString(text));
}
bool TextBox::isEnabled() const { return widget().isEnabled(); }
void TextBox::setEnabled(bool enabled) { enable(widget(), enabled); }
void TextBox::onChange(Handler handler) { raiseOn(&widget(), &QLineEdit::textEdited, handler); }

QPushButton& CommandButton::widget() const { return live(widget_); }
bool CommandButton::isEnabled() const { return widget().isEnabled(); }
void CommandButton::setEnabled(bool enabled) { enable(widget(), enabled); }
void CommandButton::onClick(Handler handler) { raiseOn(&widget(), &QPushButton::clicked, handler); }

QTimer& Timer::timer() const { return live(timer_); }
bool Timer::isEnabled() const { return timer().isActive(); }
void Timer::setEnabled(bool enabled) {
    if (!enabled)
        timer().stop();
    else if (!timer().isActive())
        timer().start();
}
void Timer::onTimer(Handler handler) { raiseOn(&timer(), &QTimer::timeout, handler); }

QAction& MenuItem::action() const { return live(action_); }
bool MenuItem::isChecked() const { return action().isChecked(); }
void MenuItem::setChecked(bool checked) {
    action().setCheckable(true);
    action().setChecked(checked);
}
bool MenuItem::isEnabled() const { return action().isEnabled(); }
void MenuItem::setEnabled(bool enabled) { action().setEnabled(enabled); }
void MenuItem::onClick(Handler handler) { raiseOn(&action(), &QAction::triggered, handler); }

}  // namespace tarvo::platform
