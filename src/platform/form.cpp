// SPDX-License-Identifier: MIT
#include "platform/form.h"

#include "platform/key_events.h"
#include "platform/run_time_error.h"
#include "platform/time_of_day.h"
#include "platform/widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo::platform {

namespace {

QRect pixels(const TwipsRect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

// The loaded window of the named form, or nullptr.
QWidget* loadedWindowNamed(std::string_view name) {
    if (name.empty())
        return nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const auto* form = qobject_cast<FormWindow*>(window);
        if (form && !form->isUnloaded() && window->objectName() == toQString(name))
            return window;
    }
    throw RunTimeError("Form", std::string(name) + " is not loaded");
}

Qt::WindowFlags fixedWindowFlags(bool minimizeButton, bool dialog) {
    Qt::WindowFlags flags = (dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

// The forms show the program's icon, set once on the application: a new QIcon for every new
// window would put the same pictures in the pixmap cache again each time.
void useProgramIcon(const QString& folder) {
    static QString applied;
    if (folder != applied || QApplication::windowIcon().isNull()) {
        QIcon icon;
        for (const int size : {16, 24, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral("%1/%2x%2/tarvo.png").arg(folder).arg(size));
        QApplication::setWindowIcon(icon);
        applied = folder;
    }
}

// How long a timer that follows the second waits after a tick: a tick that met a new second is
// followed at once, in the same wake-up, by one that shows what it did; then it sleeps until the
// next second begins, with a millisecond of margin.
int millisecondsToNextTick(bool metANewSecond, int millisecondOfMinute) {
    return metANewSecond ? 0 : 1000 - millisecondOfMinute % 1000 + 1;
}

// Texts a window told and a screen reader had not yet spoken when it was unloaded, by the
// window's name: the window loaded in its place speaks them, as a new board the last ending.
QHash<QString, QStringList>& untoldTexts() {
    static QHash<QString, QStringList> texts;
    return texts;
}

std::vector<FormVariable*>& formVariables() {
    static std::vector<FormVariable*> variables;
    return variables;
}

}  // namespace

FormWindow::FormWindow(const FormSpec& spec)
    : QWidget(loadedWindowNamed(spec.owner), fixedWindowFlags(spec.minimizeButton, !spec.owner.empty())),
      layout_(new QVBoxLayout(this)),
      client_(new ClientArea(this)),
      closeOnEscape_(spec.closeOnEscape) {
    setObjectName(toQString(spec.name));
    setWindowTitle(toQString(spec.caption));
    if (!spec.icon.empty())
        useProgramIcon(toQString(spec.icon));

    // No name: the system's own font, which needs no look-up of another family.
    QFont font = spec.font.name.empty() ? QApplication::font() : QFont(toQString(spec.font.name));
    font.setPointSizeF(spec.font.points);
    font.setBold(spec.font.bold);

    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);  // not resizable
    client_->setObjectName(objectName() + QStringLiteral("Client"));
    client_->setFixedSize(twipsToPixels(spec.clientWidth), twipsToPixels(spec.clientHeight));
    client_->setFont(font);  // controls that name no font inherit it
    if (spec.backColour)
        client_->setBackColour(toQColor(*spec.backColour));
    layout_->addWidget(client_);
    for (const QString& text : untoldTexts().take(objectName()))
        speech().tell(text);
}

void ClientArea::setBackColour(const QColor& colour) {
    back_ = colour;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    if (back_.isValid())
        QPainter(this).fillRect(event->rect(), back_);
}

QMenuBar* FormWindow::menuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        layout_->setMenuBar(menuBar_);
    }
    return menuBar_;
}

void FormWindow::unload() {
    if (speech_ && !unloaded_)
        untoldTexts()[objectName()] += speech_->untold();
    unloaded_ = true;
    hide();
    for (QTimer* timer : findChildren<QTimer*>())
        timer->stop();
    deleteLater();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    raiseClose();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (closeOnEscape_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        raiseClose();
    else
        QWidget::keyPressEvent(event);
}

void FormWindow::raiseClose() {
    if (!unloaded_ && !inputBlocked_ && close_)
        dispatch(close_);
}

void FormWindow::setInputBlocked(bool blocked) {
    if (blocked == inputBlocked_)
        return;
    inputBlocked_ = blocked;
    if (blocked)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

void FormWindow::setKeyDownHandler(KeyDownHandler handler, HeldKey heldKeys) {
    keyDown_ = handler;
    heldKeys_ = heldKeys;
    // The window sees a key first wherever it arrives: at the control with the focus, or at the
    // window itself when no control has it.
    installEventFilter(this);
    for (QWidget* control : client_->findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
}

SpeechBar& FormWindow::speech() {
    if (!speech_)
        speech_ = new SpeechBar(client_);
    return *speech_;
}

bool FormWindow::previewKey(QObject* receiver, const QKeyEvent* event, bool repeat) {
    // Keys of the menu bar, of a text box and with the logo key held are theirs and the desktop's.
    const Qt::KeyboardModifiers held = event->modifiers();
    int code = keyCodeOf(event);
    if (!keyDown_ || unloaded_ || qobject_cast<QLineEdit*>(receiver) || (held & Qt::MetaModifier) ||
        code == 0)
        return false;
    if (repeat && !(held & (Qt::ControlModifier | Qt::AltModifier)))
        return true;  // a key held down is one press: a finger resting too long loses no row
    const int shift = (held & Qt::ShiftModifier ? kShiftKey : 0) |
                      (held & Qt::ControlModifier ? kCtrlKey : 0) | (held & Qt::AltModifier ? kAltKey : 0);
    dispatch([&] { keyDown_(code, shift); });
    return code == 0;
}

void FormWindow::setClickElsewhereHandler(Handler handler) {
    clickElsewhere_ = handler;
    client_->installEventFilter(this);
    for (QWidget* control : client_->findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!inputBlocked_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<LabelWidget*>(watched);
        const bool first = std::exchange(lastPressSeen_, press->timestamp()) != press->timestamp();
        if (clickElsewhere_ && first && !(label && label->clickHandler && label->isEnabled()))
            dispatch(clickElsewhere_);
        return false;
    }
    if (!inputBlocked_) {  // watching its own controls for keys
        // A key that its first receiver ignores goes on to the parents: see it there only.
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        if (!key || watched != (focusWidget() ? focusWidget() : this))
            return false;
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const KeyMove move = keyMoveOf(keyEvent);
        const bool repeat = heldKeys_ == HeldKey::OnePress && held_.repeats(move);
        if (!move.down)
            return false;
        if (speech_)
            speech_->keyPressed(move.arrived);
        return previewKey(watched, keyEvent, repeat);
    }
    // Blocked, it watches the whole application for input to any of its widgets.
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
            // The window's menus pop up as windows of their own: they count as its input too.
            return watched->isWidgetType() && formWindowOf(watched) == this;
        default:
            return false;
    }
}

const FormWindow* formWindowOf(const QObject* object) {
    for (; object; object = object->parent()) {
        if (const auto* window = qobject_cast<const FormWindow*>(object))
            return window;
    }
    return nullptr;
}

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

void Form::announce(std::string_view text) { window_->speech().tell(toQString(text)); }

void Form::echo(std::string_view text) { window_->speech().echo(toQString(text)); }

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

void Form::onKeyDown(KeyDownHandler handler, HeldKey heldKeys) {
    window_->setKeyDownHandler(handler, heldKeys);
}

void Form::onClickElsewhere(Handler handler) { window_->setClickElsewhereHandler(handler); }

void Form::runLoadHandler() {
    if (load_)
        load_();
}

FormVariable::FormVariable() { formVariables().push_back(this); }

FormVariable::~FormVariable() {
    std::erase(formVariables(), this);
    // Without an application object there is no toolkit left to tear the window down.
    if (!QCoreApplication::instance())
        static_cast<void>(form_.release());
}

void FormVariable::load(std::unique_ptr<Form> form) {
    form_ = std::move(form);
    form_->runLoadHandler();
}

Form& FormVariable::loaded() const {
    if (!form_)
        throw RunTimeError("Form", "the window is not loaded");
    return *form_;
}

void FormVariable::unload() { form_.reset(); }

void FormVariable::unloadAll() {
    for (FormVariable* variable : formVariables())
        variable->unload();
}

}  // namespace tarvo::platform
