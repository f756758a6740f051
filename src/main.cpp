// SPDX-License-Identifier: MIT
#include "control/start_up.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    tarvo::platform::Application app(argc, argv);
    return app.run(tarvo::startUp);
}
