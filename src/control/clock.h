// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvo {

// The remaining time as the clock box shows it while counting: 2:45, 1:05, 0:00. Seconds
// below 10 get a leading "0"; minutes never do.
std::string clockText(int minutes, int seconds);

// Whether the second the countdown waits for has come or has already gone by. The awaited
// second is never more than two seconds ahead (a level choice waits for the second after
// next), so any other distance means it was missed.
bool stepIsDue(int second, int awaitedSecond);

// Every tick shows the remaining time; once per second of the time of day it takes a second
// off, borrows a minute where the level allows, and ends the game when the time runs out.
void Timer1_Timer();

// Reading the rules costs no time, and shows nothing of the game: the clock stands still and the
// board's face covers its controls until the rules close; then the clock goes on from the time it
// showed at the next second of the time of day, as it steps. The clock of a game that has ended
// stays stopped.
void pauseClock();
void resumeClock();

// The clock box shows the clock, whatever the player types into it: a tick at once, as the
// timer's next would.
void Text1_Change();

}  // namespace tarvo
