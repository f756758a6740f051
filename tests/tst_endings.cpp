// SPDX-License-Identifier: MIT
// The three endings: message, code, the frozen board, and a clean board after New.
#include "game/endings.h"
#include "game/module1.h"
#include "support/board_test.h"
#include "support/fakes.h"
#include "windows/board_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

enum Ending { Win, SixthRowLoss, LossOnTime };

void bringAbout(Ending ending) {
    switch (ending) {
        case Win:
            fillRow(1, "5555");
            pressShow();
            fillRow(2, "3612");
            pressShow();
            break;
        case SixthRowLoss:
            for (int r = 1; r <= 6; ++r) {
                fillRow(r, "1111");
                pressShow();
            }
            break;
        case LossOnTime:
            fillRow(1, "1111");
            pressShow();
            dropTile(4, 2, 1);
            platform::dispatch(lossOnTimeSequence);
            break;
    }
}

bool timerRuns() { return boardWidget()->findChild<QTimer*>("Timer1")->isActive(); }

}  // namespace

class EndingsTest : public BoardTest {
    Q_OBJECT

public:
    EndingsTest() : BoardTest("3612") {}

private slots:
    void everyEndingShowsTheCodeAndFreezesTheBoard_data() {
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("message");
        QTest::newRow("win") << int(Win) << QString("You Won !");
        QTest::newRow("sixth-row loss") << int(SixthRowLoss) << QString("You Lost !");
        QTest::newRow("loss on time") << int(LossOnTime) << QString("You Lost !");
    }
    void everyEndingShowsTheCodeAndFreezesTheBoard() {
        QFETCH(int, ending);
        QFETCH(QString, message);
        bringAbout(Ending(ending));

        QCOMPARE(control<QLabel>("Label35")->text(), message);
        QCOMPARE(revealedCode(), QString("3612"));
        QVERIFY(!control<QPushButton>("Command1")->isEnabled());
        QVERIFY(!control<QLineEdit>("Text1")->isEnabled());
        QVERIFY(!timerRuns());
        for (int d = 1; d <= 6; ++d)
            QVERIFY(!Form1().tile(d).isEnabled());
        // What no ending touches.
        for (const char* item : {"nNew", "eExit", "hHard", "nNormal", "eEasy", "aAbout"})
            QVERIFY2(menuItem(item)->isEnabled(), item);
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString("2:45"));
    }

    void afterEveryEndingNewGivesACleanRunningBoard_data() {
        everyEndingShowsTheCodeAndFreezesTheBoard_data();
    }
    void afterEveryEndingNewGivesACleanRunningBoard() {
        QFETCH(int, ending);
        bringAbout(Ending(ending));
        menuItem("nNew")->trigger();

        QCOMPARE(control<QLabel>("Label35")->text(), QString());
        QCOMPARE(revealedCode(), QString("    "));
        for (int r = 1; r <= 6; ++r) {
            QCOMPARE(captionsOf(r), QString("    "));
            QCOMPARE(pegsOf(r), QString("----"));
            for (int p = 1; p <= 4; ++p)
                QCOMPARE(Form1().slot(r, p).isEnabled(), r == 1);
        }
        QVERIFY(control<QPushButton>("Command1")->isEnabled());
        QVERIFY(control<QLineEdit>("Text1")->isEnabled());
        QVERIFY(timerRuns());
        for (int d = 1; d <= 6; ++d)
            QVERIFY(Form1().tile(d).isEnabled());
        QCOMPARE(int(Module1.CurrentRow), 1);
    }

    // The loss on time tests nothing and leaves the rows as they were.
    void theLossOnTimeLeavesSlotsPegsAndTheActiveRow() {
        bringAbout(LossOnTime);
        QCOMPARE(int(Module1.CurrentRow), 2);
        QCOMPARE(captionsOf(2), QString("4   "));
        QVERIFY(Form1().slot(2, 1).isEnabled());
        QCOMPARE(pegsOf(1), QString("i---"));
        QCOMPARE(pegsOf(2), QString("----"));
    }

    void theSixthRowTestDoesNothingAfterAWin() {
        Form1().Label35.setCaption("You Won !");
        platform::dispatch(lossTestAfterSixthRow);
        QCOMPARE(control<QLabel>("Label35")->text(), QString("You Won !"));
        QCOMPARE(revealedCode(), QString("    "));
        QVERIFY(control<QPushButton>("Command1")->isEnabled());
    }
};

TARVO_TEST_MAIN(EndingsTest)
#include "tst_endings.moc"
