// SPDX-License-Identifier: MIT
#include "platform/input/key_arrivals.h"

#include <algorithm>

namespace tarvo::platform {

void KeyArrivals::sent(const KeyMove& move) {
    if (move.time == 0)
        return;  // not the window system's
    if (move.down)
        lastPressSent_ = move.arrived;
    sent_.push_back(move);
    if (sent_.size() > kKept)
        sent_.pop_front();
}

// The copy is found by key, direction and place on the keyboard, in order; its own time, where
// it still has one, must match too.
KeyMove KeyArrivals::received(const KeyMove& move, std::int64_t now) {
    const auto original = std::find_if(sent_.begin(), sent_.end(), [&](const KeyMove& s) {
        return s.key == move.key && s.down == move.down && s.scanCode == move.scanCode &&
               (move.time == 0 || s.time == move.time);
    });
    KeyMove result = move;
    result.arrived = now;
    if (original != sent_.end()) {
        result.time = original->time;
        result.arrived = original->arrived;
        sent_.erase(sent_.begin(), original + 1);
    }
    return result;
}

}  // namespace tarvo::platform
