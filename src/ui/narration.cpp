// SPDX-License-Identifier: MIT
#include "ui/narration.h"

#include "game/reports.h"
#include "platform/conversions.h"
#include "ui/board_window.h"

namespace tarvo {

namespace {

std::string digitsInWords(const ByPosition<Byte>& digits) {
    std::string words;
    for (int k = 1; k <= 4; ++k)
        words += (k > 1 ? " " : "") + platform::decimalText(digits(k));
    return words;
}

std::string countOf(int count, const char* unit) {
    return platform::decimalText(count) + " " + unit + (count == 1 ? "" : "s");
}

std::string rowName(int row) { return "Row " + platform::decimalText(row); }

}  // namespace

std::string slotInWords(BoardWindow& board, int row, int position) {
    const std::string digit = board.slot(row, position).caption();
    const std::string name = rowName(row) + ", position " + platform::decimalText(position);
    return digit.empty() ? name + ", empty" : name + ": " + digit;
}

std::string timeInWords(std::string_view clockText) {
    const std::size_t colon = clockText.find(':');
    const int minutes = int(platform::numericValue(clockText.substr(0, colon)));
    const int seconds =
        colon == std::string_view::npos ? 0 : int(platform::numericValue(clockText.substr(colon + 1)));
    if (minutes == 0)
        return countOf(seconds, "second") + " left";
    return countOf(minutes, "minute") + (seconds ? " " + countOf(seconds, "second") : "") + " left";
}

void rowIncomplete(int row, int position) {
    Form1().announce(rowName(row) + ", position " + platform::decimalText(position) + " is empty.");
}

void rowScored(int row, const ByPosition<Byte>& guess, int inPlace, int outOfPlace) {
    BoardWindow& board = Form1();
    const std::string words = rowName(row) + ": " + digitsInWords(guess) + ". " +
                              platform::decimalText(inPlace) + " in place, " +
                              platform::decimalText(outOfPlace) + " out of place.";
    board.scoresInWords[std::size_t(row - 1)] = words;
    if (!board.Command1.isEnabled())
        return;  // the ending has been told, and the code with it
    board.cursor.row = row + 1;
    board.cursor.position = 1;
    board.markCursor();
    board.announce(words);
}

void gameEnded(std::string_view message, const ByPosition<Byte>& code) {
    BoardWindow& board = Form1();
    board.cursor.shown = false;
    board.markCursor();
    board.announce(std::string(message) + " The code was " + digitsInWords(code) + ".");
}

}  // namespace tarvo
