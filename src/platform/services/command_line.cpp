// SPDX-License-Identifier: MIT
#include "platform/services/command_line.h"

#include "platform/services/application.h"
#include "platform/services/translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <utility>

namespace tarvo::platform {

namespace {

using Value = ToolkitOption::Value;

// Exactly those that Qt 6.4 takes out of argv on the X11 platform (QCoreApplication,
// QGuiApplication, QApplication and the xcb plugin); check_command_line.sh checks each against
// Qt itself. -platform=NAME, for one, is not among them: Qt would leave it alone.
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", Value::NextWord},
    {"platformpluginpath", Value::NextWord},
    {"platformtheme", Value::NextWord},
    {"plugin", Value::NextWord},
    {"qwindowgeometry", Value::NextWord},
    {"geometry", Value::NextWord},
    {"qwindowtitle", Value::NextWord},
    {"title", Value::NextWord},
    {"qwindowicon", Value::NextWord},
    {"icon", Value::NextWord},
    {"session", Value::NextWord},
    {"display", Value::NextWord},
    {"name", Value::NextWord},
    {"visual", Value::NextWord},
    {"style", Value::NextWordOrEquals},
    {"stylesheet", Value::NextWordOrEquals},
    {"qmljsdebugger", Value::NextWordOrEquals},
    {"reverse", Value::None},
    {"testability", Value::None},
    {"widgetcount", Value::None},
    {"nograb", Value::None},
    {"dograb", Value::None},
    {"qdevel", Value::None},
    {"qdebug", Value::None},
};

// The toolkit's option that the word is, with whether its value is in the word ("-style=x").
std::optional<std::pair<ToolkitOption, bool>> toolkitOptionIn(QString word) {
    if (word.startsWith(QStringLiteral("--")))
        word.remove(0, 1);
    if (!word.startsWith('-'))
        return std::nullopt;
    const qsizetype equals = word.indexOf('=');
    const QString name = word.mid(1, equals < 0 ? -1 : equals - 1);
    for (const ToolkitOption& option : kToolkitOptions)
        if (name == QLatin1StringView(option.name.data(), qsizetype(option.name.size())) &&
            (equals < 0 || option.value == Value::NextWordOrEquals))
            return std::pair{option, equals >= 0};
    return std::nullopt;
}

// The arguments less the toolkit's options and their values; error says what is wrong with one.
QStringList withoutToolkitOptions(const QStringList& arguments, QString& error) {
    QStringList ours{arguments.first()};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const auto toolkit = toolkitOptionIn(arguments[i]);
        if (!toolkit)
            ours << arguments[i];
        else if (toolkit->first.value != Value::None && !toolkit->second && ++i == arguments.size())
            error = QString::fromStdString(translated(TARVO_TEXT("Command line", "Missing value after '%1'."),
                                                      {arguments.back().toStdString()}));
    }
    return ours;
}

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to);
}

}  // namespace

std::span<const ToolkitOption> toolkitOptions() { return kToolkitOptions; }

std::optional<int> readCommandLine(int argc, const char* const* argv, Text whatItIs) {
    // The parser's own words ("Usage:", "Unknown option") are the toolkit's, which it translates
    // only while an application object exists; the game's own needs a display, so not yet.
    int coreArgc = 1;
    char name[] = "tarvo";
    char* coreArgv[] = {name, nullptr};
    std::optional<QCoreApplication> core;
    if (!QCoreApplication::instance())
        core.emplace(coreArgc, coreArgv);
    useDesktopLanguage();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty())
        arguments << QStringLiteral("tarvo");

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // -version, as -style
    parser.setApplicationDescription(QString::fromStdString(translated(whatItIs)));
    const QCommandLineOption help(
        {"h", "help"},
        QString::fromStdString(translated(TARVO_TEXT("Command line", "Show this help and exit."))));
    const QCommandLineOption version(
        {"v", "version"},
        QString::fromStdString(translated(TARVO_TEXT("Command line", "Show the version and exit."))));
    parser.addOption(help);
    parser.addOption(version);
    // Without an application object the parser cannot know the program's name.
    const QString usage =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tarvo")) +
        QString::fromStdString(
            translated(TARVO_TEXT("Command line",
                                  "\nThe toolkit's own options, such as -platform NAME and "
                                  "-style NAME, are accepted too.\n")));
    QString error;
    const QStringList ours = withoutToolkitOptions(arguments, error);
    if (error.isEmpty() && !parser.parse(ours))
        error = parser.errorText();
    else if (error.isEmpty() && !parser.positionalArguments().isEmpty())
        error = QString::fromStdString(translated(TARVO_TEXT("Command line", "Unexpected argument '%1'."),
                                                  {parser.positionalArguments().constFirst().toStdString()}));
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("tarvo: %1\n").arg(error) + usage);
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QString::fromUtf8(applicationTitle()) + QStringLiteral(" " TARVO_VERSION_TEXT "\n"));
        return 0;
    }
    return std::nullopt;
}

}  // namespace tarvo::platform
