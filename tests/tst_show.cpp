// SPDX-License-Identifier: MIT
// "Show": the completeness test, scoring a row, the advance down the board and its end.
#include "game/module1.h"
#include "support/board_test.h"
#include "support/fakes.h"
#include "windows/board_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

QString enabledRows() {
    QString rows;
    for (int r = 1; r <= 6; ++r) {
        int enabled = 0;
        for (int p = 1; p <= 4; ++p)
            enabled += Form1().slot(r, p).isEnabled();
        rows += enabled == 4 ? QString::number(r) : enabled == 0 ? QString("-") : QString("?");
    }
    return rows;
}

}  // namespace

class ShowTest : public BoardTest {
    Q_OBJECT

private slots:
    void anIncompleteRowChangesNothing_data() {
        QTest::addColumn<QString>("filled");     // the digits dropped, a blank for an empty slot
        for (int mask = 0; mask < 15; ++mask) {  // every pattern with at least one empty slot
            QString filled;
            for (int p = 0; p < 4; ++p)
                filled += (mask >> p) & 1 ? QChar('5') : QChar(' ');
            QTest::newRow(qPrintable("'" + filled + "'")) << filled;
        }
    }
    void anIncompleteRowChangesNothing() {
        QFETCH(QString, filled);
        for (int p = 1; p <= 4; ++p)
            if (filled[p - 1] != ' ')
                QVERIFY(dropTile(5, 1, p));
        Module1.GuessDigits(1) = 6;
        const Module before = Module1;

        pressShow();

        QCOMPARE(int(Module1.CurrentRow), 1);
        QVERIFY(Module1.SecretCode == before.SecretCode);
        QVERIFY(Module1.GuessDigits == before.GuessDigits);
        QCOMPARE(pegsOf(1), QString("----"));
        QCOMPARE(enabledRows(), QString("1-----"));
        QCOMPARE(captionsOf(1), filled);
        QCOMPARE(control<QLabel>("Label35")->text(), QString());

        // Once complete, the same row is scored.
        fillRow(1, "5555");
        pressShow();
        QCOMPARE(int(Module1.CurrentRow), 2);
    }

    void aWrongRowShowsItsPegsAndOpensExactlyTheNextRow() {
        fillRow(1, "4321");
        pressShow();
        QCOMPARE(int(Module1.CurrentRow), 2);
        QCOMPARE(captionsOf(1), QString("4321"));
        QCOMPARE(pegsOf(1), QString("oooo"));
        QCOMPARE(enabledRows(), QString("-2----"));
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(int(Module1.GuessDigits(k)), 5 - k);
        QCOMPARE(control<QLabel>("Label35")->text(), QString());
        QVERIFY(control<QPushButton>("Command1")->isEnabled());
    }

    void aWinOnRowThreeOpensRowFourButNothingCanBePlayed() {
        fillRow(1, "5555");
        pressShow();
        fillRow(2, "6666");
        pressShow();
        fillRow(3, "1234");
        pressShow();
        QCOMPARE(control<QLabel>("Label35")->text(), QString("You Won !"));
        QCOMPARE(pegsOf(3), QString("iiii"));
        QCOMPARE(int(Module1.CurrentRow), 4);
        QCOMPARE(enabledRows(), QString("---4--"));
        QVERIFY(!dropTile(1, 4, 1));
        QVERIFY(!control<QPushButton>("Command1")->isEnabled());
        pressShow();  // a disabled button raises no click
        QCOMPARE(int(Module1.CurrentRow), 4);
    }

    void aWinOnRowSixIsNotALoss() {
        for (int r = 1; r <= 5; ++r) {
            fillRow(r, "5656");
            pressShow();
        }
        fillRow(6, "1234");
        pressShow();
        QCOMPARE(control<QLabel>("Label35")->text(), QString("You Won !"));
        QCOMPARE(int(Module1.CurrentRow), 6);
        QCOMPARE(enabledRows(), QString("------"));
        QCOMPARE(revealedCode(), QString("1234"));
    }

    void aSixthRowWithoutAWinIsALoss() {
        for (int r = 1; r <= 6; ++r) {
            fillRow(r, "2143");
            pressShow();
        }
        QCOMPARE(control<QLabel>("Label35")->text(), QString("You Lost !"));
        QCOMPARE(pegsOf(6), QString("oooo"));
        QCOMPARE(int(Module1.CurrentRow), 6);
        QCOMPARE(enabledRows(), QString("------"));
        QCOMPARE(revealedCode(), QString("1234"));
        QVERIFY(!control<QPushButton>("Command1")->isEnabled());
    }

    void sixPressesVisitEveryRowOnceInOrder() {
        const char* guesses[] = {"1555", "1255", "1235", "2155", "2315", "2143"};
        const char* pegs[] = {"i---", "ii--", "iii-", "oo--", "ooo-", "oooo"};
        for (int r = 1; r <= 6; ++r) {
            QCOMPARE(int(Module1.CurrentRow), r);
            QCOMPARE(enabledRows(), QString("------").replace(r - 1, 1, QString::number(r)));
            fillRow(r, guesses[r - 1]);
            pressShow();
            for (int earlier = 1; earlier <= r; ++earlier)
                QCOMPARE(pegsOf(earlier), QString(pegs[earlier - 1]));
            for (int later = r + 1; later <= 6; ++later)
                QCOMPARE(pegsOf(later), QString("----"));
        }
        QCOMPARE(int(Module1.CurrentRow), 6);
    }

    void anIncompleteSixthRowLeavesTheGameGoingOn() {
        for (int r = 1; r <= 5; ++r) {
            fillRow(r, "5555");
            pressShow();
        }
        QVERIFY(dropTile(1, 6, 1));
        pressShow();
        QCOMPARE(control<QLabel>("Label35")->text(), QString());
        QCOMPARE(enabledRows(), QString("-----6"));
        QVERIFY(control<QPushButton>("Command1")->isEnabled());
    }

    void newAfterAGameScoresAgainstTheNewCodeOnly() {
        fillRow(1, "4321");
        pressShow();
        game_.draws.queueCode("4321");
        menuItem("nNew")->trigger();
        fillRow(1, "4321");
        pressShow();
        QCOMPARE(control<QLabel>("Label35")->text(), QString("You Won !"));
    }
};

TARVO_TEST_MAIN(ShowTest)
#include "tst_show.moc"
