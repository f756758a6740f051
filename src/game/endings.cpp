// SPDX-License-Identifier: MIT
#include "game/endings.h"

#include "game/module1.h"
#include "game/reports.h"
#include "platform/services/conversions.h"
#include "platform/services/translation.h"
#include "windows/board_window.h"

#include <string>

namespace tarvo {

namespace {

constexpr platform::Text kWon = TARVO_TEXT("Board", "You Won !");
constexpr platform::Text kLost = TARVO_TEXT("Board", "You Lost !");

void revealCode() {
    for (int k = 1; k <= 4; ++k)
        Form1().codeLabel(k).setCaption(platform::decimalText(Module1.SecretCode(k)));
}

void disableTiles() {
    for (int digit = 1; digit <= 6; ++digit)
        Form1().tile(digit).setEnabled(false);
}

// The end of a game on the board: message, code, then "Show", the clock and the tiles frozen.
void endOnTheBoard(platform::Text ending) {
    const std::string message = platform::translated(ending);
    Form1().Label35.setCaption(message);
    revealCode();
    Form1().Command1.setEnabled(false);
    Form1().Timer1.setEnabled(false);
    Form1().Text1.setEnabled(false);
    disableTiles();
    gameEnded(message, Module1.SecretCode);
}

}  // namespace

void winSequence() { endOnTheBoard(kWon); }

void lossTestAfterSixthRow() {
    if (Form1().Label35.caption().empty())
        endOnTheBoard(kLost);
}

void lossOnTimeSequence() {
    Form1().Text1.setEnabled(false);
    Form1().Timer1.setEnabled(false);
    revealCode();
    const std::string message = platform::translated(kLost);
    Form1().Label35.setCaption(message);
    Form1().Command1.setEnabled(false);
    disableTiles();
    gameEnded(message, Module1.SecretCode);
}

}  // namespace tarvo
