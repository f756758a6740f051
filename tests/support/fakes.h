// SPDX-License-Identifier: MIT
// Stand-ins for the time of day and the random generator; each installs itself while it lives.
#pragma once

#include "platform/services/random_numbers.h"
#include "platform/services/time_of_day.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace tarvo::testing {

class FakeTimeOfDay final : public platform::TimeOfDaySource {
public:
    FakeTimeOfDay() { platform::setTimeOfDayForTest(this); }
    ~FakeTimeOfDay() override { platform::setTimeOfDayForTest(nullptr); }

    int second = 0;
    int millisecond = 0;
    int movesOnEachReading = 0;  // milliseconds, for a clock that runs between two readings
    std::uint64_t reading = 1'000'000'007;

    int millisecondOfMinute() override {
        const int now = second * 1000 + millisecond;
        const int next = (now + movesOnEachReading) % 60'000;
        second = next / 1000;
        millisecond = next % 1000;
        return now;
    }
    std::uint64_t clockReading() override { return reading; }
};

// Hands out the draws it was given and records every reseed ('R') and draw ('D').
class FixedDraws final : public platform::RandomSource {
public:
    FixedDraws() { platform::setRandomSourceForTest(this); }
    ~FixedDraws() override { platform::setRandomSourceForTest(nullptr); }

    // The draws that make the next code the given digits, e.g. "1234".
    void queueCode(std::string_view digits) {
        for (char d : digits)
            draws.push_back((d - '1') / 6.0 + 1 / 12.0);
    }

    std::deque<double> draws;
    std::string calls;

    void reseed(std::uint64_t) override { calls += 'R'; }
    double next() override {
        calls += 'D';
        if (draws.empty())
            return 0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
};

}  // namespace tarvo::testing
