// SPDX-License-Identifier: MIT
#include "ui/drops.h"

#include "platform/services/conversions.h"
#include "ui/telling.h"
#include "windows/board_window.h"

namespace tarvo {

void Slot_DragDrop(platform::Label& slot, const platform::Label& Source, float, float) {
    const auto tag = platform::numberIn(Source.tag());
    if (!tag)
        return;
    for (int k = 1; k <= 6; ++k) {
        if (*tag == k) {
            slot.setCaption(platform::decimalText(k));
            showTheBoardAtRest(Form1());
            return;
        }
    }
}

void Tile_Click(platform::Label& tile) {
    BoardWindow& board = Form1();
    const int digit = int(platform::numberIn(tile.tag()).value_or(0));
    board.pickUp(board.picked() == digit ? 0 : digit);
}

// The tile stays picked for the next slot; a slot that does not take it is a click elsewhere.
// A click on the open row, with a tile or without, brings the keys' cursor there.
void Slot_Click(platform::Label& slot) {
    BoardWindow& board = Form1();
    if (!board.picked() || !board.tile(board.picked()).dropOn(slot))
        board.pickUp(0);
    if (slot.isEnabled() && board.Command1.isEnabled()) {
        const BoardWindow::Place place = board.placeOf(slot);
        board.placeCursor(place.row, place.position, board.cursor().shown);
        showTheBoardAtRest(board);
    }
}

void Form_ClickElsewhere() { Form1().pickUp(0); }

}  // namespace tarvo
