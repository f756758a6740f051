// SPDX-License-Identifier: MIT
#pragma once

#include "platform/input/key_move.h"

#include <cstddef>
#include <cstdint>
#include <deque>

namespace tarvo::platform {

// When each key moved and when it reached the program. A screen reader's bridge takes each key
// the window system sends before any window sees it, and hands the window a copy made without
// its time: the copy gets back the times the original carried.
class KeyArrivals {
public:
    // A key as the window system sent it; `arrived` is when the program was given it.
    void sent(const KeyMove& move);
    // A key as a window receives it, at `now`: the key as it was sent, with its times. The keys
    // sent before it were received, or never will be. A key never sent (made by the program
    // itself) keeps its own time and arrives now.
    KeyMove received(const KeyMove& move, std::int64_t now);
    // When the window system last sent a key press; 0: never.
    std::int64_t lastPressSent() const { return lastPressSent_; }

private:
    std::deque<KeyMove> sent_;  // oldest first
    std::int64_t lastPressSent_ = 0;
    static constexpr std::size_t kKept = 64;
};

}  // namespace tarvo::platform
