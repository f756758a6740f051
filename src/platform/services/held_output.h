// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>

namespace tarvo::platform {

// Standard error, held back in a file while this lives: a library under the toolkit that writes
// to it itself, as Wayland's client does when XDG_RUNTIME_DIR is not set, waits with the
// toolkit's own messages. At the end what it held is written, unless it was dropped.
class HeldStandardError {
public:
    HeldStandardError();
    ~HeldStandardError();
    HeldStandardError(const HeldStandardError&) = delete;
    HeldStandardError& operator=(const HeldStandardError&) = delete;

    // Gives standard error back and returns what was written to it, which is then never written.
    std::string drop();

private:
    void giveBack();
    std::FILE* held_;
    int saved_ = -1;
};

}  // namespace tarvo::platform
