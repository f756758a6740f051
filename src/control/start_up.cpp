// SPDX-License-Identifier: MIT
#include "control/start_up.h"

#include "control/levels.h"
#include "game/module1.h"
#include "platform/services/application.h"
#include "platform/services/conversions.h"
#include "platform/services/random_numbers.h"
#include "platform/services/time_of_day.h"
#include "windows/board_window.h"

#include <cmath>

namespace tarvo {

using namespace platform;

void startUp() {
    Form1.load();
    Form1.show();
}

void Form_Load() {
    Module1.CurrentRow = 1;
    Module1.InPlaceCount = 0;
    Module1.OutOfPlaceCount = 0;
    for (int k = 1; k <= 4; ++k)
        Module1.ExactMark(k) = kFalse;

    // Reseeding before every draw keeps the four digits independent of the generator's start.
    for (int k = 1; k <= 4; ++k) {
        reseedRandomNumbers();
        Module1.SecretCode(k) = toByte(std::floor(randomNumber() * 6 + 1));
    }
    reseedRandomNumbers();

    for (const Level& level : kLevels)
        (Form1().*level.item).setChecked(&level == &kNormal);

    Module1.MinuteBorrows = 0;
    Module1.ClockMinutes = kNormal.minutes;
    Module1.ClockSeconds = kNormal.seconds;

    Module1.NextTickSecond = Integer(secondOfMinute() + 1);
    if (Module1.NextTickSecond > 59)
        Module1.NextTickSecond = 0;

    showStartingTime();
}

void showStartingTime() {
    Form1().Text1.setText(decimalText(Module1.ClockMinutes) + ":" + decimalText(Module1.ClockSeconds));
}

void restartGame() {
    Form1.unload();
    Form1.load();
    Form1.show();
}

void nNew_Click() { restartGame(); }

void eExit_Click() { endProgram(); }

}  // namespace tarvo
