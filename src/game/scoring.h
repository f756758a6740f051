// SPDX-License-Identifier: MIT
#pragma once

#include "game/module1.h"

namespace tarvo {

// Scores a guess against state.SecretCode in two passes with explicit flags, leaving
// InPlaceCount, OutOfPlaceCount, ExactMark and CodeFree in state. The in-place pass compares
// the numeric values of the row's captions; the out-of-place pass reads state.GuessDigits.
// Expects the reset that "Show" does first: counts and PairFound 0, ExactMark false, CodeFree true.
void scoreGuess(Module& state, const ByPosition<double>& captionValues);

}  // namespace tarvo
