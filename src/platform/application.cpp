// SPDX-License-Identifier: MIT
#include "platform/application.h"

#include "platform/form.h"
#include "platform/run_time_error.h"

#include <QApplication>

namespace tarvo::platform {

namespace {
bool halted = false;  // no handler runs any more
bool ended = false;   // End has run; status is final
int status = 0;
}  // namespace

Application::Application(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral("tarvo"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(applicationTitle()));
    QApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVO_APP_ID));  // for the shell's window matching
    // The program ends through End only: re-creating a window must never quit it.
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application() {
    FormVariable::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int Application::run(void (*startUp)()) {
    dispatch(startUp);
    if (ended)
        return status;
    const int result = QApplication::exec();
    return ended ? status : result;
}

const char* applicationTitle() noexcept { return "Tarvo"; }

void endProgram(int exitStatus) {
    if (!ended) {
        ended = true;
        status = exitStatus;
    }
    halted = true;
    FormVariable::unloadAll();
    QCoreApplication::exit(status);
}

bool programEnding() noexcept { return halted; }

int exitStatus() noexcept { return status; }

void haltHandlers() noexcept { halted = true; }

void resetProgramEndForTest() noexcept {
    halted = false;
    ended = false;
    status = 0;
}

}  // namespace tarvo::platform
