// SPDX-License-Identifier: MIT
#pragma once

#include "platform/label.h"

namespace tarvo {

// Label11_DragDrop..Label34_DragDrop, one behaviour for the 24 slots: a tile dropped on an
// enabled slot writes its digit into the slot's caption, and nothing else changes.
void Slot_DragDrop(platform::Label& slot, const platform::Label& Source, float X, float Y);

}  // namespace tarvo
