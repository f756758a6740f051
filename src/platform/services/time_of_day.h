// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tarvo::platform {

// Where the time of day comes from; tests put a clock of their own in its place.
class TimeOfDaySource {
public:
    virtual ~TimeOfDaySource() = default;
    virtual int millisecondOfMinute() = 0;     // 0..59999: the second and how far into it, in one reading
    virtual std::uint64_t clockReading() = 0;  // a fine-grained reading, to seed random numbers
};

// The second of the current time of day, 0..59.
int secondOfMinute();
// The second and how far into it the time is, 0..59999 ms: one reading, so that the two agree.
int millisecondOfMinute();
std::uint64_t clockReading();

// Milliseconds by a clock that only runs forward, for how long apart two events came.
std::int64_t monotonicMilliseconds();

// Test hook: nullptr restores the system clock.
void setTimeOfDayForTest(TimeOfDaySource* source);

}  // namespace tarvo::platform
