// SPDX-License-Identifier: MIT
// The menus chosen with real mouse clicks (xdotool, through forward_clicks.sh) on a real X display, a few
// dozen times: each New and level choice re-creates the window from inside its own menu, and How to play and
// About block and unblocks it; and keys (xdotool too) typed once a menu closes. Run under valgrind's memcheck
// too, which sees what the address sanitizer cannot inside the toolkit's own libraries.
#include "game/module1.h"
#include "support/board.h"
#include "support/real_display.h"
#include "windows/board_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <cstdio>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

constexpr int kPatience = 120000;  // milliseconds; memcheck runs the toolkit many times slower

// forward_clicks.sh, which runs this test, gives the click with xdotool.
void click(const QPoint& where) {
    std::printf("tarvo-click %d %d\n", where.x(), where.y());
    std::fflush(stdout);
}

// Presses keys (xdotool's names: "alt+l", "Escape", "1") in the window with the keyboard focus.
void type(const char* keys) {
    std::printf("tarvo-key %s\n", keys);
    std::fflush(stdout);
}

// Opens menu `title` of the board's menu bar and clicks its item `item`, both with the mouse.
bool choose(int title, int item) {
    QMenuBar* bar = boardWidget()->findChild<QMenuBar*>();
    QAction* menuAction = bar->actions().at(title);
    click(bar->mapToGlobal(bar->actionGeometry(menuAction).center()));
    QMenu* menu = menuAction->menu();
    if (!QTest::qWaitFor([&] { return menu->isVisible(); }, kPatience))
        return false;
    QTest::qWait(100);
    click(menu->mapToGlobal(menu->actionGeometry(menu->actions().at(item)).center()));
    return true;
}

}  // namespace

class RealMenusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb")
            testing::skipEverything("needs a real X display: run through with_xvfb.sh");
    }
    void cleanup() { closeEverything(); }

    void newLevelsHowToPlayAndAboutChosenWithTheMouse() {
        game_.start("1234");
        QVERIFY(QTest::qWaitForWindowExposed(boardWidget(), kPatience));
        struct Choice {
            int title;
            int item;
            const char* clock;
        };
        const Choice choices[] = {{0, 0, "2:45"}, {1, 0, "0:55"},  {1, 1, "2:45"},
                                  {1, 2, "4:55"}, {2, 0, nullptr}, {2, 1, nullptr}};
        for (int n = 0; n < 30; ++n) {
            const Choice& choice = choices[n % 6];
            QWidget* before = boardWidget();
            QVERIFY(choose(choice.title, choice.item));
            if (choice.clock) {
                QVERIFY(QTest::qWaitFor([&] { return boardWidget() && boardWidget() != before; }, kPatience));
                QVERIFY(QTest::qWaitForWindowExposed(boardWidget(), kPatience));
                QCOMPARE(control<QLineEdit>("Text1")->text(), QString(choice.clock));
            } else {
                // Help > How to play, Help > About: a window over the board.
                const auto over = [&] { return choice.item == 0 ? rulesWidget() : aboutWidget(); };
                QVERIFY(QTest::qWaitFor([&] { return over() != nullptr; }, kPatience));
                QVERIFY(QTest::qWaitForWindowExposed(over(), kPatience));
                QVERIFY(!Form1().isEnabled());
                auto* ok = over()->findChild<QPushButton*>("Command1");
                click(ok->mapToGlobal(ok->rect().center()));
                QVERIFY(QTest::qWaitFor([] { return Form1().isEnabled(); }, kPatience));
            }
        }
        flushDeletedWindows();
    }

    // However a menu closes, the next key plays on the board; a menu bar left with the keys would
    // show nothing, and Return there would choose an item nobody sees: the game would be lost.
    void keysPlayOnTheBoardOnceAMenuCloses() {
        game_.start("1234");
        QWidget* board = boardWidget();
        QVERIFY(QTest::qWaitForWindowExposed(board, kPatience));
        board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(board, kPatience));
        QMenuBar* bar = board->findChild<QMenuBar*>();
        QMenu* level = bar->actions().at(1)->menu();

        // Opened with the mouse, closed with Escape; then Return twice, on a row still empty.
        click(bar->mapToGlobal(bar->actionGeometry(level->menuAction()).center()));
        QVERIFY(QTest::qWaitFor([&] { return level->isVisible(); }, kPatience));
        type("Escape");
        QVERIFY(QTest::qWaitFor([&] { return !level->isVisible(); }, kPatience));
        type("Return Return 1");
        QVERIFY(QTest::qWaitFor([] { return boardWidget() && captionsOf(1) == "1   "; }, kPatience));
        // The same game: a new one, at any level, is a new window (the old one deleted: no QCOMPARE).
        QVERIFY2(boardWidget() == board, "a menu item was chosen");
        QVERIFY(menuItem("nNormal")->isChecked() && !menuItem("hHard")->isChecked());
        QCOMPARE(Module1.CurrentRow, 1);

        // Opened with its access key, closed with Escape.
        type("alt+l");
        QVERIFY(QTest::qWaitFor([&] { return level->isVisible(); }, kPatience));
        type("Escape 2");
        QVERIFY(QTest::qWaitFor([] { return captionsOf(1) == "12  "; }, kPatience));

        // Alt pressed and released alone.
        type("alt 3");
        QVERIFY(QTest::qWaitFor([] { return captionsOf(1) == "123 "; }, kPatience));

        // F10 opens the first menu.
        QMenu* file = bar->actions().at(0)->menu();
        type("F10");
        QVERIFY(QTest::qWaitFor([&] { return file->isVisible(); }, kPatience));
        type("Escape 4");
        QVERIFY(QTest::qWaitFor([] { return captionsOf(1) == "1234"; }, kPatience));
        QVERIFY(boardWidget() == board);
    }

private:
    FixedGame game_;
};

TARVO_TEST_MAIN(RealMenusTest)
#include "tst_real_menus.moc"
