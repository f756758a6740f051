// SPDX-License-Identifier: MIT
#include "platform/forms/form.h"

#include "platform/controls/image_widget.h"
#include "platform/controls/label_widget.h"
#include "platform/controls/look.h"
#include "platform/forms/client_area.h"
#include "platform/forms/form_window.h"
#include "platform/screen_reader/message_bar.h"
#include "platform/screen_reader/reading_line.h"
#include "platform/services/qt_strings.h"
#include "platform/services/time_of_day.h"

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace tarvo::platform {

namespace {

QRect pixels(const TwipsRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

// How long a timer that follows the second waits after a tick: a tick that met a new second is
// followed at once, in the same wake-up, by one that shows what it did; then it sleeps until the
// next second begins, with a millisecond of margin.
int millisecondsToNextTick(bool metANewSecond, int millisecondOfMinute) {
    return metANewSecond ? 0 : 1000 - millisecondOfMinute % 1000 + 1;
}

}  // namespace

Form::Form(const FormSpec& spec) : window_(new FormWindow(spec)), startUpPosition_(spec.startUpPosition) {}

Form::~Form() { window_->unload(); }

void Form::show() {
    if (!placed_) {
        placed_ = true;
        window_->adjustSize();
        if (startUpPosition_ == StartUpPosition::CenterScreen) {
            // A top-level move places the frame: centre the frame, as far as it is known yet.
            window_->winId();
            const QMargins frame = window_->windowHandle()->frameMargins();
            const QSize outer = window_->size().grownBy(frame);
            const QRect screen = QApplication::primaryScreen()->availableGeometry();
            window_->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer, screen).topLeft());
        }
        // Controls were created in tab order: the first that takes the focus gets it.
        const auto controls = window_->clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const auto first = std::find_if(controls.begin(), controls.end(), [](const QWidget* w) {
            return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled();
        });
        if (first != controls.end())
            (*first)->setFocus();
    }
    const bool shown = window_->isVisible();
    window_->show();
    if (shown)  // showing an open window brings it to the front
        window_->activateWindow();
}

bool Form::isEnabled() const { return !window_->isInputBlocked(); }

void Form::setEnabled(bool enabled) { window_->setInputBlocked(!enabled); }

void Form::cover(bool covered) { window_->clientArea()->setCovered(covered); }

void Form::announce(std::string_view text) { window_->messages().tell(std::string(text)); }

void Form::echo(std::string_view text) { window_->messages().echo(std::string(text)); }

void Form::showAtRest(std::string_view text, std::size_t caret) {
    ReadingLine* line = window_->readingLine();
    if (!line)
        throw RunTimeError("Reading line", window_->objectName().toStdString() + " has none");
    const std::size_t before = std::min(caret, text.size());
    line->setLine(toQString(text), int(QString::fromUtf8(text.data(), qsizetype(before)).size()));
    if (window_->isVisible())  // before, the focus that the window gives it shows it
        window_->messages().lineChanged();
}

void Form::useKeyArrivals(KeyArrivals* keys) { window_->setKeyArrivals(keys); }

std::vector<std::string> Form::untoldMessages() const { return window_->untoldMessages(); }

void Form::tell(const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        window_->messages().tell(text);
}

void Form::addReadingLine(const TwipsRect& where) { window_->addReadingLine(pixels(where)); }

Label Form::addLabel(const LabelSpec& spec) {
    auto* label = new LabelWidget(window_->clientArea());
    label->setObjectName(toQString(spec.name));
    label->setGeometry(pixels(spec.rect));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(spec.wordWrap);
    label->spokenName = setAccessible(label, spec.accessible);
    label->setCaption(toQString(spec.caption));
    applyLook(label, spec.look);
    label->setEnabled(spec.enabled);
    label->tag = toQString(spec.tag);
    label->dragMode = spec.dragMode;
    return Label(label);
}

Image Form::addImage(const ImageSpec& spec) {
    auto* image = new ImageWidget(window_->clientArea());
    image->setObjectName(toQString(spec.name));
    image->setGeometry(pixels(spec.rect));
    image->setScaledContents(spec.stretch);
    image->spokenName = setAccessible(image, spec.accessible);
    return Image(image);
}

TextBox Form::addTextBox(const TextBoxSpec& spec) {
    auto* edit = new QLineEdit(window_->clientArea());
    edit->setObjectName(toQString(spec.name));
    edit->setGeometry(pixels(spec.rect));
    edit->setMaxLength(std::numeric_limits<int>::max());
    if (!spec.takesFocus) {
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
    }
    setAccessible(edit, spec.accessible);
    applyLook(edit, spec.look);  // before the text, which is laid out again on every font change
    edit->setText(toQString(spec.text));
    edit->setEnabled(spec.enabled);
    return TextBox(edit);
}

CommandButton Form::addCommandButton(const CommandButtonSpec& spec) {
    auto* button = new QPushButton(toQString(spec.caption), window_->clientArea());
    button->setObjectName(toQString(spec.name));
    button->setGeometry(pixels(spec.rect));
    button->setAutoDefault(true);  // Enter clicks the focused button, as Space does
    if (spec.isDefault)
        window_->setDefaultButton(button);
    setAccessible(button, spec.accessible);
    applyLook(button, spec.look);
    button->setEnabled(spec.enabled);
    return CommandButton(button);
}

Timer Form::addTimer(const TimerSpec& spec) {
    auto* timer = new QTimer(window_);
    timer->setObjectName(toQString(spec.name));
    timer->setInterval(spec.intervalMs);
    if (spec.followsTheSecond) {
        timer->setTimerType(Qt::PreciseTimer);  // on the second, not up to 50 ms after it
        // Connected before any handler: the next tick is set before the handler may stop it.
        QObject::connect(timer, &QTimer::timeout, timer, [timer, lastSecond = -1]() mutable {
            const int now = millisecondOfMinute();
            timer->start(millisecondsToNextTick(now / 1000 != lastSecond, now));
            lastSecond = now / 1000;
        });
    }
    if (spec.enabled)
        timer->start();  // the first tick comes once the event loop runs again
    return Timer(timer);
}

MenuItem Form::addMenu(const MenuSpec& spec) {
    QMenu* menu = window_->menuBar()->addMenu(toQString(spec.caption));
    menu->setObjectName(toQString(spec.name));
    QAction* action = menu->menuAction();
    action->setObjectName(toQString(spec.name));
    return MenuItem(action);
}

MenuItem Form::addMenuItem(const MenuItem& menu, const MenuSpec& spec) {
    QMenu* parent = menu.action().menu();
    if (!parent)
        throw RunTimeError("Menu", menu.action().objectName().toStdString() + " is not a menu");
    QAction* action = parent->addAction(toQString(spec.caption));
    action->setObjectName(toQString(spec.name));
    if (!spec.shortcut.empty())
        action->setShortcut(QKeySequence(toQString(spec.shortcut), QKeySequence::PortableText));
    if (spec.checked) {
        action->setCheckable(true);
        action->setChecked(*spec.checked);
    }
    // The toolkit flips a check mark on every click; here only the handlers set it.
    QObject::connect(action, &QAction::triggered, action, [action](bool checked) {
        if (action->isCheckable())
            action->setChecked(!checked);
    });
    return MenuItem(action);
}

void Form::onLoad(Handler handler) { load_ = handler; }

void Form::onClose(Handler handler) { window_->setCloseHandler(handler); }

void Form::onKeyDown(KeyDownHandler handler, KeyRepeat repeat) {
    window_->setKeyDownHandler(handler, repeat);
}

void Form::onClickElsewhere(Handler handler) { window_->setClickElsewhereHandler(handler); }

void Form::runLoadHandler() {
    if (load_)
        load_();
}

}  // namespace tarvo::platform
