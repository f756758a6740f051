// SPDX-License-Identifier: MIT
#include "platform/input/held_keys.h"

namespace tarvo::platform {

// Decided on the moves' own times, never on when the program sees them: after a stall a release
// and the next press of a finger arrive together, yet carry the times the key moved.
bool HeldKeys::repeats(const KeyMove& move) {
    const bool releasedAtThatTime =
        !last_.down && last_.key == move.key && move.time != 0 && last_.time == move.time;
    last_ = move;
    return move.down && (move.markedRepeat || releasedAtThatTime);
}

}  // namespace tarvo::platform
