// SPDX-License-Identifier: MIT
#include "platform/services/application.h"

#include "platform/forms/form_variable.h"
#include "platform/input/key_arrivals.h"
#include "platform/input/key_events.h"
#include "platform/services/held_output.h"
#include "platform/services/run_time_error.h"
#include "platform/services/time_of_day.h"
#include "platform/services/translation.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QRegularExpression>

#include <algorithm>
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
HeldStandardError* heldOutput = nullptr;  // what the libraries under the toolkit wrote themselves

// Why the toolkit could not start: the display it could not reach, or else the last warning it
// gave before its fatal message (its debug lines say nothing of the cause), or else that message.
QString whyNoStart(const QString& fatal) {
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(holding);
        held = heldBack;
    }
    static const QString noDisplay = QStringLiteral("could not connect to display");
    for (const HeldMessage& m : held) {
        if (m.category != "qt.qpa.xcb" || !m.text.startsWith(noDisplay))
            continue;
        std::string why = !m.text.mid(noDisplay.size()).trimmed().isEmpty() ? m.text.toStdString()
                          : qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                              ? translated(TARVO_TEXT("Errors", "DISPLAY and WAYLAND_DISPLAY are not set"))
                              : translated(TARVO_TEXT("Errors", "DISPLAY is not set"));
        // Wayland's client says why it found no compositor, as "error: XDG_RUNTIME_DIR is ...".
        const QString wayland = QString::fromStdString(heldOutput ? heldOutput->drop() : "").trimmed();
        if (!wayland.isEmpty())
            why += "; " + wayland.section('\n', -1).remove(QRegularExpression("^error: ")).toStdString();
        return QString::fromStdString(
            translated(TARVO_TEXT("Errors", "no display to open the window on (%1)"), {why}));
    }
    const auto warning = std::find_if(held.rbegin(), held.rend(), [](const HeldMessage& m) {
        return m.type == QtWarningMsg || m.type == QtCriticalMsg;
    });
    const QString cause = warning != held.rend() ? warning->text : fatal.section('\n', 0, 0);
    return QString::fromStdString(
        translated(TARVO_TEXT("Errors", "the toolkit could not start (%1)"), {cause.toStdString()}));
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        const std::lock_guard lock(holding);
        heldBack.push_back({type, context.category, context.file, context.function, context.line, message});
        return;
    }
    const QString why = whyNoStart(message);
    if (heldOutput)
        heldOutput->drop();
    std::fprintf(stderr, "tarvo: %s\n", qPrintable(why));
    std::_Exit(1);
}

// Sees each event before any filter does, the screen reader's bridge's included, and notes
// each key the window system sends, with when it moved and when the program was given it.
class ToolkitApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        if (key && event->spontaneous() && receiver->isWindowType()) {
            KeyMove move = keyMoveOf(static_cast<const QKeyEvent*>(event));
            move.arrived = monotonicMilliseconds();
            keys.sent(move);
        }
        return QApplication::notify(receiver, event);
    }
    KeyArrivals keys;
};

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv) {
    // Where the user asked the toolkit to abort on a message, it prints each as it comes.
    const bool holds =
        qEnvironmentVariableIsEmpty("QT_FATAL_WARNINGS") && qEnvironmentVariableIsEmpty("QT_FATAL_CRITICALS");
    const QtMessageHandler previous = holds ? qInstallMessageHandler(holdBack) : nullptr;
    std::unique_ptr<QApplication> app;
    if (!holds)
        return std::make_unique<ToolkitApplication>(argc, argv);
    {
        HeldStandardError output;  // given back when the toolkit has started
        heldOutput = &output;
        app = std::make_unique<ToolkitApplication>(argc, argv);
        heldOutput = nullptr;
    }
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
    // Text that names no font is drawn in one the program depends on, not in whatever the machine
    // calls sans serif: wider on another, the rules no longer fit their window.
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("DejaVu Sans"));
    QApplication::setFont(font);
    // The program ends through End only: re-creating a window must never quit it.
    QApplication::setQuitOnLastWindowClosed(false);
    FormVariable::handKeyArrivals(&static_cast<ToolkitApplication&>(*app_).keys);
}

Application::~Application() {
    FormVariable::unloadAll();
    FormVariable::handKeyArrivals(nullptr);
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
