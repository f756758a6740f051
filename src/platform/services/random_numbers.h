// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tarvo::platform {

// Where random numbers come from; tests put fixed draws in its place.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(std::uint64_t clockReading) = 0;
    virtual double next() = 0;  // 0 <= r < 1
};

// The next random number r, 0 <= r < 1.
double randomNumber();

// Folds the system clock into the generator's state: reseeding twice within one clock reading
// still gives two different sequences.
void reseedRandomNumbers();

// Test hook: nullptr restores the program's own generator.
void setRandomSourceForTest(RandomSource* source);

}  // namespace tarvo::platform
