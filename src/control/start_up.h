// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo {

// The program's start: load the board window, which runs Form_Load, then show it.
void startUp();

// Sets up a game on the freshly loaded board window.
void Form_Load();

// Writes the clock variables into the clock box as a new game shows them: 2:45, 4:55, 0:55.
void showStartingTime();

// Unloads the board window, loads it again and shows it; later steps of the calling handler
// act on the new window.
void restartGame();

void nNew_Click();
void eExit_Click();

}  // namespace tarvo
