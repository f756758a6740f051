// SPDX-License-Identifier: MIT
#pragma once

#include "game/module1.h"

#include <string>
#include <string_view>

namespace tarvo {

class BoardWindow;

// The game in words for a screen reader: what Show, the endings and the keys say. Each reads the
// board and changes nothing.

// "Row 1, position 2, empty" or "Row 1, position 2: 5".
std::string slotInWords(BoardWindow& board, int row, int position);

// The time the clock box shows, as "1 minute 54 seconds left".
std::string timeInWords(std::string_view clockText);

// "Row 1, position 2 is empty.": Show found nothing there.
std::string incompleteInWords(int row, int position);

// "Row 1: 1 1 2 2. 1 in place, 1 out of place."
std::string scoreInWords(int row, const ByPosition<Byte>& guess, int inPlace, int outOfPlace);

// "You Won ! The code was 3 6 1 2."
std::string endingInWords(std::string_view message, const ByPosition<Byte>& code);

}  // namespace tarvo
