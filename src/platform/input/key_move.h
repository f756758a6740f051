// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tarvo::platform {

// A key going down or up, as the window system told it.
struct KeyMove {
    int key = 0;
    bool down = false;
    bool markedRepeat = false;   // the toolkit took it for a held key's repeat
    std::uint32_t scanCode = 0;  // the key's place on the keyboard
    std::uint64_t time = 0;      // ms, when the key moved, by the window system's clock; 0: not known
    std::int64_t arrived = 0;    // ms, by the monotonic clock, when the program was sent it
};

}  // namespace tarvo::platform
