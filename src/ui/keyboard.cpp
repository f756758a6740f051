// SPDX-License-Identifier: MIT
#include "ui/keyboard.h"

#include "game/module1.h"
#include "platform/input/keys.h"
#include "ui/board_in_words.h"
#include "ui/telling.h"
#include "windows/board_window.h"

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
    const int row = Module1.CurrentRow;
    const int at = board.cursor().position;
    const bool dropped = board.tile(digit).dropOn(board.slot(row, at));
    board.placeCursor(row, dropped ? std::min(at + 1, 4) : at, true);
    if (dropped)
        board.echo(slotInWords(board, row, at));
}

// Up and Down move over the scored rows and, while the game goes on, the active row; a scored
// row tells its guess and score. After an ending the cursor reviews, unseen.
void moveOverRows(BoardWindow& board, int KeyCode) {
    const bool playing = board.Command1.isEnabled();
    const BoardWindow::Cursor& cursor = board.cursor();
    const int last = board.rowsScored() + playing;
    if (last == 0)
        return;  // lost on time before the first score: nothing to review
    const int row = std::clamp(cursor.row + (KeyCode == kKeyUp ? -1 : 1), 1, last);
    board.placeCursor(row, cursor.position, playing);
    const auto& score = board.score(row);
    board.echo(score ? scoreInWords(row, *score) : slotInWords(board, row, cursor.position));
}

// Left, Right, Home and End move within a row.
void moveInRow(BoardWindow& board, int KeyCode) {
    const BoardWindow::Cursor& cursor = board.cursor();
    int position = std::clamp(cursor.position + (KeyCode == kKeyLeft ? -1 : 1), 1, 4);
    if (KeyCode == kKeyHome || KeyCode == kKeyEnd)
        position = KeyCode == kKeyHome ? 1 : 4;
    board.placeCursor(cursor.row, position, true);
    board.echo(slotInWords(board, cursor.row, position));
}

}  // namespace

void Form_KeyDown(int& KeyCode, int Shift) {
    if (Shift & (kCtrlKey | kAltKey))
        return;  // the menus' keys; Shift stays, for layouts whose digits need it
    BoardWindow& board = Form1();
    const int digit = digitOf(KeyCode);
    if (KeyCode == kKeyEscape) {
        if (!board.picked())
            return;  // nothing to put down: the key is the window's
        board.pickUp(0);
    } else if (KeyCode == kKeyT) {
        board.announce(timeInWords(board.Text1.text()));
    } else if (KeyCode == kKeyUp || KeyCode == kKeyDown) {
        moveOverRows(board, KeyCode);
    } else if (digit || movesInRow(KeyCode)) {
        if (board.Command1.isEnabled()) {  // after an ending the board takes no keys
            if (digit)
                typeDigit(board, digit);
            else
                moveInRow(board, KeyCode);
        }
    } else {
        return;  // Return, Enter and Space go on to the window's default button, "Show"
    }
    KeyCode = 0;
    showTheBoardAtRest(board);
}

}  // namespace tarvo
