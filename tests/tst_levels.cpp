// SPDX-License-Identifier: MIT
// The Level menu: every choice starts a new game with the level's time.
#include "control/clock.h"
#include "control/levels.h"
#include "game/endings.h"
#include "game/module1.h"
#include "support/board_test.h"
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

QString checkedLevels() {
    QString checked;
    for (const char* item : {"hHard", "nNormal", "eEasy"})
        checked += menuItem(item)->isChecked() ? QString(item).left(1).toUpper() : QString("-");
    return checked;
}

QString clockBox() { return control<QLineEdit>("Text1")->text(); }

}  // namespace

class LevelsTest : public BoardTest {
    Q_OBJECT

private slots:
    void aChoiceStartsANewGameAtThatLevel_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::newRow("Hard") << QString("hHard") << QString("H--") << QString("0:55") << 0 << 55;
        QTest::newRow("Normal") << QString("nNormal") << QString("-N-") << QString("2:45") << 2 << 45;
        QTest::newRow("Easy") << QString("eEasy") << QString("--E") << QString("4:55") << 4 << 55;
    }
    void aChoiceStartsANewGameAtThatLevel() {
        QFETCH(QString, item);
        QFETCH(QString, checked);
        QFETCH(QString, clock);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        fillRow(1, "5555");
        pressShow();
        dropTile(3, 2, 1);
        game_.clock.second = 17;
        game_.draws.queueCode("6543");
        QWidget* old = boardWidget();

        menuItem(item)->trigger();

        QVERIFY(boardWidget() != old);
        QCOMPARE(checkedLevels(), checked);
        QCOMPARE(clockBox(), clock);
        QCOMPARE(int(Module1.ClockMinutes), minutes);
        QCOMPARE(int(Module1.ClockSeconds), seconds);
        QCOMPARE(int(Module1.NextTickSecond), 19);
        QCOMPARE(int(Module1.MinuteBorrows), 0);
        QCOMPARE(int(Module1.CurrentRow), 1);
        QCOMPARE(Module1.SecretCode(1), Byte(6));
        QCOMPARE(captionsOf(1), QString("    "));
        QCOMPARE(captionsOf(2), QString("    "));
        QCOMPARE(pegsOf(1), QString("----"));
        QCOMPARE(revealedCode(), QString("    "));  // the old code is never shown
    }

    void aChoiceLateInTheMinuteWaitsForTheFullMinute_data() {
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("awaited");
        QTest::newRow("second 57") << 57 << 59;
        QTest::newRow("second 58") << 58 << 0;
        QTest::newRow("second 59") << 59 << 0;
    }
    void aChoiceLateInTheMinuteWaitsForTheFullMinute() {
        QFETCH(int, second);
        QFETCH(int, awaited);
        game_.clock.second = second;
        menuItem("eEasy")->trigger();
        QCOMPARE(int(Module1.NextTickSecond), awaited);
    }

    void theFirstStepAfterAChoiceComesAtTheSecondAfterNext() {
        game_.clock.second = 10;
        menuItem("hHard")->trigger();
        game_.clock.second = 11;
        platform::dispatch(Timer1_Timer);
        QCOMPARE(int(Module1.ClockSeconds), 55);
        game_.clock.second = 12;
        platform::dispatch(Timer1_Timer);
        QCOMPARE(int(Module1.ClockSeconds), 54);
    }

    void newAfterEasyReturnsToNormal() {
        menuItem("eEasy")->trigger();
        menuItem("nNew")->trigger();
        QCOMPARE(checkedLevels(), QString("-N-"));
        QCOMPARE(clockBox(), QString("2:45"));
        QCOMPARE(int(Module1.ClockMinutes), 2);
    }

    void aChoiceAfterAnEndingGivesARunningGame_data() {
        QTest::addColumn<bool>("win");
        QTest::newRow("after a win") << true;
        QTest::newRow("after a time-out") << false;
    }
    void aChoiceAfterAnEndingGivesARunningGame() {
        QFETCH(bool, win);
        if (win) {
            fillRow(1, "1234");
            pressShow();
        } else {
            platform::dispatch(lossOnTimeSequence);
        }
        menuItem("hHard")->trigger();
        QVERIFY(boardWidget()->findChild<QTimer*>("Timer1")->isActive());
        QVERIFY(control<QLineEdit>("Text1")->isEnabled());
        QVERIFY(control<QPushButton>("Command1")->isEnabled());
        QCOMPARE(control<QLabel>("Label35")->text(), QString());
        QVERIFY(Form1().tile(1).isEnabled());
        QCOMPARE(clockBox(), QString("0:55"));
    }
};

TARVO_TEST_MAIN(LevelsTest)
#include "tst_levels.moc"
