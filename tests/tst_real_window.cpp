// SPDX-License-Identifier: MIT
// The real window on a real X display: digits dragged with the mouse (xdotool moves it), "Show"
// and the menus clicked, a game won and a game lost; a game won with the keys alone.
#include "game/module1.h"
#include "support/board.h"
#include "support/fakes.h"
#include "support/real_display.h"
#include "windows/board_window.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

QPoint centreOf(const QWidget* w) { return w->mapToGlobal(w->rect().center()); }

QLabel* slotWidget(int row, int position) { return control<QLabel>(slotName(row, position)); }

// Runs xdotool while this program's event loop goes on (a drag runs inside it).
bool xdotool(const QStringList& commands) {
    QProcess process;
    process.start("xdotool", commands);
    if (!process.waitForStarted())
        return false;
    const bool done = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000);
    return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList dragCommands(int digit, int row, int position) {
    return testing::dragCommands(centreOf(control<QLabel>(tileName(digit))),
                                 centreOf(slotWidget(row, position)));
}

bool dragRow(int row, const char* digits) {
    QStringList commands;
    for (int p = 1; p <= 4; ++p)
        commands << dragCommands(digits[p - 1] - '0', row, p);
    return xdotool(commands) && QTest::qWaitFor([&] { return captionsOf(row) == digits; }, 10000);
}

bool click(const QPoint& where) { return xdotool(clickAt(where)); }

bool clickShow() { return click(centreOf(control<QPushButton>("Command1"))); }

// Presses keys (xdotool's names: "1", "KP_3", "Return", "Left") in the window with the focus.
bool typeKeys(const QStringList& keys) { return xdotool(QStringList{"key", "--delay", "80"} + keys); }

bool startWithTheFocus(FixedGame& game, std::string_view code) {
    game.start(code);
    QWidget* board = boardWidget();
    if (!QTest::qWaitForWindowExposed(board))
        return false;
    board->activateWindow();
    return QTest::qWaitForWindowActive(board);
}

}  // namespace

class RealWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (const QString why = testing::whyNoRealDisplay(); !why.isEmpty())
            testing::skipEverything(why);
    }
    void cleanup() { closeEverything(); }

    void aGameIsWonAndThenLostWithTheMouse() {
        game_.start("1234");
        game_.draws.queueCode("6541");
        QVERIFY(QTest::qWaitForWindowExposed(boardWidget()));

        QVERIFY(dragRow(1, "2155"));
        QVERIFY(clickShow());
        QVERIFY(QTest::qWaitFor([] { return Module1.CurrentRow == 2; }, 10000));
        QCOMPARE(pegsOf(1), QString("oo--"));
        QVERIFY(!slotWidget(1, 1)->isEnabled());
        QVERIFY(slotWidget(2, 1)->isEnabled());

        QVERIFY(dragRow(2, "1234"));
        QVERIFY(clickShow());
        QVERIFY(QTest::qWaitFor([] { return control<QLabel>("Label35")->text() == "You Won !"; }, 10000));
        QCOMPARE(revealedCode(), QString("1234"));
        QCOMPARE(pegsOf(2), QString("iiii"));

        // A frozen tile starts no drag: row 3 is open but takes nothing.
        QVERIFY(xdotool(dragCommands(1, 3, 1)));
        QTest::qWait(200);
        QCOMPARE(captionsOf(3), QString("    "));

        // File > New with the mouse.
        QWidget* won = boardWidget();
        QMenuBar* bar = won->findChild<QMenuBar*>();
        QAction* file = bar->actions().at(0);
        QVERIFY(click(bar->mapToGlobal(bar->actionGeometry(file).center())));
        QVERIFY(QTest::qWaitFor([&] { return file->menu()->isVisible(); }, 10000));
        QMenu* menu = file->menu();
        QVERIFY(click(menu->mapToGlobal(menu->actionGeometry(menu->actions().at(0)).center())));
        QVERIFY(QTest::qWaitFor([&] { return boardWidget() && boardWidget() != won; }, 10000));
        QVERIFY(QTest::qWaitForWindowExposed(boardWidget()));
        QCOMPARE(control<QLabel>("Label35")->text(), QString());

        for (int r = 1; r <= 6; ++r) {
            QVERIFY(dragRow(r, "1111"));
            QVERIFY(clickShow());
            QVERIFY(QTest::qWaitFor([&] { return pegsOf(r) == "i---"; }, 10000));
        }
        QVERIFY(QTest::qWaitFor([] { return control<QLabel>("Label35")->text() == "You Lost !"; }, 10000));
        QCOMPARE(revealedCode(), QString("6541"));
    }

    // Keys alone, from the first digit to the win: main keys and keypad, the cursor moved with
    // Home, End and Left, "Show" with Return, Enter and Space. A digit typed after the win lands
    // nowhere. "Show" looks as it did with the focus, which the board's reading line has.
    void aGameIsWonWithTheKeysAlone() {
        QVERIFY(startWithTheFocus(game_, "3612"));
        auto* show = control<QPushButton>("Command1");
        QWidget* line = QApplication::focusWidget();
        const QImage looks = show->grab().toImage();
        show->setDefault(false);
        show->setFocus();
        QCOMPARE(looks, show->grab().toImage());
        show->setDefault(true);
        line->setFocus();
        QVERIFY(click(centreOf(control<QWidget>("Text1"))));  // the clock box leaves the keys to the board
        QVERIFY(typeKeys({"1", "1", "1", "1", "Return"}));
        QVERIFY(QTest::qWaitFor([] { return Module1.CurrentRow == 2; }, 10000));
        QCOMPARE(captionsOf(1), QString("1111"));
        QCOMPARE(pegsOf(1), QString("i---"));

        QVERIFY(typeKeys({"KP_6", "KP_3", "Home", "3", "End", "2", "Left", "1", "KP_Enter"}));
        QVERIFY(QTest::qWaitFor([] { return Module1.CurrentRow == 3; }, 10000));
        QCOMPARE(captionsOf(2), QString("3312"));
        QCOMPARE(pegsOf(2), QString("iii-"));

        QVERIFY(typeKeys({"3", "6", "1", "2", "space"}));
        QVERIFY(QTest::qWaitFor([] { return control<QLabel>("Label35")->text() == "You Won !"; }, 10000));
        QCOMPARE(revealedCode(), QString("3612"));
        QVERIFY(typeKeys({"5", "Home", "4"}));
        QTest::qWait(200);
        QCOMPARE(captionsOf(4), QString("    "));
    }

    // Clicks alone, for a player who cannot drag: a tile stays picked up for the slots after it,
    // so "1 1 2 2" takes six clicks and "Show" a seventh. A real drag puts a picked tile down, and
    // so does a click on the menu bar.
    void aGameIsWonByClicksAlone() {
        game_.start("1234");
        QVERIFY(QTest::qWaitForWindowExposed(boardWidget()));
        QVERIFY(xdotool(QStringList{clickAt(centreOf(control<QLabel>(tileName(5))))} +
                        testing::dragCommands(centreOf(control<QLabel>(tileName(6))),
                                              centreOf(control<QLabel>("Label35")))));
        QVERIFY(QTest::qWaitFor([] { return Form1().picked() == 0; }, 5000));
        QMenuBar* bar = boardWidget()->findChild<QMenuBar*>();  // a click on it puts a tile down too
        QVERIFY(xdotool(clickAt(centreOf(control<QLabel>(tileName(4)))) +
                        clickAt(bar->mapToGlobal(bar->actionGeometry(bar->actions().at(0)).center()))));
        QVERIFY(
            QTest::qWaitFor([] { return Form1().picked() == 0 && QApplication::activePopupWidget(); }, 5000));
        QVERIFY(typeKeys({"Escape"}));
        int clicks = 0;
        for (const auto& [row, digits] : {std::pair{1, "1122"}, std::pair{2, "1234"}}) {
            QStringList commands;
            for (int p = 1; p <= 4; ++p) {
                if (p == 1 || digits[p - 1] != digits[p - 2])
                    commands << clickAt(centreOf(control<QLabel>(tileName(digits[p - 1] - '0'))));
                commands << clickAt(centreOf(slotWidget(row, p)));
            }
            commands << clickAt(centreOf(control<QPushButton>("Command1")));
            clicks += int(commands.count("click"));
            QVERIFY(xdotool(commands));
            QVERIFY(QTest::qWaitFor([&] { return captionsOf(row) == digits && Module1.CurrentRow != row; },
                                    10000));
        }
        QVERIFY(QTest::qWaitFor([] { return control<QLabel>("Label35")->text() == "You Won !"; }, 10000));
        QCOMPARE(clicks, 7 + 9);
    }

    // About and How to play are modal dialogs of the board: the window manager keeps each above
    // it and offers no maximising; after a click on the board, Escape still closes it.
    void windowsOverTheBoardStayAboveIt() {
        QVERIFY(startWithTheFocus(game_, "1234"));
        const auto property = [](const QString& window, const char* name) {
            QProcess xprop;
            xprop.start("xprop", {window == "root" ? "-root" : "-id", window, name});
            xprop.waitForFinished();
            return QString::fromLatin1(xprop.readAllStandardOutput()).trimmed();
        };
        const auto rootProperty = [&](const char* name) { return property("root", name); };
        const auto id = [](const QWidget* w) { return QString("0x%1").arg(w->winId(), 0, 16); };
        QVERIFY2(rootProperty("_NET_SUPPORTING_WM_CHECK").contains("window id"),
                 "no window manager: with_xvfb.sh starts one with TARVO_XVFB_WM=openbox");
        for (const QString item : {"aAbout", "hHowToPlay"}) {
            menuItem(item)->trigger();
            QWidget* over = item == "aAbout" ? aboutWidget() : rulesWidget();
            QVERIFY(over && QTest::qWaitForWindowExposed(over));
            const QString state = property(id(over), "_NET_WM_STATE");
            QVERIFY2(state.contains("_NET_WM_STATE_MODAL"), qPrintable(item + ": " + state));
            QVERIFY(property(id(over), "WM_TRANSIENT_FOR").endsWith(id(boardWidget())));
            // Openbox offers minimising and full screen for every dialog, whatever its hints.
            const QString actions = property(id(over), "_NET_WM_ALLOWED_ACTIONS");
            QVERIFY2(actions.contains("_NET_WM_ACTION_CLOSE") && !actions.contains("MAXIMIZE"),
                     qPrintable(item + ": " + actions));
            QVERIFY(click(centreOf(control<QWidget>("Text1"))));  // the board, where the dialog is not
            QTest::qWait(300);
            const QString stacking = rootProperty("_NET_CLIENT_LIST_STACKING");  // bottom to top
            const QStringList windows = stacking.section('#', 1).trimmed().split(", ");
            const auto place = [&](const QWidget* w) { return windows.indexOf(id(w)); };
            QVERIFY2(place(boardWidget()) >= 0 && place(over) > place(boardWidget()),
                     qPrintable(QString("%1 is not above the board: %2").arg(item, stacking)));
            QVERIFY(typeKeys({"Escape"}));
            QVERIFY2(QTest::qWaitFor([&] { return Form1().isEnabled(); }, 10000),
                     qPrintable(item + " took no Escape after a click on the board"));
            flushDeletedWindows();
        }
    }

private:
    FixedGame game_;
};

TARVO_TEST_MAIN(RealWindowTest)
#include "tst_real_window.moc"
