// SPDX-License-Identifier: MIT
#pragma once

#include "game/module1.h"

#include <string_view>

namespace tarvo {

// What Show and the endings report as a game goes on, for a player who hears the game rather
// than sees it. The board window puts the reports into words.

// Show found the active row's slot at this position empty and scored nothing.
void rowIncomplete(int row, int position);

// Show scored the row and closed it; the next row is open unless that was the last.
void rowScored(int row, const ByPosition<Byte>& guess, int inPlace, int outOfPlace);

// The game ended with this message; the code is on the board.
void gameEnded(std::string_view message, const ByPosition<Byte>& code);

}  // namespace tarvo
