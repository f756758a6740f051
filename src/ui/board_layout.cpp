// SPDX-License-Identifier: MIT
#include "ui/board_layout.h"

#include "platform/services/translation.h"

#include <array>
#include <string>

namespace tarvo::board_layout {

using namespace platform;

namespace {

constexpr Colour kLightGrey = 0x00C0C0C0;
constexpr Colour kBlue = 0x00C00000;
constexpr Colour kRed = 0x000000FF;

constexpr Font kArial12Bold{"Arial", 12, true};

// The grid: every cell is 375 x 375; rows 480 apart, slots and pegs 600 apart.
constexpr int kCell = 375;
constexpr int rowTop(int row) { return 1080 + 480 * (row - 1); }
constexpr int slotLeft(int position) { return 645 + 600 * (position - 1); }
constexpr int pegLeft(int position) { return 3705 + 600 * (position - 1); }

struct TilePlace {
    int left;
    int top;
};
// The tiles "1".."6": two rows of three at the bottom right, 255 x 255 each.
// clang-format off
constexpr std::array<TilePlace, 6> kTiles{{
    {5640, 5040}, {5880, 5040}, {6120, 5040},
    {5640, 5280}, {5880, 5280}, {6120, 5280},
}};
// clang-format on
constexpr int kTileSize = 255;

constexpr std::array<int, 4> kCodeLabelLefts{2100, 2700, 3300, 3900};

std::string numbered(const char* kind, int number) { return kind + std::to_string(number); }

// "Row 2, position 3" and the like: a text with a row and a position in it.
std::string rowAnd(Text text, int row, int position) {
    return translated(text, {std::to_string(row), std::to_string(position)});
}

}  // namespace

FormSpec form() {
    return {
        .name = "Form1",
        .caption = "Tarvo",
        .clientWidth = 6495,
        .clientHeight = 5655,
        .backColour = kLightGrey,
        .startUpPosition = StartUpPosition::CenterScreen,
        .icon = ":/tarvo",
        .font = {.points = 8},
        .minimizeButton = true,
    };
}

TwipsRect readingLine() {
    return {slotLeft(1), rowTop(1), slotLeft(4) + kCell - slotLeft(1), rowTop(6) + kCell - rowTop(1)};
}

LabelSpec codeLabel(int position) {
    return {
        .name = numbered("Label", position),
        .rect = {kCodeLabelLefts.at(std::size_t(position - 1)), 120, 495, 495},
        .look = {.font = {"Arial", 21.75, true},
                 .border = Border::FixedSingle,
                 .alignment = Alignment::Center},
        .accessible = {translated(TARVO_TEXT("Board", "Code, position %1"), {std::to_string(position)}),
                       translated(TARVO_TEXT("Board", "The hidden code, shown when the game ends"))},
    };
}

LabelSpec rowNumber(int row) {
    static constexpr std::array<std::string_view, 6> kCaptions{"1.", "2.", "3.", "4.", "5.", "6."};
    return {
        .name = numbered("Label", 4 + row),
        .rect = {135, rowTop(row), 255, kCell},
        .caption = std::string(kCaptions.at(std::size_t(row - 1))),
        .look = {.font = kArial12Bold, .backColour = kLightGrey, .alignment = Alignment::Center},
    };
}

LabelSpec slot(int row, int position) {
    return {
        .name = numbered("Label", 10 + 4 * (row - 1) + position),
        .rect = {slotLeft(position), rowTop(row), kCell, kCell},
        .look = {.font = kArial12Bold, .border = Border::FixedSingle, .alignment = Alignment::Center},
        .enabled = row == 1,
        .accessible = {rowAnd(TARVO_TEXT("Board", "Row %1, position %2"), row, position),
                       translated(TARVO_TEXT("Board", "Drop a digit tile here"))},
    };
}

ImageSpec peg(int row, int position) {
    return {
        .name = numbered("Image", 4 * (row - 1) + position),
        .rect = {pegLeft(position), rowTop(row), kCell, kCell},
        .stretch = true,
        .accessible = {rowAnd(TARVO_TEXT("Board", "Row %1, peg %2"), row, position),
                       translated(TARVO_TEXT("Board",
                                             "Black: a right digit in its right place. White: a right "
                                             "digit in another place."))},
    };
}

LabelSpec tile(int digit) {
    static constexpr std::array<std::string_view, 6> kDigits{"1", "2", "3", "4", "5", "6"};
    const TilePlace place = kTiles.at(std::size_t(digit - 1));
    const std::string_view text = kDigits.at(std::size_t(digit - 1));
    return {
        .name = numbered("Label", 58 + digit),
        .rect = {place.left, place.top, kTileSize, kTileSize},
        .caption = std::string(text),
        .look = {.border = Border::FixedSingle,
                 .alignment = Alignment::Center,
                 .mousePointer = MousePointer::PointingHand},
        .tag = text,
        .dragMode = DragMode::Automatic,
        .accessible = {.name = translated(TARVO_TEXT("Board", "Digit %1"), {text}),
                       .description =
                           translated(TARVO_TEXT("Board", "Drag it onto a slot of the current row")),
                       .stateSpoken = false},
    };
}

LabelSpec message() {
    return {
        .name = "Label35",
        .rect = {705, 3960, 5055, 975},
        .look = {.font = {"Arial", 44.25, true},
                 .backColour = kLightGrey,
                 .foreColour = kBlue,
                 .alignment = Alignment::Center},
        .accessible = {translated(TARVO_TEXT("Board", "Message")),
                       translated(TARVO_TEXT("Board", "Says whether you won or lost"))},
    };
}

CommandButtonSpec showButton() {
    return {
        .name = "Command1",
        .rect = {2640, 5160, 1215, 375},
        //: The button that scores the row just filled; the rules and the keys' help name it too,
        //: so a short verb that fits a button 1215 twips (about 81 pixels) wide.
        .caption = translated(TARVO_TEXT("Board", "Show")),
        .look = {.backColour = kSystemColour + 10, .mousePointer = MousePointer::PointingHand},
        .isDefault = true,  // the focus stays on the board's reading line, and Return presses it
        .accessible = {.description = translated(TARVO_TEXT("Board", "Scores the current row"))},
    };
}

TextBoxSpec clock() {
    return {
        .name = "Text1",
        .rect = {120, 5160, 1575, 375},
        .text = "time",
        .look = {.font = kArial12Bold,
                 .backColour = kRed,
                 .foreColour = kSystemWindowBackground,
                 .alignment = Alignment::Center},
        // Never the focus: a click on it leaves the keys to the board, and a screen reader would
        // read out every second while it had the focus. T tells the time instead.
        .takesFocus = false,
        .accessible = {translated(TARVO_TEXT("Board", "Time left")),
                       translated(TARVO_TEXT("Board", "Minutes and seconds left to find the code"))},
    };
}

TimerSpec clockTimer() {
    return {.name = "Timer1", .intervalMs = 1, .enabled = true, .followsTheSecond = true};
}

}  // namespace tarvo::board_layout
