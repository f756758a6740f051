// SPDX-License-Identifier: MIT
// Reaching the live board window's widgets the way a player sees them: by name.
#pragma once

#include "platform/services/application.h"
#include "platform/services/run_time_error.h"
#include "support/fakes.h"

#include <QApplication>
#include <QByteArray>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

class QAction;

namespace tarvo::testing {

// The visible board window, or nullptr.
QWidget* boardWidget();

// The About window while it is open, or nullptr.
QWidget* aboutWidget();

// The How to play window while it is open, or nullptr.
QWidget* rulesWidget();

// A control of the visible board window by its name, e.g. "Label35"; fails the test if missing.
template <class T>
T* control(const QString& name) {
    QWidget* board = boardWidget();
    return board ? board->findChild<T*>(name) : nullptr;
}

// The names of the board's repeated controls: slot Label11..Label34, peg Image1..Image24, tile
// Label59..Label64.
QString slotName(int row, int position);
QString pegName(int row, int position);
QString tileName(int digit);

// A menu item of the visible board window by its name, e.g. "nNew".
QAction* menuItem(const QString& name);

// Delivers a drag onto a widget as the toolkit does: a drag-enter event and, if that was
// accepted, a drop event. Returns whether the drop was taken.
bool dropOn(QWidget* target, const QByteArray& payload,
            const QString& format = QStringLiteral("application/x-tarvo-digit"));

// Drops tile "digit" on slot (row, position); returns whether the slot took it.
bool dropTile(int digit, int row, int position);

// Drops the tiles of "digits" (e.g. "1234") on the row's four slots.
void fillRow(int row, const char* digits);

// Clicks "Show" with the mouse.
void pressShow();

// Presses keys as X11 sends them, each event with the time the key moved: to the board's window,
// which hands them to its control with the focus. Names: "1".."9", "k1".."k9" on the keypad,
// "Left", "Right", "Home", "End", "Up", "Down", "T", "Return", "Enter", "Space", "Tab", "Escape", and with a
// modifier "Ctrl+1", "Shift+1". A name alone is a tap of 50 ms; "5/1000" holds 5 down for 1000 ms, long
// enough to repeat; "5+" only presses it and "5-" only releases it. "@30" puts 30 ms between a
// release and the next press, 100 until said; "stall" keeps the program busy for 600 ms.
void pressKeys(const QString& keys);

// The row's pegs as the player reads them: 'i' in place, 'o' out of place, '-' blank.
QString pegsOf(int row);

// The slot captions of a row, e.g. "12 4" with a blank for an empty slot.
QString captionsOf(int row);

// The code shown in Label1..Label4, e.g. "1234"; blanks while hidden.
QString revealedCode();

// Loads and shows the board window as the program's start does.
void startGame();

// The board with a known code and a clock that stands still unless the test moves it.
struct FixedGame {
    FixedDraws draws;
    FakeTimeOfDay clock;

    // Resets the module state, sets the clock to the given second and starts the program with
    // the given code, e.g. "1234".
    void start(std::string_view code, int second = 0);
};

// Unloads every window and lets the toolkit delete them.
void closeEverything();

// Deletes the windows that unloading left for the toolkit.
void flushDeletedWindows();

// Records run-time errors instead of showing a box and ending the program.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    std::vector<platform::RunTimeError> errors;
};

}  // namespace tarvo::testing

// As QTEST_MAIN, with the program's own application object: the windows are wired as the
// program wires them, the keys the window system sends noted as the program notes them.
#define TARVO_TEST_MAIN(TestObject)                            \
    int main(int argc, char** argv) {                          \
        ::tarvo::platform::Application app(argc, argv);        \
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true); \
        TestObject tc;                                         \
        QTEST_SET_MAIN_SOURCE_PATH                             \
        return QTest::qExec(&tc, argc, argv);                  \
    }
