// SPDX-License-Identifier: MIT
// Start-up, File > New and File > Exit.
#include "control/start_up.h"
#include "game/module1.h"
#include "platform/services/application.h"
#include "platform/services/picture.h"
#include "platform/services/program_folder.h"
#include "support/board.h"
#include "support/fakes.h"
#include "windows/board_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <set>

using namespace tarvo;
using testing::control;

namespace {

std::string code() {
    std::string digits;
    for (int k = 1; k <= 4; ++k)
        digits += char('0' + Module1.SecretCode(k));
    return digits;
}

void chooseNew() { testing::menuItem("nNew")->trigger(); }

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Module1 = {}; }
    void cleanup() { testing::closeEverything(); }

    void startSetsUpAGameAtNormalWithTwoFortyFive() {
        testing::FakeTimeOfDay clock;
        clock.second = 10;
        testing::startGame();
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString("2:45"));
        QCOMPARE(int(Module1.CurrentRow), 1);
        QCOMPARE(int(Module1.InPlaceCount), 0);
        QCOMPARE(int(Module1.OutOfPlaceCount), 0);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(Module1.ExactMark(k), kFalse);
        QCOMPARE(int(Module1.ClockMinutes), 2);
        QCOMPARE(int(Module1.ClockSeconds), 45);
        QCOMPARE(int(Module1.MinuteBorrows), 0);
        QCOMPARE(int(Module1.NextTickSecond), 11);
        QVERIFY(!Form1().hHard.isChecked());
        QVERIFY(Form1().nNormal.isChecked());
        QVERIFY(!Form1().eEasy.isChecked());
    }

    void drawsMapOntoTheSixDigits_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("digit");
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("just below 1/6") << 1 / 6.0 - 1e-9 << 1;
        QTest::newRow("1/6") << 1 / 6.0 + 1e-12 << 2;
        QTest::newRow("one half") << 0.5 << 4;
        QTest::newRow("5/6") << 5 / 6.0 + 1e-12 << 6;
        QTest::newRow("just below 1") << 1 - 1e-12 << 6;
    }
    void drawsMapOntoTheSixDigits() {
        QFETCH(double, draw);
        QFETCH(int, digit);
        testing::FixedDraws draws;
        draws.draws = {draw, draw, draw, draw};
        testing::startGame();
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(int(Module1.SecretCode(k)), digit);
    }

    void codesVaryFromGameToGameWithTheClockStandingStill() {
        testing::FakeTimeOfDay clock;
        testing::startGame();
        std::set<std::string> codes;
        for (int game = 0; game < 300; ++game) {
            chooseNew();
            for (int k = 1; k <= 4; ++k)
                QVERIFY(Module1.SecretCode(k) >= 1 && Module1.SecretCode(k) <= 6);
            codes.insert(code());
        }
        testing::flushDeletedWindows();
        QVERIFY2(codes.size() > 250, qPrintable(QString::number(codes.size())));
    }

    void newInTheMiddleOfAGameGivesAFreshBoardAndResetsWhatStartUpSets() {
        testing::FixedDraws draws;
        draws.queueCode("1111");
        testing::startGame();

        // A game under way, and everything an ending changes.
        BoardWindow& old = Form1();
        old.slot(1, 1).setCaption("3");
        old.slot(1, 1).setEnabled(false);
        old.slot(2, 1).setEnabled(true);
        old.peg(1, 1).setPicture(platform::loadPicture(platform::programFolder() + "\\Ikone\\namest~1.ico"));
        old.Label35.setCaption("You Won !");
        old.codeLabel(1).setCaption("1");
        old.Command1.setEnabled(false);
        old.Text1.setText("0:17");
        old.Text1.setEnabled(false);
        old.Timer1.setEnabled(false);
        old.tile(3).setEnabled(false);
        Module1.CurrentRow = 4;
        Module1.InPlaceCount = 2;
        Module1.OutOfPlaceCount = 1;
        Module1.ExactMark(2) = kTrue;
        Module1.ClockMinutes = 0;
        Module1.ClockSeconds = 17;
        Module1.MinuteBorrows = 2;

        draws.queueCode("6543");
        chooseNew();

        QCOMPARE(code(), std::string("6543"));
        QCOMPARE(int(Module1.CurrentRow), 1);
        QCOMPARE(int(Module1.InPlaceCount), 0);
        QCOMPARE(int(Module1.OutOfPlaceCount), 0);
        QCOMPARE(Module1.ExactMark(2), kFalse);
        QCOMPARE(int(Module1.ClockMinutes), 2);
        QCOMPARE(int(Module1.ClockSeconds), 45);
        QCOMPARE(int(Module1.MinuteBorrows), 0);

        for (int r = 1; r <= 6; ++r)
            for (int p = 1; p <= 4; ++p) {
                QCOMPARE(Form1().slot(r, p).caption(), std::string());
                QCOMPARE(Form1().slot(r, p).isEnabled(), r == 1);
                QVERIFY(Form1().peg(r, p).picture().isEmpty());
            }
        QCOMPARE(control<QLabel>("Label35")->text(), QString());
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(Form1().codeLabel(k).caption(), std::string());
        QVERIFY(control<QPushButton>("Command1")->isEnabled());
        QVERIFY(control<QLineEdit>("Text1")->isEnabled());
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString("2:45"));
        QVERIFY(testing::boardWidget()->findChild<QTimer*>("Timer1")->isActive());
        for (int d = 1; d <= 6; ++d)
            QVERIFY(Form1().tile(d).isEnabled());
    }

    void newReplacesTheWindowAndCentresItAgain() {
        testing::startGame();
        QPointer<QWidget> old = testing::boardWidget();
        old->move(0, 0);
        chooseNew();
        testing::flushDeletedWindows();
        QVERIFY(old.isNull());
        QWidget* board = testing::boardWidget();
        QVERIFY(board);
        const QPoint screenCentre = board->screen()->availableGeometry().center();
        QVERIFY(std::abs(board->frameGeometry().center().x() - screenCentre.x()) <= 1);
        QVERIFY(std::abs(board->frameGeometry().center().y() - screenCentre.y()) <= 1);
    }

    // A handler that restarts the game goes on with the new window.
    void stepsAfterTheRestartActOnTheNewWindow() {
        testing::startGame();
        platform::dispatch([] {
            restartGame();
            Form1().Text1.setText("0:55");
        });
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString("0:55"));
    }

    void exitEndsTheProgramAtOnce() {
        testing::startGame();
        testing::menuItem("eExit")->trigger();
        QVERIFY(!Form1.isLoaded());
        QVERIFY(!testing::boardWidget());
        QVERIFY(platform::programEnding());
        QCOMPARE(platform::exitStatus(), 0);
    }

    void closingTheBoardWindowEndsTheProgram() {
        testing::startGame();
        testing::boardWidget()->close();
        QVERIFY(!Form1.isLoaded());
        QVERIFY(platform::programEnding());
        QCOMPARE(platform::exitStatus(), 0);
    }
};

TARVO_TEST_MAIN(StartUpTest)
#include "tst_start_up.moc"
