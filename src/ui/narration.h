// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace tarvo {

class BoardWindow;

// The game in words for a screen reader. Show, the endings and the keys all speak through here.

// "Row 1, position 2, empty" or "Row 1, position 2: 5".
std::string slotInWords(BoardWindow& board, int row, int position);

// The time the clock box shows, as "1 minute 54 seconds left".
std::string timeInWords(std::string_view clockText);

}  // namespace tarvo
