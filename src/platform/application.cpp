// SPDX-License-Identifier: MIT
#include "platform/application.h"

#include "platform/form.h"
#include "platform/run_time_error.h"
#include "platform/translation.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace tarvo::platform {

namespace {
bool halted = false;  // no handler runs any more
bool ended = false;   // End has run; status is final
int status = 0;

// While the toolkit starts, its messages wait: if it cannot reach the window system it would
// print three of them, one with wrong advice, and abort with a core dump. Say what is wrong in
// one line instead, and end with a failure status. Qt may log from other threads meanwhile.
struct HeldMessage {
    QtMsgType type;
    QByteArray category, file, function;
    int line;
    QString text;
};
std::mutex holding;
std::vector<HeldMessage> heldBack;

// Why the toolkit could not start, in the words of the first message it held back.
QString whyNoStart(const QString& fatal) {
    const std::lock_guard lock(holding);
    static const QString noDisplay = QStringLiteral("could not connect to display");
    for (const HeldMessage& held : heldBack) {
        if (held.category != "qt.qpa.xcb" || !held.text.startsWith(noDisplay))
            continue;
        const std::string why =
            !held.text.mid(noDisplay.size()).trimmed().isEmpty() ? held.text.toStdString()
            : qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                ? translated(TARVO_TEXT("Errors", "DISPLAY and WAYLAND_DISPLAY are not set"))
                : translated(TARVO_TEXT("Errors", "DISPLAY is not set"));
        return QString::fromStdString(
            translated(TARVO_TEXT("Errors", "no display to open the window on (%1)"), {why}));
    }
    const QString cause = heldBack.empty() ? fatal.section('\n', 0, 0) : heldBack.front().text;
    return QString::fromStdString(
        translated(TARVO_TEXT("Errors", "the toolkit could not start (%1)"), {cause.toStdString()}));
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        const std::lock_guard lock(holding);
        heldBack.push_back({type, context.category, context.file, context.function, context.line, message});
        return;
    }
    std::fprintf(stderr, "tarvo: %s\n", qPrintable(whyNoStart(message)));
    std::_Exit(1);
}

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv) {
    // Where the user asked the toolkit to abort on a message, it prints each as it comes.
    const bool holds =
        qEnvironmentVariableIsEmpty("QT_FATAL_WARNINGS") && qEnvironmentVariableIsEmpty("QT_FATAL_CRITICALS");
    const QtMessageHandler previous = holds ? qInstallMessageHandler(holdBack) : nullptr;
    auto app = std::make_unique<QApplication>(argc, argv);
    if (!holds)
        return app;
    qInstallMessageHandler(previous);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(holding);
        held.swap(heldBack);
    }
    const auto orNull = [](const QByteArray& text) { return text.isNull() ? nullptr : text.constData(); };
    for (const HeldMessage& m : held)
        qt_message_output(m.type,
                          QMessageLogContext(orNull(m.file), m.line, orNull(m.function), orNull(m.category)),
                          m.text);
    return app;
}

}  // namespace

Application::Application(int& argc, char** argv) : app_(startToolkit(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral("tarvo"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(applicationTitle()));
    QApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVO_APP_ID));  // for the shell's window matching
    useDesktopLanguage();
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
