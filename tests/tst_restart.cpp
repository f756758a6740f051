// SPDX-License-Identifier: MIT
// Re-creating the board window from its own menu, many times over.
#include "support/board.h"
#include "windows/board_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

using namespace tarvo;

class RestartTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { testing::closeEverything(); }

    void aThousandNewGamesLeaveNoWidgetBehind() {
        testing::startGame();
        testing::flushDeletedWindows();
        const qsizetype widgetsAtStart = QApplication::allWidgets().size();
        for (int n = 0; n < 1000; ++n) {
            testing::menuItem("nNew")->trigger();
            QVERIFY(testing::boardWidget());
            QCoreApplication::processEvents();  // as the event loop does between two clicks
            testing::flushDeletedWindows();
        }
        testing::flushDeletedWindows();
        QCOMPARE(QApplication::allWidgets().size(), widgetsAtStart);
        QCOMPARE(testing::control<QLineEdit>("Text1")->text(), QString("2:45"));
    }

    // Through the menu bar with the keyboard, so that the menu that runs New is still on the
    // stack when the window it belongs to is unloaded.
    void newThroughTheOpenMenu() {
        testing::startGame();
        for (int n = 0; n < 20; ++n) {
            QWidget* board = testing::boardWidget();
            board->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(board));
            QMenuBar* bar = board->findChild<QMenuBar*>();
            QAction* file = bar->actions().at(0);
            bar->setActiveAction(file);
            QVERIFY(QTest::qWaitFor([&] { return file->menu()->isVisible(); }));
            QTest::keyClick(file->menu(), Qt::Key_N);  // the access key of "&New"
            QVERIFY(
                QTest::qWaitFor([&] { return testing::boardWidget() && testing::boardWidget() != board; }));
            QCoreApplication::processEvents();
        }
    }
};

TARVO_TEST_MAIN(RestartTest)
#include "tst_restart.moc"
