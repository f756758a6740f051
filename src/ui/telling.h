// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo {

class BoardWindow;

// What the board tells a player who hears it, or reads it on a braille display: the game's news
// and the keys' answers as messages, and the board at rest between them.

// The board's listener from now on: Show's scores and the endings, put into words.
void listenForTheBoard();

// Brings the board at rest up to date after anything that changed it.
void showTheBoardAtRest(BoardWindow& board);

}  // namespace tarvo
