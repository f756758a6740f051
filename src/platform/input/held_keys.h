// SPDX-License-Identifier: MIT
#pragma once

#include "platform/input/key_move.h"

namespace tarvo::platform {

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
