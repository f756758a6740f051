// SPDX-License-Identifier: MIT
#include "support/board.h"

#include "control/start_up.h"
#include "platform/application.h"
#include "platform/form.h"

#include <QAction>
#include <QCoreApplication>

namespace tarvo::testing {

namespace {
ErrorRecorder* recorder = nullptr;

void record(const platform::RunTimeError& error) {
    if (recorder)
        recorder->errors.push_back(error);
}
}  // namespace

QWidget* boardWidget() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("Form1") && w->isVisible())
            return w;
    }
    return nullptr;
}

QAction* menuItem(const QString& name) {
    QWidget* board = boardWidget();
    return board ? board->findChild<QAction*>(name) : nullptr;
}

void startGame() { platform::dispatch(startUp); }

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

}  // namespace tarvo::testing
