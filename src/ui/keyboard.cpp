// SPDX-License-Identifier: MIT
#include "ui/keyboard.h"

#include "control/clock.h"
#include "game/module1.h"
#include "game/show.h"
#include "platform/keys.h"
#include "ui/board_layout.h"
#include "ui/board_window.h"

#include <algorithm>
#include <string>

namespace tarvo {

using namespace platform;

namespace {

int digitOf(int KeyCode) {
    for (const int first : {kKey0, kKeyNumpad0})
        if (KeyCode >= first + 1 && KeyCode <= first + 6)
            return KeyCode - first;
    return 0;
}

// A row that has become active takes the cursor to its left.
void followActiveRow(BoardWindow& board) {
    BoardWindow::KeyboardCursor& cursor = board.cursor;
    if (cursor.row == Module1.CurrentRow)
        return;
    if (cursor.row != 0)
        board.slot(cursor.row, cursor.position).setMarked(false);
    cursor.row = Module1.CurrentRow;
    cursor.position = 1;
}

// Marks the cursor's slot while the player uses the keys and the slot takes digits.
void showCursor(BoardWindow& board) {
    const BoardWindow::KeyboardCursor& cursor = board.cursor;
    for (int p = 1; p <= 4; ++p) {
        Label& slot = board.slot(cursor.row, p);
        const bool here = cursor.shown && p == cursor.position && slot.isEnabled();
        slot.setMarked(here);
        if (here)
            slot.reportFocus();
    }
}

std::string scoreInWords(int row) {
    return "Row " + std::to_string(row) + ": " + std::to_string(Module1.InPlaceCount) + " in place, " +
           std::to_string(Module1.OutOfPlaceCount) + " out of place";
}

// The message and the code, reported as the focus, once a game has ended.
void tellEnding(BoardWindow& board) {
    std::string code = "The code was";
    for (int k = 1; k <= 4; ++k)
        code += " " + board.codeLabel(k).caption();
    board.Label35.setDescription(code);
    board.Label35.reportFocus();
}

}  // namespace

void Form_KeyDown(int& KeyCode, int Shift) {
    if (Shift != 0)
        return;  // Alt and Ctrl keys belong to the menus
    BoardWindow& board = Form1();
    BoardWindow::KeyboardCursor& cursor = board.cursor;
    followActiveRow(board);
    if (const int digit = digitOf(KeyCode)) {
        if (board.tile(digit).dropOn(board.slot(cursor.row, cursor.position)))
            cursor.position = std::min(cursor.position + 1, 4);
    } else if (KeyCode == kKeyLeft || KeyCode == kKeyRight) {
        cursor.position = std::clamp(cursor.position + (KeyCode == kKeyLeft ? -1 : 1), 1, 4);
    } else if (KeyCode == kKeyHome || KeyCode == kKeyEnd) {
        cursor.position = KeyCode == kKeyHome ? 1 : 4;
    } else {
        return;  // Return and Enter go on to the focused button
    }
    KeyCode = 0;
    cursor.shown = true;
    showCursor(board);
}

void Command1_ClickAndTell() {
    const int row = Module1.CurrentRow;
    const bool wasOpen = row >= 1 && row <= 6 && Form1().slot(row, 1).isEnabled();
    Command1_Click();
    BoardWindow& board = Form1();
    if (!wasOpen || board.slot(row, 1).isEnabled())
        return;  // nothing was scored
    if (row < 6)
        for (int p = 1; p <= 4; ++p)
            board.slot(row + 1, p).setDescription(scoreInWords(row) + ". " + board_layout::kSlotDescription);
    followActiveRow(board);
    showCursor(board);
    if (!board.Command1.isEnabled())
        tellEnding(board);
}

void Timer1_TimerAndTell() {
    Timer1_Timer();
    if (!Form1().Timer1.isEnabled())
        tellEnding(Form1());
}

}  // namespace tarvo
