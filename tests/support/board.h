// SPDX-License-Identifier: MIT
// Reaching the live board window's widgets the way a player sees them: by name.
#pragma once

#include "platform/run_time_error.h"

#include <QApplication>
#include <QWidget>

#include <string>
#include <vector>

class QAction;

namespace tarvo::testing {

// The visible board window, or nullptr.
QWidget* boardWidget();

// A control of the visible board window by its name, e.g. "Label35"; fails the test if missing.
template <class T>
T* control(const QString& name) {
    QWidget* board = boardWidget();
    return board ? board->findChild<T*>(name) : nullptr;
}

// A menu item of the visible board window by its name, e.g. "nNew".
QAction* menuItem(const QString& name);

// Loads and shows the board window as the program's start does.
void startGame();

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
