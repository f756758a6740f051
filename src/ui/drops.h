// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/label.h"

namespace tarvo {

// Label11_DragDrop..Label34_DragDrop, one behaviour for the 24 slots: a tile dropped on an
// enabled slot writes its digit into the slot's caption, and nothing else changes.
void Slot_DragDrop(platform::Label& slot, const platform::Label& Source, float X, float Y);

// Placing a digit by clicks, for a player who cannot drag: a click on a tile picks it up, and a
// click on a slot then drops it there as a drag would. A click on the same tile, anywhere else
// in the window, or Escape puts it down. A click on a slot of the active row brings the keys'
// cursor to it.
void Tile_Click(platform::Label& tile);
void Slot_Click(platform::Label& slot);
void Form_ClickElsewhere();

}  // namespace tarvo
