// SPDX-License-Identifier: MIT
// Scoring a guess: every pair of code and guess against the usual count.
#include "game/scoring.h"

#include <QTest>

#include <algorithm>
#include <array>

using namespace tarvo;

namespace {

struct Score {
    int inPlace;
    int outOfPlace;
};

// Scores as "Show" does: after its reset, with the caption values and GuessDigits both the guess.
Score score(const std::array<int, 4>& code, const std::array<int, 4>& guess, Module* after = nullptr) {
    Module state;
    ByPosition<double> values;
    for (int k = 1; k <= 4; ++k) {
        state.SecretCode(k) = Byte(code[k - 1]);
        state.GuessDigits(k) = Byte(guess[k - 1]);
        state.CodeFree(k) = kTrue;
        state.ExactMark(k) = kFalse;
        values(k) = guess[k - 1];
    }
    scoreGuess(state, values);
    if (after)
        *after = state;
    return {state.InPlaceCount, state.OutOfPlaceCount};
}

}  // namespace

class ScoringTest : public QObject {
    Q_OBJECT

private slots:
    // All 6^4 x 6^4 pairs: in place = equal positions; in place + out of place = the sum over
    // the digits of the smaller count in code and guess. The flags agree with the counts.
    void everyPairScoresTheUsualCount() {
        std::array<std::array<int, 4>, 1296> all{};
        for (int n = 0; n < 1296; ++n)
            for (int k = 0, v = n; k < 4; ++k, v /= 6)
                all[n][k] = v % 6 + 1;

        for (const auto& code : all) {
            std::array<int, 7> inCode{};
            for (int d : code)
                ++inCode[d];
            for (const auto& guess : all) {
                std::array<int, 7> inGuess{};
                int equal = 0;
                for (int k = 0; k < 4; ++k) {
                    ++inGuess[guess[k]];
                    equal += code[k] == guess[k];
                }
                int common = 0;
                for (int d = 1; d <= 6; ++d)
                    common += std::min(inCode[d], inGuess[d]);

                Module state;
                const Score s = score(code, guess, &state);
                if (s.inPlace != equal || s.inPlace + s.outOfPlace != common) {
                    QFAIL(qPrintable(QString("code %1%2%3%4 guess %5%6%7%8: %9 and %10")
                                         .arg(code[0])
                                         .arg(code[1])
                                         .arg(code[2])
                                         .arg(code[3])
                                         .arg(guess[0])
                                         .arg(guess[1])
                                         .arg(guess[2])
                                         .arg(guess[3])
                                         .arg(s.inPlace)
                                         .arg(s.outOfPlace)));
                }
                int marks = 0;
                int taken = 0;
                for (int k = 1; k <= 4; ++k) {
                    marks += state.ExactMark(k) == kTrue;
                    taken += state.CodeFree(k) == kFalse;
                }
                if (marks != s.inPlace || taken != s.outOfPlace)
                    QFAIL("the flags disagree with the counts");
            }
        }
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
