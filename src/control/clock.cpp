// SPDX-License-Identifier: MIT
#include "control/clock.h"

#include "control/levels.h"
#include "game/endings.h"
#include "platform/services/conversions.h"
#include "platform/services/time_of_day.h"

namespace tarvo {

std::string clockText(int minutes, int seconds) {
    return platform::decimalText(minutes) + (seconds >= 0 && seconds < 10 ? ":0" : ":") +
           platform::decimalText(seconds);
}

bool stepIsDue(int second, int awaitedSecond) {
    const int ahead = ((awaitedSecond - second) % 60 + 60) % 60;
    return ahead == 0 || ahead > 2;
}

namespace {

void runClock(const Level& level) {
    if (!(Form1().*level.item).isChecked())
        return;

    const int shownMinutes = level.borrowsMinutes ? Module1.ClockMinutes : 0;
    Form1().Text1.setText(clockText(shownMinutes, Module1.ClockSeconds));

    // One reading of the time decides the step and the second it waits for next: a second that
    // began between two readings would show the step a second late. A tick that comes late still
    // steps, once, rather than stalling for up to a minute.
    const int second = platform::secondOfMinute();
    if (!stepIsDue(second, Module1.NextTickSecond))
        return;

    Module1.ClockSeconds = Integer(Module1.ClockSeconds - 1);
    Module1.NextTickSecond = Integer(second + 1);
    if (Module1.NextTickSecond == 60)
        Module1.NextTickSecond = 0;

    if (Module1.ClockSeconds != -1)
        return;

    if (!level.borrowsMinutes || Module1.MinuteBorrows == level.minutes) {
        lossOnTimeSequence();
        return;
    }
    Module1.ClockSeconds = 59;
    Module1.ClockMinutes = Integer(Module1.ClockMinutes - 1);
    increment(Module1.MinuteBorrows);
}

}  // namespace

void Timer1_Timer() {
    for (const Level& level : kLevels)
        runClock(level);
}

void pauseClock() {
    Form1().Timer1.setEnabled(false);
    Form1().cover(true);
}

void resumeClock() {
    Form1().cover(false);
    if (!Form1().Command1.isEnabled())
        return;  // the game ended before the pause, and its clock with it
    Module1.NextTickSecond = Integer((platform::secondOfMinute() + 1) % 60);
    Form1().Timer1.setEnabled(true);
}

void Text1_Change() {
    if (Form1().Timer1.isEnabled())
        Timer1_Timer();
}

}  // namespace tarvo
