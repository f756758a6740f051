// SPDX-License-Identifier: MIT
#pragma once

#include "game/module1.h"
#include "windows/board_window.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

// The game in words for a player who hears the board or reads it on a braille display: what Show,
// the endings and the keys tell, and the board at rest. Each reads the board and changes nothing.
// In English every message fits the 40 cells of a common display, and the counts come first.

// "Row 1, position 2, empty" or "Row 1, position 2: 5".
std::string slotInWords(BoardWindow& board, int row, int position);

// The time the clock box shows, as "1 minute 54 seconds left".
std::string timeInWords(std::string_view clockText);

// "Row 1, position 2 is empty.": Show found nothing there.
std::string incompleteInWords(int row, int position);

// "Row 1: 1 1 2 2. 1 in place, 1 elsewhere."
std::string scoreInWords(int row, const BoardWindow::Score& score);

// "You Won ! The code was 3 6 1 2."
std::string endingInWords(std::string_view message, const ByPosition<Byte>& code);

// The board between messages: the row under the keys' cursor as it stands, "Row 2: 1 3 _ _", or
// a scored row's guess and score, with the cursor at the byte that starts its slot; after the
// ending, the ending and the code.
struct AtRest {
    std::string text;
    std::size_t caret = 0;
};
AtRest boardAtRest(BoardWindow& board);

}  // namespace tarvo
