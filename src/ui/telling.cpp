// SPDX-License-Identifier: MIT
#include "ui/telling.h"

#include "game/listener.h"
#include "ui/board_in_words.h"
#include "windows/board_window.h"

namespace tarvo {

namespace {

class BoardListener final : public GameListener {
public:
    void rowIncomplete(int row, int position) override { Form1().announce(incompleteInWords(row, position)); }

    void rowScored(int row, const BoardWindow::Score& score) override { tell(scoreInWords(row, score)); }

    void gameEnded(std::string_view message, const ByPosition<Byte>& code) override {
        tell(endingInWords(message, code));
    }

private:
    static void tell(const std::string& message) {
        BoardWindow& board = Form1();
        board.announce(message);
        showTheBoardAtRest(board);
    }
};

BoardListener listener;

}  // namespace

void listenForTheBoard() { listenToTheGame(&listener); }

void showTheBoardAtRest(BoardWindow& board) {
    const AtRest line = boardAtRest(board);
    board.showAtRest(line.text, line.caret);
}

}  // namespace tarvo
