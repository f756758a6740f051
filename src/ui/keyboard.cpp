// SPDX-License-Identifier: MIT
#include "ui/keyboard.h"

#include "game/module1.h"
#include "platform/keys.h"
#include "ui/board_window.h"
#include "ui/narration.h"

#include <algorithm>

namespace tarvo {

using namespace platform;

namespace {

constexpr int kKeyT = kKeyA + ('T' - 'A');

int digitOf(int KeyCode) {
    for (const int first : {kKey0, kKeyNumpad0})
        if (KeyCode >= first + 1 && KeyCode <= first + 6)
            return KeyCode - first;
    return 0;
}

bool movesInRow(int KeyCode) {
    return KeyCode == kKeyLeft || KeyCode == kKeyRight || KeyCode == kKeyHome || KeyCode == kKeyEnd;
}

// Drops the digit where the cursor stands in the active row, and tells where it landed.
void typeDigit(BoardWindow& board, int digit) {
    BoardWindow::KeyboardCursor& cursor = board.cursor;
    cursor.row = Module1.CurrentRow;
    const int at = cursor.position;
    if (!board.tile(digit).dropOn(board.slot(cursor.row, at)))
        return;
    cursor.position = std::min(at + 1, 4);
    board.echo(slotInWords(board, cursor.row, at));
}

// Up and Down move over the scored rows and, while the game goes on, the active row; a scored
// row tells its guess and score.
void moveOverRows(BoardWindow& board, int KeyCode) {
    BoardWindow::KeyboardCursor& cursor = board.cursor;
    const auto& scores = board.scoresInWords;
    const int last =
        int(std::find(scores.begin(), scores.end(), "") - scores.begin()) + board.Command1.isEnabled();
    if (last == 0)
        return;  // lost on time before the first score: nothing to review
    cursor.row = std::clamp(cursor.row + (KeyCode == kKeyUp ? -1 : 1), 1, last);
    const std::string& score = scores[std::size_t(cursor.row - 1)];
    board.echo(score.empty() ? slotInWords(board, cursor.row, cursor.position) : score);
}

// Left, Right, Home and End move within a row.
void moveInRow(BoardWindow& board, int KeyCode) {
    BoardWindow::KeyboardCursor& cursor = board.cursor;
    if (KeyCode == kKeyHome || KeyCode == kKeyEnd)
        cursor.position = KeyCode == kKeyHome ? 1 : 4;
    else
        cursor.position = std::clamp(cursor.position + (KeyCode == kKeyLeft ? -1 : 1), 1, 4);
    board.echo(slotInWords(board, cursor.row, cursor.position));
}

}  // namespace

void Form_KeyDown(int& KeyCode, int Shift) {
    if (Shift & (kCtrlKey | kAltKey))
        return;  // the menus' keys; Shift stays, for layouts whose digits need it
    BoardWindow& board = Form1();
    const int digit = digitOf(KeyCode);
    if (KeyCode == kKeyEscape) {
        if (!board.picked)
            return;  // nothing to put down: the key is the window's
        board.pickUp(0);
    } else if (KeyCode == kKeyT) {
        board.announce(timeInWords(board.Text1.text()));
    } else if (KeyCode == kKeyUp || KeyCode == kKeyDown) {
        board.cursor.shown = board.Command1.isEnabled();  // after an ending it reviews, unseen
        moveOverRows(board, KeyCode);
        board.markCursor();
    } else if (digit || movesInRow(KeyCode)) {
        if (board.Command1.isEnabled()) {  // after an ending the board takes no keys
            board.cursor.shown = true;
            if (digit)
                typeDigit(board, digit);
            else
                moveInRow(board, KeyCode);
            board.markCursor();
        }
    } else {
        return;  // Return and Enter go on to the focused button
    }
    KeyCode = 0;
}

}  // namespace tarvo
