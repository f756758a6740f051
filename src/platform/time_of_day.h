// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tarvo::platform {

// Where the time of day comes from; tests put a clock of their own in its place.
class TimeOfDaySource {
public:
    virtual ~TimeOfDaySource() = default;
    virtual int secondOfMinute() = 0;          // 0..59
    virtual int millisecondOfSecond() = 0;     // 0..999
    virtual std::uint64_t clockReading() = 0;  // a fine-grained reading, to seed random numbers
};

// The second of the current time of day, 0..59, and how far into it the time is, 0..999 ms.
int secondOfMinute();
int millisecondOfSecond();
std::uint64_t clockReading();

// Test hook: nullptr restores the system clock.
void setTimeOfDayForTest(TimeOfDaySource* source);

}  // namespace tarvo::platform
