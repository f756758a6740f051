// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tarvo::platform {

// A key going down or up, as the window system told it.
struct KeyMove {
    int key = 0;
    bool down = false;
    bool markedRepeat = false;  // the toolkit took it for a held key's repeat
    std::uint64_t time = 0;     // ms, when the key moved, by the window system's clock; 0: not known
    std::int64_t arrived = 0;   // ms, by the monotonic clock, when the program was sent it
};

// A press repeats a held key when the toolkit marks it so, or when it carries the very time of
// the release of its key just before it: X11 repeats a held key as such a pair.
class HeldKeys {
public:
    // Takes every move of the keys in turn; true for a press that repeats a held key.
    bool repeats(const KeyMove& move);

private:
    KeyMove last_;
};

}  // namespace tarvo::platform
