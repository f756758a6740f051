// SPDX-License-Identifier: MIT
// The states of the board a player meets, each from a fresh start with a known code and a clock
// that moves only when told: shared by the picture tests and the screenshots.
#pragma once

#include "support/board.h"

#include <QString>

namespace tarvo::testing {

enum class Scene {
    Fresh,           // nothing played yet
    InProgress,      // three rows scored, the fourth half filled; every digit on the board
    Won,             // won on the third row
    LostOnSixthRow,  // six rows without a win
    LostOnTime,      // the clock ran out during the second row
    About,           // the About window over a game in progress
    HowToPlay,       // the How to play window over a game in progress
    TilePicked,      // a game in progress, the keys' cursor on a slot and the tile 3 picked up by a click
    ReviewingRows,   // three rows scored, the keys' cursor gone up to review the second
};

// A name for a scene, for test rows and file names: "in-progress", "lost-on-time", ...
QString sceneName(Scene scene);

// Starts a game with the scene's code and plays it into the scene.
void playInto(FixedGame& game, Scene scene);

// Runs the clock a second at a time, as the time of day would, for the given seconds or until
// it stops.
void runClock(FixedGame& game, int seconds);

}  // namespace tarvo::testing
