// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

#include "platform/application.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace tarvo::platform {

namespace {

// The options that the toolkit reads for itself when it starts: accepted and left alone.
constexpr const char* kToolkitOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "geometry",
    "name",
    "title",
    "visual",
    "style",
    "stylesheet",
    "qmljsdebugger",
    "fontengine",
    "dialogs",
};
constexpr const char* kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to);
}

}  // namespace

std::optional<int> readCommandLine(int argc, const char* const* argv, std::string_view whatItIs) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty())
        arguments << QStringLiteral("tarvo");

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // -platform, -style
    parser.setApplicationDescription(QString::fromUtf8(whatItIs.data(), qsizetype(whatItIs.size())));
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({"v", "version"}, QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // Without an application object the parser cannot know the program's name.
    const QString usage =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tarvo")) +
        QStringLiteral(
            "\nThe toolkit's own options, such as -platform NAME and -style NAME, "
            "are accepted too.\n");
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
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
