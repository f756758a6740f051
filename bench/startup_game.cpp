// SPDX-License-Identifier: MIT
// The game's start, exactly as main() does it, with the first-frame probe.
#include "control/start_up.h"
#include "first_frame.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    tarvo::platform::Application app(argc, argv);
    FirstFrame probe;
    return app.run(tarvo::startUp);
}
