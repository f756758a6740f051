// SPDX-License-Identifier: MIT
// The program's table of the toolkit's options, checked against the toolkit itself.
// "toolkit_options": one line an option and form, the words that give it a value.
// "toolkit_options WORDS...": starts the toolkit with those words and prints each it left.
#include "platform/services/command_line.h"

#include <QApplication>

#include <cstdio>
#include <map>
#include <string>

int main(int argc, char** argv) {
    using Value = tarvo::platform::ToolkitOption::Value;
    if (argc > 1) {
        const std::string display = qEnvironmentVariable("DISPLAY").toStdString();
        for (int i = 1; i < argc; ++i)
            if (std::string_view(argv[i]) == "@DISPLAY")
                argv[i] = const_cast<char*>(display.c_str());
        QApplication app(argc, argv);
        for (int i = 1; i < argc; ++i)
            std::printf("%s\n", argv[i]);
        return 0;
    }
    // Values that the toolkit takes without failing to start; "@DISPLAY" is the display's name.
    const std::map<std::string_view, std::string> values{
        {"platform", "xcb"},
        {"platformpluginpath", "/nonexistent"},
        {"platformtheme", "none"},
        {"plugin", "none"},
        {"qwindowgeometry", "200x100+10+10"},
        {"geometry", "200x100+10+10"},
        {"qwindowtitle", "Title"},
        {"title", "Title"},
        {"qwindowicon", "x.png"},
        {"icon", "x.png"},
        {"session", "id"},
        {"display", "@DISPLAY"},
        {"name", "tarvo"},
        {"visual", "33"},
        {"style", "fusion"},
        {"stylesheet", "none.qss"},
        {"qmljsdebugger", "port:1"},
    };
    for (const auto& option : tarvo::platform::toolkitOptions()) {
        const std::string name(option.name);
        if (option.value == Value::None) {
            std::printf("-%s\n--%s\n", name.c_str(), name.c_str());
            continue;
        }
        const std::string& value = values.at(option.name);
        std::printf("-%s %s\n--%s %s\n", name.c_str(), value.c_str(), name.c_str(), value.c_str());
        if (option.value == Value::NextWordOrEquals)
            std::printf("-%s=%s\n", name.c_str(), value.c_str());
    }
    return 0;
}
