// SPDX-License-Identifier: MIT
#include "platform/services/random_numbers.h"

#include "platform/services/time_of_day.h"

namespace tarvo::platform {

namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

// SplitMix64's output function: a bijection that spreads every input bit over the word.
constexpr std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

class FoldingGenerator final : public RandomSource {
public:
    void reseed(std::uint64_t reading) override { state_ = mix(state_ ^ mix(reading + kGoldenGamma)); }
    double next() override {
        state_ += kGoldenGamma;
        return double(mix(state_) >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t state_ = 0x5DEECE66DULL;
};

FoldingGenerator generator;
RandomSource* sourceForTest = nullptr;

RandomSource& source() { return sourceForTest ? *sourceForTest : generator; }

}  // namespace

double randomNumber() { return source().next(); }

void reseedRandomNumbers() { source().reseed(clockReading()); }

void setRandomSourceForTest(RandomSource* source) { sourceForTest = source; }

}  // namespace tarvo::platform
