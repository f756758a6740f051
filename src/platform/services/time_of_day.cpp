// SPDX-License-Identifier: MIT
#include "platform/services/time_of_day.h"

#include <chrono>

namespace tarvo::platform {

namespace {
TimeOfDaySource* sourceForTest = nullptr;
}

// Every time zone in use today is offset by whole minutes, so the second of the minute is the
// same in universal time, which the system clock gives without a time-zone look-up.
int millisecondOfMinute() {
    if (sourceForTest)
        return sourceForTest->millisecondOfMinute();
    const auto now = std::chrono::floor<std::chrono::milliseconds>(std::chrono::system_clock::now());
    return int(now.time_since_epoch().count() % 60'000);
}

int secondOfMinute() { return millisecondOfMinute() / 1000; }

std::uint64_t clockReading() {
    if (sourceForTest)
        return sourceForTest->clockReading();
    return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}

std::int64_t monotonicMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

void setTimeOfDayForTest(TimeOfDaySource* source) { sourceForTest = source; }

}  // namespace tarvo::platform
