// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services/run_time_error.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvo {

using Byte = std::uint8_t;
using Integer = std::int16_t;
using Boolean = std::int16_t;  // stored as -1 for true, 0 for false
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

// Adds one to a counter; like every arithmetic on counters, checked for overflow.
inline void increment(Byte& counter) {
    if (counter == 255)
        throw platform::RunTimeError("Overflow", "a counter passed 255");
    ++counter;
}

// Four values by position 1..4, left to right; another position is a run-time error.
template <class T>
class ByPosition {
public:
    T& operator()(int position) { return values_[index(position)]; }
    const T& operator()(int position) const { return values_[index(position)]; }
    friend bool operator==(const ByPosition&, const ByPosition&) = default;

private:
    static std::size_t index(int position) {
        if (position < 1 || position > 4)
            throw platform::RunTimeError("Subscript",
                                         "position " + std::to_string(position) + " is outside 1..4");
        return std::size_t(position - 1);
    }
    std::array<T, 4> values_{};
};

// The module-level variables shared by the handlers; they outlive every window.
struct Module {
    // The game.
    Byte CurrentRow = 0;  // the row the next press of "Show" checks
    ByPosition<Byte> SecretCode;
    ByPosition<Byte> GuessDigits;  // the last complete row taken by "Show"
    Byte InPlaceCount = 0;
    Byte OutOfPlaceCount = 0;
    ByPosition<Boolean> ExactMark;  // guess position in place
    ByPosition<Boolean> CodeFree;   // code position not yet taken out of place
    Byte PairFound = 0;
    Integer GuessPos = 0;
    Integer CodePos = 0;

    // The countdown clock.
    Integer ClockMinutes = 0;
    Integer ClockSeconds = 0;
    Integer NextTickSecond = 0;  // the second of the minute the next step waits for
    Byte MinuteBorrows = 0;

    friend bool operator==(const Module&, const Module&) = default;
};

inline Module Module1;

}  // namespace tarvo
