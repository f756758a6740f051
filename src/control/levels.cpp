// SPDX-License-Identifier: MIT
#include "control/levels.h"

#include "control/start_up.h"
#include "platform/services/time_of_day.h"

namespace tarvo {

namespace {

void chooseLevel(const Level& chosen) {
    restartGame();

    for (const Level& level : kLevels)
        (Form1().*level.item).setChecked(&level == &chosen);

    Module1.ClockMinutes = chosen.minutes;
    Module1.ClockSeconds = chosen.seconds;

    // The first step comes one to two seconds after the choice.
    Module1.NextTickSecond = Integer(platform::secondOfMinute() + 2);
    if (Module1.NextTickSecond > 59)
        Module1.NextTickSecond = 0;

    Module1.MinuteBorrows = 0;

    showStartingTime();
}

}  // namespace

void hHard_Click() { chooseLevel(kLevels[0]); }
void nNormal_Click() { chooseLevel(kNormal); }
void eEasy_Click() { chooseLevel(kLevels[2]); }

}  // namespace tarvo
