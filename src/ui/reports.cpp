// SPDX-License-Identifier: MIT
// What the board does with the game's reports: it tells them, and keeps the keyboard's cursor
// and the rows to review in step with the game.
#include "game/reports.h"

#include "ui/narration.h"
#include "windows/board_window.h"

namespace tarvo {

void rowIncomplete(int row, int position) { Form1().announce(incompleteInWords(row, position)); }

void rowScored(int row, const ByPosition<Byte>& guess, int inPlace, int outOfPlace) {
    BoardWindow& board = Form1();
    const std::string words = scoreInWords(row, guess, inPlace, outOfPlace);
    board.keepScoreInWords(row, words);
    if (!board.Command1.isEnabled())
        return;  // the ending has been told, and the code with it
    board.placeCursor(row + 1, 1, board.cursor().shown);
    board.announce(words);
}

void gameEnded(std::string_view message, const ByPosition<Byte>& code) {
    BoardWindow& board = Form1();
    board.endInput();
    board.announce(endingInWords(message, code));
}

}  // namespace tarvo
