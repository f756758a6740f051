// SPDX-License-Identifier: MIT
// The countdown: one step per second of the time of day, minutes borrowed, the loss on time.
#include "control/clock.h"
#include "control/levels.h"
#include "control/start_up.h"
#include "game/module1.h"
#include "support/board_test.h"
#include "ui/about.h"
#include "ui/how_to_play.h"
#include "windows/board_window.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

QString clockBox() { return control<QLineEdit>("Text1")->text(); }

// Every value the countdown shows, from the first step down to 0:00, written out as a player
// would read them.
QStringList countdownFrom(int minutes, int seconds) {
    QStringList shown;
    for (int m = minutes, s = seconds - 1; m >= 0; --m, s = 59)
        for (; s >= 0; --s)
            shown << QString("%1:%2").arg(m).arg(s, 2, 10, QChar('0'));
    return shown;
}

}  // namespace

class ClockTest : public BoardTest {
    Q_OBJECT

private slots:
    void clockText_data() {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("2:45") << 2 << 45 << QString("2:45");
        QTest::newRow("1:05") << 1 << 5 << QString("1:05");
        QTest::newRow("0:00") << 0 << 0 << QString("0:00");
        QTest::newRow("4:59") << 4 << 59 << QString("4:59");
        QTest::newRow("0:10") << 0 << 10 << QString("0:10");
        QTest::newRow("0:09") << 0 << 9 << QString("0:09");
    }
    void clockText() {
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(tarvo::clockText(minutes, seconds)), text);
    }

    void aStepIsDueWhenItsSecondHasComeOrGoneBy() {
        QVERIFY(stepIsDue(10, 10));
        QVERIFY(!stepIsDue(9, 10));  // the second before
        QVERIFY(!stepIsDue(58, 0));  // two ahead across the minute: a level choice at 58
        QVERIFY(!stepIsDue(59, 0));
        QVERIFY(stepIsDue(0, 0));
        QVERIFY(stepIsDue(12, 10));  // missed by two seconds
        QVERIFY(stepIsDue(1, 59));   // missed across the minute
    }

    void normalCountsDownFromTwoFortyFiveAndIsLostAtTheHundredAndSixtySixthStep() {
        QCOMPARE(countDown(), countdownFrom(2, 45));
        QCOMPARE(steps_, 166);
        QCOMPARE(int(Module1.MinuteBorrows), 2);
        expectLostOnTime();
    }

    void hardCountsDownFromFiftyFiveWithoutBorrowing() {
        game_.draws.queueCode("1234");
        dispatch(hHard_Click);
        QCOMPARE(clockBox(), QString("0:55"));
        QCOMPARE(countDown(), countdownFrom(0, 55));
        QCOMPARE(steps_, 56);
        QCOMPARE(int(Module1.MinuteBorrows), 0);
        expectLostOnTime();
    }

    void easyBorrowsFourMinutesOnItsWayFromFourFiftyFive() {
        game_.draws.queueCode("1234");
        dispatch(eEasy_Click);
        QCOMPARE(clockBox(), QString("4:55"));
        const QStringList shown = countDown();
        QCOMPARE(shown, countdownFrom(4, 55));
        QCOMPARE(steps_, 296);
        for (const char* borrowed : {"3:59", "2:59", "1:59", "0:59"})
            QVERIFY(shown.contains(borrowed));
        expectLostOnTime();
    }

    // The timer wakes as each second of the time of day begins, and once right after to show
    // the step; after a jump of the time of day, back or forward, it steps once and goes on so.
    // A second that begins while the tick reads the time is not missed.
    void theTimerWakesOnTheSecondAndOnceRightAfter() {
        auto* timer = boardWidget()->findChild<QTimer*>("Timer1");
        const struct {
            int second, millisecond;
            bool sameWakeUp;
            const char* shown;
        } ticks[] = {{1, 1, true, "2:45"},    {1, 2, false, "2:44"},    {2, 1, true, "2:44"},
                     {2, 2, false, "2:43"},   {42, 700, true, "2:43"},  {42, 701, false, "2:42"},
                     {12, 400, true, "2:42"}, {12, 401, false, "2:41"}, {13, 998, true, "2:41"},
                     {13, 999, false, "2:40"}};
        game_.clock.movesOnEachReading = 1;
        for (const auto& t : ticks) {
            game_.clock.second = t.second;
            game_.clock.millisecond = t.millisecond;
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
            const int wakes = t.millisecond + timer->interval();
            if (t.sameWakeUp)
                QCOMPARE(timer->interval(), 0);
            else  // early in the next second, not a second late
                QVERIFY2(wakes >= 1000 && wakes <= 1002, qPrintable(QString::number(wakes)));
            QCOMPARE(clockBox(), QString(t.shown));
        }
    }

    void theNewValueShowsOnTheTickAfterTheStep() {
        game_.clock.second = 1;
        dispatch(Timer1_Timer);
        QCOMPARE(int(Module1.ClockSeconds), 44);
        QCOMPARE(int(Module1.NextTickSecond), 2);
        QCOMPARE(clockBox(), QString("2:45"));
        dispatch(Timer1_Timer);
        QCOMPARE(clockBox(), QString("2:44"));
        QCOMPARE(int(Module1.ClockSeconds), 44);  // one step per second of the time of day
    }

    // The step and the second it waits for come from one reading of the time: a second that
    // begins while the tick runs is the next one awaited, not skipped.
    void aSecondThatBeginsDuringTheTickIsAwaitedNext() {
        game_.clock.second = 1;
        game_.clock.millisecond = 999;
        game_.clock.movesOnEachReading = 1;
        dispatch(Timer1_Timer);
        QCOMPARE(int(Module1.ClockSeconds), 44);
        QCOMPARE(int(Module1.NextTickSecond), 2);
        dispatch(Timer1_Timer);
        QCOMPARE(int(Module1.ClockSeconds), 43);
    }

    void aTickTwoSecondsLateStepsOnceAndWaitsForTheNextSecondFromNow() {
        game_.clock.second = 3;  // second 1 was awaited, and missed
        dispatch(Timer1_Timer);
        QCOMPARE(int(Module1.ClockSeconds), 44);
        QCOMPARE(int(Module1.NextTickSecond), 4);
        dispatch(Timer1_Timer);
        QCOMPARE(int(Module1.ClockSeconds), 44);
    }

    // However late the ticks come, every tick in a new second of the time of day steps. (A tick
    // 59 seconds late reads as one second early: the second of the minute cannot tell them apart.)
    void theCountdownNeverStandsStillForMoreThanASecond() {
        int second = 0;
        int steps = 0;
        for (int gap : {1, 2, 1, 5, 1, 3, 1, 1, 7, 2, 1, 30, 1, 58, 1, 1}) {
            second = (second + gap) % 60;
            game_.clock.second = second;
            const int before = Module1.ClockSeconds + 60 * Module1.ClockMinutes;
            dispatch(Timer1_Timer);
            dispatch(Timer1_Timer);
            QCOMPARE(before - (Module1.ClockSeconds + 60 * Module1.ClockMinutes), 1);
            ++steps;
        }
        QCOMPARE(int(Module1.ClockSeconds + 60 * Module1.ClockMinutes), 165 - steps);
    }

    void theRunningTimerDrivesTheClock() {
        game_.clock.second = 1;
        QVERIFY(QTest::qWaitFor([] { return clockBox() == "2:44"; }, 5000));
    }

    // How to play stops the clock: over a minute of reading on Hard loses nothing, with the
    // board's face over its controls, and the clock goes on from where it stood, the board as it was.
    void theRulesStopTheClockWhileTheyAreOpen() {
        game_.draws.queueCode("1234");
        dispatch(hHard_Click);
        auto* timer = boardWidget()->findChild<QTimer*>("Timer1");
        game_.clock.second = (game_.clock.second + 2) % 60;
        dispatch(Timer1_Timer);
        dispatch(Timer1_Timer);
        QCOMPARE(clockBox(), QString("0:54"));
        QWidget* face = control<QWidget>("Form1Client");
        const QImage board = face->grab().toImage();
        dispatch(hHowToPlay_Click);
        QImage plain = board;
        plain.fill(board.pixel(0, 0));
        QCOMPARE(face->grab().toImage(), plain);
        for (int s = 0; s < 75; ++s) {  // the timer, were it running, would step each second
            game_.clock.second = (game_.clock.second + 1) % 60;
            if (timer->isActive())
                dispatch(Timer1_Timer);
        }
        QCOMPARE(clockBox(), QString("0:54"));
        dispatch(Form3_Command1_Click);
        QCOMPARE(face->grab().toImage(), board);
        dispatch(Timer1_Timer);  // no step in the second the rules closed
        QCOMPARE(clockBox(), QString("0:54"));
        QCOMPARE(countDown(), countdownFrom(0, 54));
        expectLostOnTime();
    }

    void afterAWinTheClockStopsAtItsLastValue() {
        game_.clock.second = 1;
        dispatch(Timer1_Timer);
        dispatch(Timer1_Timer);
        fillRow(1, "1234");
        pressShow();
        QVERIFY(!boardWidget()->findChild<QTimer*>("Timer1")->isActive());
        QCOMPARE(clockBox(), QString("2:44"));
        QCOMPARE(control<QLabel>("Label35")->text(), QString("You Won !"));
    }

private:
    // Runs the clock a second at a time, two ticks a second, until the game is lost on time;
    // returns what the clock box showed after each step.
    QStringList countDown() {
        QStringList shown;
        steps_ = 0;
        auto* timer = boardWidget()->findChild<QTimer*>("Timer1");
        for (int second = game_.clock.second + 1; timer->isActive() && steps_ < 400; ++second) {
            game_.clock.second = second % 60;
            const int before = Module1.ClockSeconds;
            dispatch(Timer1_Timer);
            if (!timer->isActive()) {  // the step that runs out of time
                ++steps_;
                break;
            }
            const bool stepped = Module1.ClockSeconds != before;
            dispatch(Timer1_Timer);
            if (stepped) {
                ++steps_;
                shown << clockBox();
            }
        }
        return shown;
    }

    void expectLostOnTime() {
        QCOMPARE(clockBox(), QString("0:00"));
        QVERIFY(!control<QLineEdit>("Text1")->isEnabled());
        QVERIFY(!boardWidget()->findChild<QTimer*>("Timer1")->isActive());
        QCOMPARE(control<QLabel>("Label35")->text(), QString("You Lost !"));
        QCOMPARE(revealedCode(), QString("1234"));
        QVERIFY(!control<QPushButton>("Command1")->isEnabled());
    }

    static void dispatch(void (*handler)()) { platform::dispatch(handler); }

    int steps_ = 0;
};

TARVO_TEST_MAIN(ClockTest)
#include "tst_clock.moc"
