// SPDX-License-Identifier: MIT
#include "platform/application.h"

#include "platform/form.h"
#include "platform/run_time_error.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace tarvo::platform {

namespace {
bool halted = false;  // no handler runs any more
bool ended = false;   // End has run; status is final
int status = 0;

// While the toolkit starts, its messages wait: if it cannot reach the window system it would
// print three of them, one with wrong advice, and abort with a core dump. Say what is missing in
// one line instead, and end with a failure status.
std::vector<std::pair<QtMsgType, QString>> heldBack;

void holdBack(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldBack.emplace_back(type, message);
        return;
    }
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QString why = noDisplay || heldBack.empty()
                            ? QStringLiteral("DISPLAY and WAYLAND_DISPLAY are not set")
                            : heldBack.front().second;
    std::fprintf(stderr, "tarvo: no display to open the window on (%s)\n", qPrintable(why));
    std::_Exit(1);
}

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(holdBack);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : std::exchange(heldBack, {}))
        qt_message_output(type, QMessageLogContext(), message);
    return app;
}

}  // namespace

Application::Application(int& argc, char** argv) : app_(startToolkit(argc, argv)) {
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
