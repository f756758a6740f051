// SPDX-License-Identifier: MIT
#include "game/endings.h"

#include "game/listener.h"
#include "game/module1.h"
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

// The keys' cursor hides, a picked tile is put down, and the ending is told with the code.
void closeTheGame(const std::string& message) {
    Form1().endInput();
    gameListener().gameEnded(message, Module1.SecretCode);
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
    closeTheGame(message);
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
    closeTheGame(message);
}

}  // namespace tarvo
