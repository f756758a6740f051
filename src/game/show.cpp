// SPDX-License-Identifier: MIT
#include "game/show.h"

#include "game/endings.h"
#include "game/listener.h"
#include "game/module1.h"
#include "game/pegs.h"
#include "game/scoring.h"
#include "platform/services/conversions.h"
#include "windows/board_window.h"

#include <string>

namespace tarvo {

namespace {

constexpr int kLastRow = 6;

void resetScoring() {
    Module1.InPlaceCount = 0;
    Module1.OutOfPlaceCount = 0;
    Module1.PairFound = 0;
    for (int k = 1; k <= 4; ++k) {
        Module1.CodeFree(k) = kTrue;
        Module1.ExactMark(k) = kFalse;
    }
}

void setRowEnabled(int row, bool enabled) {
    for (int k = 1; k <= 4; ++k)
        Form1().slot(row, k).setEnabled(enabled);
}

// The row's guess and score, as the keys review it and a player who hears the board is told.
BoardWindow::Score scoreShown() {
    BoardWindow::Score score{.inPlace = Module1.InPlaceCount, .outOfPlace = Module1.OutOfPlaceCount};
    for (int k = 1; k <= 4; ++k)
        score.guess[std::size_t(k - 1)] = Module1.GuessDigits(k);
    return score;
}

}  // namespace

void Command1_Click() {
    const Byte r = Module1.CurrentRow;
    if (r < 1 || r > kLastRow)
        return;

    resetScoring();

    ByPosition<std::string> captions;
    for (int k = 1; k <= 4; ++k) {
        captions(k) = Form1().slot(r, k).caption();
        if (captions(k).empty()) {
            gameListener().rowIncomplete(r, k);  // not an error: nothing on the board changes
            return;
        }
    }

    ByPosition<double> values;
    for (int k = 1; k <= 4; ++k) {
        values(k) = platform::numericValue(captions(k));
        Module1.GuessDigits(k) = platform::toByte(values(k));
    }

    scoreGuess(Module1, values);

    ShowPegs(r, Module1.InPlaceCount, Module1.OutOfPlaceCount);
    const BoardWindow::Score score = scoreShown();
    Form1().keepScore(r, score);
    if (Module1.InPlaceCount == 4)
        winSequence();

    if (r < kLastRow) {  // after a win too: the tiles are frozen, so the open row takes nothing
        Module1.CurrentRow = Byte(r + 1);
        setRowEnabled(r, false);
        setRowEnabled(r + 1, true);
    } else {
        setRowEnabled(r, false);
        lossTestAfterSixthRow();
    }

    if (Form1().Command1.isEnabled()) {  // the game goes on; an ending has told the code already
        Form1().placeCursor(r + 1, 1, Form1().cursor().shown);
        gameListener().rowScored(r, score);
    }
}

}  // namespace tarvo
