// SPDX-License-Identifier: MIT
#pragma once

#include "game/module1.h"
#include "windows/board_window.h"

#include <array>

namespace tarvo {

// A level differs from the others only in the time it allows.
struct Level {
    platform::MenuItem BoardWindow::*item;  // the Level menu item whose check mark is the level
    Integer minutes;
    Integer seconds;
    bool borrowsMinutes;  // a level with minutes to spare takes one when the seconds run out
};

// In menu order, which is also the order in which every tick of the clock reads them.
inline const std::array<Level, 3> kLevels{{
    {&BoardWindow::hHard, 0, 55, false},
    {&BoardWindow::nNormal, 2, 45, true},
    {&BoardWindow::eEasy, 4, 55, true},
}};

// The level of every start and of File > New.
inline const Level& kNormal = kLevels[1];

// Each starts a new game at its level, also when it is the level already checked.
void hHard_Click();
void nNormal_Click();
void eEasy_Click();

}  // namespace tarvo
