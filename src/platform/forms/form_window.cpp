// SPDX-License-Identifier: MIT
#include "platform/forms/form_window.h"

#include "platform/controls/look.h"
#include "platform/forms/client_area.h"
#include "platform/forms/menu_bar_style.h"
#include "platform/forms/twips.h"
#include "platform/input/click_elsewhere.h"
#include "platform/input/input_block.h"
#include "platform/input/key_preview.h"
#include "platform/screen_reader/message_bar.h"
#include "platform/screen_reader/reading_line.h"
#include "platform/services/qt_strings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvo::platform {

namespace {

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

}  // namespace

FormWindow::FormWindow(const FormSpec& spec)
    : QWidget(loadedWindowNamed(spec.owner), fixedWindowFlags(spec.minimizeButton, !spec.owner.empty())),
      layout_(new QVBoxLayout(this)),
      client_(new ClientArea(this)),
      closeOnEscape_(spec.closeOnEscape) {
    setObjectName(toQString(spec.name));
    setWindowTitle(toQString(spec.caption));
    // Modal to its owner, which the window manager is told; the owner's own input is blocked as
    // any form's is, by setInputBlocked.
    if (!spec.owner.empty())
        setWindowModality(Qt::WindowModal);
    if (!spec.icon.empty())
        useProgramIcon(toQString(spec.icon));

    // No name: the program's own font, which needs no look-up of another family.
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
}

QMenuBar* FormWindow::menuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        auto* style = new MenuBarStyle;
        style->setParent(menuBar_);
        menuBar_->setStyle(style);
        layout_->setMenuBar(menuBar_);
    }
    return menuBar_;
}

void FormWindow::unload() {
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
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (closeOnEscape_ && key == Qt::Key_Escape && plain)
        raiseClose();
    else if (default_ && plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space))
        default_->click();  // nothing while it is off
    else if (key == Qt::Key_F10 && plain && menuBar_ && !menuBar_->actions().isEmpty())
        menuBar_->setActiveAction(menuBar_->actions().first());  // the desktop's key for the menus
    else
        QWidget::keyPressEvent(event);
}

// As the focused button did, the default button shows that Return presses it while the window
// is active: the style draws the two alike.
void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && default_)
        default_->setDefault(isActiveWindow());
    QWidget::changeEvent(event);
}

void FormWindow::setDefaultButton(QPushButton* button) {
    default_ = button;
    button->setFocusPolicy(Qt::NoFocus);
    button->setDefault(isActiveWindow());
}

void FormWindow::raiseClose() {
    if (!unloaded_ && !isInputBlocked() && close_)
        dispatch(close_);
}

void FormWindow::setInputBlocked(bool blocked) {
    if (blocked == isInputBlocked())
        return;
    if (blocked) {
        block_ = new InputBlock(this);
    } else {
        delete block_;
        block_ = nullptr;
    }
}

void FormWindow::setKeyDownHandler(KeyDownHandler handler, KeyRepeat repeat) {
    delete keyPreview_;
    keyPreview_ = new KeyPreview(this, handler, repeat);
}

void FormWindow::setClickElsewhereHandler(Handler handler) {
    delete clickElsewhere_;
    clickElsewhere_ = new ClickElsewhere(this, handler);
}

MessageBar& FormWindow::messages() {
    if (!messages_)
        messages_ = new MessageBar(client_, line_, keys_);
    return *messages_;
}

void FormWindow::addReadingLine(const QRect& where) {
    line_ = new ReadingLine(client_);
    line_->setGeometry(where);
    line_->lower();  // under the controls, which take the mouse
}

void FormWindow::keyPressed(std::int64_t arrived) {
    if (messages_)
        messages_->keyPressed(arrived);
}

std::vector<std::string> FormWindow::untoldMessages() const {
    return messages_ ? messages_->untold() : std::vector<std::string>{};
}

const FormWindow* formWindowOf(const QObject* object) {
    for (; object; object = object->parent()) {
        if (const auto* window = qobject_cast<const FormWindow*>(object))
            return window;
    }
    return nullptr;
}

}  // namespace tarvo::platform
