// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/form_variable.h"

#include <array>
#include <optional>

namespace tarvo {

// The board window Form1: code reveal, six rows of slots and pegs, the digit tiles, the clock
// box, "Show", the message and the menus. Rows run 1..6 from the top, positions 1..4 from the left.
class BoardWindow final : public platform::Form {
public:
    BoardWindow();  // lays the window out and binds its handlers

    platform::Label& codeLabel(int position);      // Label1..Label4
    platform::Label& rowNumber(int row);           // Label5..Label10
    platform::Label& slot(int row, int position);  // Label11..Label34
    platform::Image& peg(int row, int position);   // Image1..Image24
    platform::Label& tile(int digit);              // Label59..Label64, the tiles "1".."6"

    // Where a slot stands on the board; row 0 for a label that is no slot.
    struct Place {
        int row = 0;
        int position = 0;
    };
    Place placeOf(const platform::Label& slot) const;

    platform::Label Label35;  // the message
    platform::CommandButton Command1;
    platform::TextBox Text1;  // the clock
    platform::Timer Timer1;

    platform::MenuItem fFile, nNew, eExit;
    platform::MenuItem lLevel, hHard, nNormal, eEasy;
    platform::MenuItem hHelp, hHowToPlay, aAbout;

    // Where the keys act: a slot of the active row, where typed digits go, or of a scored row
    // under review. It shows from the first key a player uses in a game until the game ends.
    struct Cursor {
        int row = 1;
        int position = 1;
        bool shown = false;
    };
    const Cursor& cursor() const { return cursor_; }
    // Puts the cursor on a slot, of the active row or of a row under review; the slot shows it
    // while the cursor shows.
    void placeCursor(int row, int position, bool shown);

    // The tile a click picked up, to be put on the next slot clicked; 0 for none.
    int picked() const { return picked_; }
    void pickUp(int digit);  // 0 puts it down; a tile that is off is never picked up

    // A scored row as the keys review it: the guess that Show took, and its score.
    struct Score {
        std::array<int, 4> guess{};  // positions 1..4
        int inPlace = 0;
        int outOfPlace = 0;
    };
    // None for a row not scored yet in this game.
    const std::optional<Score>& score(int row) const;
    void keepScore(int row, const Score& score);
    int rowsScored() const;

    // The game has ended: the cursor hides and a picked tile is put down.
    void endInput();

private:
    Cursor cursor_;
    int picked_ = 0;
    std::array<std::optional<Score>, 6> scores_;
    std::array<platform::Label, 4> codeLabels_;
    std::array<platform::Label, 6> rowNumbers_;
    std::array<platform::Label, 24> slots_;
    std::array<platform::Image, 24> pegs_;
    std::array<platform::Label, 6> tiles_;
};

// The live board window; a handler reaches it anew after every restart.
inline platform::FormInstance<BoardWindow> Form1;

}  // namespace tarvo
