// SPDX-License-Identifier: MIT
#include "control/start_up.h"
#include "platform/services/application.h"
#include "platform/services/command_line.h"

int main(int argc, char** argv) {
    if (const auto status = tarvo::platform::readCommandLine(
            argc, argv,
            TARVO_TEXT(
                "Command line",
                "A code-breaking game: find the hidden four-digit code in six tries, against the clock.")))
        return *status;
    tarvo::platform::Application app(argc, argv);
    return app.run(tarvo::startUp);
}
