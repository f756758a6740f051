// SPDX-License-Identifier: MIT
#include "ui/how_to_play.h"

#include "control/clock.h"
#include "control/levels.h"
#include "platform/services/translation.h"
#include "ui/over_board.h"

#include <algorithm>
#include <string>

namespace tarvo {

using namespace platform;

namespace {

// A paragraph a text, for the translators; the window shows them one under another.
constexpr Text kRules[] = {
    TARVO_TEXT("Rules",
               "Find the hidden code: four digits, each from 1 to 6; a digit may come more than once."),
    TARVO_TEXT("Rules",
               "Drag a digit tile from the bottom right onto a slot of the current row, or click the tile "
               "and then the slot. A clicked tile stays picked for the next slot until you click it again, "
               "click elsewhere or press Escape. When the row is full, press Show."),
    TARVO_TEXT("Rules",
               "Show scores the row: a black peg for each right digit in its right place, a white peg "
               "for each right digit in another place."),
    TARVO_TEXT("Rules",
               "You have six tries. You win when a row scores four black pegs, and lose when the sixth row "
               "does not or the clock reaches 0:00. The clock runs from the start of the game: %1 on Easy, "
               "%2 on Normal, %3 on Hard; it stands still while you read these rules."),
    TARVO_TEXT("Rules",
               "Keys: 1 to 6 put a digit where the cursor stands; Left, Right, Home and End move it; "
               "Return acts as Show; Up and Down move between the rows played. With a screen reader, T "
               "tells the time left."),
};

// The time each level allows, as the clock box shows it when a game starts.
std::string allowedTime(MenuItem BoardWindow::*level) {
    const auto found =
        std::find_if(kLevels.begin(), kLevels.end(), [&](const Level& l) { return l.item == level; });
    return clockText(found->minutes, found->seconds);
}

std::string rules() {
    const std::string easy = allowedTime(&BoardWindow::eEasy), normal = allowedTime(&BoardWindow::nNormal),
                      hard = allowedTime(&BoardWindow::hHard);
    std::string text;
    for (const Text& paragraph : kRules)  // only the clock's paragraph has places for the times
        text += (text.empty() ? "" : "\n\n") + translated(paragraph, {easy, normal, hard});
    return text;
}

}  // namespace

RulesWindow::RulesWindow()
    : Form(formOverBoard("Form3", translated(TARVO_TEXT("Rules", "How to play")), 6480, 5640)) {
    const std::string text = rules();
    addLabel({.name = "Label1",
              .rect = {240, 240, 6000, 4680},
              .caption = text,
              .wordWrap = true,
              .accessible = {.stateSpoken = false}});
    // The button has the focus when the window opens: a screen reader reads the rules with it.
    Command1 = addCommandButton({.name = "Command1",
                                 .rect = {2512, 5100, 1455, 375},
                                 .caption = translated(TARVO_TEXT("About", "OK")),
                                 .look = {.mousePointer = MousePointer::PointingHand},
                                 .accessible = {.description = text}});
    Command1.onClick(Form3_Command1_Click);
    onClose(Form3_Command1_Click);
}

void hHowToPlay_Click() {
    pauseClock();
    openOverBoard(Form3);
}

void Form3_Command1_Click() {
    closeOverBoard(Form3);
    resumeClock();
}

}  // namespace tarvo
