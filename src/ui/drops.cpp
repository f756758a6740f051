// SPDX-License-Identifier: MIT
#include "ui/drops.h"

#include "platform/conversions.h"

namespace tarvo {

void Slot_DragDrop(platform::Label& slot, const platform::Label& Source, float, float) {
    const auto tag = platform::numberIn(Source.tag());
    if (!tag)
        return;
    for (int k = 1; k <= 6; ++k) {
        if (*tag == k) {
            slot.setCaption(platform::decimalText(k));
            return;
        }
    }
}

}  // namespace tarvo
