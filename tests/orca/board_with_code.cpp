// SPDX-License-Identifier: MIT
// The real program with a known code, 3612 in every game, for the test that plays it from
// outside by ear. "--seconds-left N" leaves N seconds on the clock of the first game.
#include "control/start_up.h"
#include "game/module1.h"
#include "platform/services/application.h"
#include "support/fakes.h"

#include <cstdlib>
#include <cstring>

namespace {

int secondsLeft = -1;

void startUp() {
    tarvo::startUp();
    if (secondsLeft >= 0) {
        tarvo::Module1.ClockMinutes = 0;
        tarvo::Module1.MinuteBorrows = 2;  // Normal's last minute
        tarvo::Module1.ClockSeconds = tarvo::Integer(secondsLeft);
    }
}

}  // namespace

int main(int argc, char** argv) {
    tarvo::platform::Application app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--seconds-left") == 0)
        secondsLeft = std::atoi(argv[2]);
    tarvo::testing::FixedDraws draws;
    for (int game = 0; game < 100; ++game)
        draws.queueCode("3612");
    return app.run(startUp);
}
