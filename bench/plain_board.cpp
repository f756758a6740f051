// SPDX-License-Identifier: MIT
// The floor for starting the board: the plain-Qt board, with the first-frame probe.
#include "plain_board.h"
#include "first_frame.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstFrame probe;
    usePlainBoardResources();
    PlainBoard board;
    board.showCentred();
    return QApplication::exec();
}
