// SPDX-License-Identifier: MIT
// Scoring a guess: the worked examples, the rules that repeated digits test, and every pair of
// code and guess against the usual count.
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

std::array<int, 4> digits(const QString& text) {
    std::array<int, 4> result{};
    for (int k = 0; k < 4; ++k)
        result[k] = text[k].digitValue();
    return result;
}

}  // namespace

class ScoringTest : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("guess");
        QTest::addColumn<int>("inPlace");
        QTest::addColumn<int>("outOfPlace");
        QTest::newRow("code 1122 guess 2211") << QString("1122") << QString("2211") << 0 << 4;
        QTest::newRow("code 1111 guess 1222") << QString("1111") << QString("1222") << 1 << 0;
        QTest::newRow("code 1222 guess 1111") << QString("1222") << QString("1111") << 1 << 0;
        QTest::newRow("code 1123 guess 3111") << QString("1123") << QString("3111") << 1 << 2;
        QTest::newRow("code 1212 guess 2111") << QString("1212") << QString("2111") << 1 << 2;
        QTest::newRow("code 3344 guess 3443") << QString("3344") << QString("3443") << 2 << 2;
        QTest::newRow("code 2221 guess 1232") << QString("2221") << QString("1232") << 1 << 2;
        QTest::newRow("code 1234 guess 4321") << QString("1234") << QString("4321") << 0 << 4;
        QTest::newRow("code 1234 guess 1234") << QString("1234") << QString("1234") << 4 << 0;
        QTest::newRow("code 5566 guess 1234") << QString("5566") << QString("1234") << 0 << 0;
    }
    void workedExamples() {
        QFETCH(QString, code);
        QFETCH(QString, guess);
        QFETCH(int, inPlace);
        QFETCH(int, outOfPlace);
        const Score s = score(digits(code), digits(guess));
        QCOMPARE(s.inPlace, inPlace);
        QCOMPARE(s.outOfPlace, outOfPlace);
    }

    // Code 1 1 2 3, guess 3 1 1 1: guess 1 takes code 4, guess 3 takes code 1; guess 4 finds
    // code 1 taken and code 2 in place.
    void lowerGuessPositionsChooseFirstAndTakeTheLowestFreeCodePosition() {
        Module state;
        score({1, 1, 2, 3}, {3, 1, 1, 1}, &state);
        QCOMPARE(state.ExactMark(2), kTrue);
        QCOMPARE(state.CodeFree(1), kFalse);
        QCOMPARE(state.CodeFree(2), kTrue);
        QCOMPARE(state.CodeFree(3), kTrue);
        QCOMPARE(state.CodeFree(4), kFalse);
    }

    void aGuessWithNoDigitOfTheCodeTakesNoCodePosition() {
        Module state;
        const Score s = score({5, 5, 6, 6}, {1, 2, 3, 4}, &state);
        QCOMPARE(s.inPlace + s.outOfPlace, 0);
        for (int j = 1; j <= 4; ++j)
            QCOMPARE(state.CodeFree(j), kTrue);
    }

    // The in-place pass reads the captions' values: a caption that is not the stored digit
    // counts by its own value.
    void theInPlacePassComparesTheCaptionValues() {
        Module state;
        ByPosition<double> values;
        for (int k = 1; k <= 4; ++k) {
            state.SecretCode(k) = Byte(k);
            state.GuessDigits(k) = Byte(k);
            state.CodeFree(k) = kTrue;
            values(k) = k;
        }
        values(3) = 0;  // an empty caption's value
        scoreGuess(state, values);
        QCOMPARE(int(state.InPlaceCount), 3);
        QCOMPARE(state.ExactMark(3), kFalse);
        QCOMPARE(int(state.OutOfPlaceCount), 0);  // code 3 is matched in place by GuessDigits
    }

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
