// SPDX-License-Identifier: MIT
#pragma once

#include "game/module1.h"
#include "windows/board_window.h"

#include <string_view>

namespace tarvo {

// What happens in a game that a player who hears the board, or reads it by touch, is told: the
// game says it here, and the board installs the listener that puts it into words.
class GameListener {
public:
    // Show found the active row's slot at this position empty and scored nothing.
    virtual void rowIncomplete(int row, int position) = 0;
    // Show scored the row, and the game goes on at the next row.
    virtual void rowScored(int row, const BoardWindow::Score& score) = 0;
    // The game ended with this message; the code is on the board.
    virtual void gameEnded(std::string_view message, const ByPosition<Byte>& code) = 0;

protected:
    ~GameListener() = default;
};

// Who hears the game from now on; nullptr: nobody.
void listenToTheGame(GameListener* listener);

// The listener installed, or one that hears nothing.
GameListener& gameListener();

}  // namespace tarvo
