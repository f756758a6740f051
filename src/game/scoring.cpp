// SPDX-License-Identifier: MIT
#include "game/scoring.h"

namespace tarvo {

void scoreGuess(Module& state, const ByPosition<double>& captionValues) {
    for (int k = 1; k <= 4; ++k) {
        if (captionValues(k) == double(state.SecretCode(k))) {
            increment(state.InPlaceCount);
            state.ExactMark(k) = kTrue;
        }
    }

    // Each guess position not in place takes the lowest code position that holds its digit, is
    // not in place itself and is still free; lower guess positions choose first.
    for (state.GuessPos = 1; state.GuessPos <= 4; ++state.GuessPos) {
        const int i = state.GuessPos;
        state.PairFound = 0;
        for (state.CodePos = 1; state.CodePos <= 4; ++state.CodePos) {
            const int j = state.CodePos;
            if (state.ExactMark(i) != kFalse)
                continue;
            if (j == i)
                continue;
            if (state.GuessDigits(i) != state.SecretCode(j))
                continue;
            if (state.SecretCode(j) == state.GuessDigits(j))
                continue;
            if (state.CodeFree(j) == kFalse)
                continue;
            if (state.PairFound != 0)
                continue;
            state.CodeFree(j) = kFalse;
            increment(state.OutOfPlaceCount);
            state.PairFound = 1;
        }
    }
}

}  // namespace tarvo
