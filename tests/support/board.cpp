// SPDX-License-Identifier: MIT
#include "support/board.h"
#include "support/board_test.h"

#include "control/start_up.h"
#include "game/module1.h"
#include "platform/forms/form.h"
#include "platform/services/application.h"
#include "platform/services/program_folder.h"
#include "windows/board_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMap>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

namespace tarvo::testing {

namespace {
ErrorRecorder* recorder = nullptr;

void record(const platform::RunTimeError& error) {
    if (recorder)
        recorder->errors.push_back(error);
}
}  // namespace

namespace {
QWidget* visibleWindow(QLatin1String name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}
}  // namespace

QWidget* boardWidget() { return visibleWindow(QLatin1String("Form1")); }

QWidget* aboutWidget() { return visibleWindow(QLatin1String("Form2")); }

QWidget* rulesWidget() { return visibleWindow(QLatin1String("Form3")); }

QAction* menuItem(const QString& name) {
    QWidget* board = boardWidget();
    return board ? board->findChild<QAction*>(name) : nullptr;
}

bool dropOn(QWidget* target, const QByteArray& payload, const QString& format) {
    QMimeData mime;
    mime.setData(format, payload);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

QString slotName(int row, int position) { return QString("Label%1").arg(10 + 4 * (row - 1) + position); }
QString pegName(int row, int position) { return QString("Image%1").arg(4 * (row - 1) + position); }
QString tileName(int digit) { return QString("Label%1").arg(58 + digit); }

bool dropTile(int digit, int row, int position) {
    auto* slot = control<QLabel>(slotName(row, position));
    return slot && dropOn(slot, QByteArray::number(digit));
}

void fillRow(int row, const char* digits) {
    for (int p = 1; p <= 4; ++p)
        dropTile(digits[p - 1] - '0', row, p);
}

void pressShow() { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }

namespace {

// The window system's clock, in ms, as X11 stamps key events: it only moves forward.
quint64 keyClock = 1'000'000;

// To the board's window, which hands it to the control with the focus, as the window system
// delivers it: the program notes it on its way.
void sendKey(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, bool markedRepeat = false) {
    QKeyEvent event(type, key, modifiers, QString(), markedRepeat);
    event.setTimestamp(keyClock);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(boardWidget()->windowHandle(), &event);
}

}  // namespace

void pressKeys(const QString& keys) {
    static const QMap<QString, Qt::Key> named{
        {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},   {"Home", Qt::Key_Home},
        {"End", Qt::Key_End},   {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
        {"T", Qt::Key_T},       {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter},
        {"Tab", Qt::Key_Tab},   {"Escape", Qt::Key_Escape}, {"Space", Qt::Key_Space}};
    constexpr quint64 kRepeatDelay = 500, kRepeatEvery = 33;  // as the X server repeats a held key
    quint64 gap = 100;                                        // ms from a release to the next press
    for (QString name : keys.split(' ', Qt::SkipEmptyParts)) {
        if (name == "stall") {  // the program is busy: what comes next waits, and arrives at once
            QTest::qSleep(600);
            continue;
        }
        if (name.startsWith('@')) {
            gap = name.mid(1).toULongLong();
            continue;
        }
        quint64 heldFor = 50;
        bool press = true, release = true;
        if (const qsizetype slash = name.indexOf('/'); slash > 0) {
            heldFor = name.mid(slash + 1).toULongLong();
            name.truncate(slash);
        } else if (name.size() > 1 && (name.endsWith('+') || name.endsWith('-'))) {
            press = name.endsWith('+');
            release = !press;
            name.chop(1);
        }
        Qt::KeyboardModifiers modifiers;
        for (const auto& [prefix, modifier] : {std::pair{QString("Ctrl+"), Qt::ControlModifier},
                                               std::pair{QString("Shift+"), Qt::ShiftModifier}})
            if (name.startsWith(prefix)) {
                modifiers |= modifier;
                name.remove(0, prefix.size());
            }
        if (name == "Enter")
            modifiers |= Qt::KeypadModifier;
        if (name.size() == 2 && name[0] == 'k') {
            modifiers |= Qt::KeypadModifier;
            name.remove(0, 1);
        }
        const Qt::Key key = name[0].isDigit() ? Qt::Key(Qt::Key_0 + name[0].digitValue()) : named.value(name);
        if (press) {
            keyClock += gap;
            sendKey(QEvent::KeyPress, key, modifiers);
        }
        // Held past the delay, the key repeats as a release and a press at one time; the toolkit
        // marks most such pairs as repeats, but not the first when its queue lags.
        const quint64 pressed = keyClock;
        for (quint64 at = kRepeatDelay; release && at < heldFor; at += kRepeatEvery) {
            keyClock = pressed + at;
            sendKey(QEvent::KeyRelease, key, modifiers, at > kRepeatDelay);
            sendKey(QEvent::KeyPress, key, modifiers, at > kRepeatDelay);
        }
        if (release) {
            keyClock = pressed + heldFor;
            sendKey(QEvent::KeyRelease, key, modifiers);
        }
    }
}

QString pegsOf(int row) {
    QString pegs;
    for (int p = 1; p <= 4; ++p) {
        const std::string& source = Form1().peg(row, p).picture().source();
        if (source.empty())
            pegs += '-';
        else
            pegs += source.ends_with("/Ikone/namest~1.ico")   ? 'i'
                    : source.ends_with("/Ikone/vanmes~1.ico") ? 'o'
                                                              : '?';
    }
    return pegs;
}

QString captionsOf(int row) {
    QString captions;
    for (int p = 1; p <= 4; ++p) {
        const std::string caption = Form1().slot(row, p).caption();
        captions += caption.empty() ? QString(" ") : QString::fromStdString(caption);
    }
    return captions;
}

QString revealedCode() {
    QString code;
    for (int k = 1; k <= 4; ++k) {
        const std::string caption = Form1().codeLabel(k).caption();
        code += caption.empty() ? QString(" ") : QString::fromStdString(caption);
    }
    return code;
}

void startGame() { platform::dispatch(startUp); }

void FixedGame::start(std::string_view code, int second) {
    Module1 = {};
    clock.second = second;
    draws.draws.clear();
    draws.queueCode(code);
    startGame();
}

void flushDeletedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void closeEverything() {
    platform::FormVariable::unloadAll();
    flushDeletedWindows();
    platform::resetProgramEndForTest();
}

ErrorRecorder::ErrorRecorder() {
    recorder = this;
    platform::setRunTimeErrorReporter(record);
}

ErrorRecorder::~ErrorRecorder() {
    platform::setRunTimeErrorReporter(nullptr);
    recorder = nullptr;
}

void BoardTest::init() { game_.start(code_); }

void BoardTest::cleanup() {
    platform::setProgramFolderForTest(std::nullopt);
    closeEverything();
}

}  // namespace tarvo::testing
