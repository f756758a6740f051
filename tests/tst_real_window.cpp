// SPDX-License-Identifier: MIT
// The real window on a real X display: digits dragged with the mouse (xdotool moves it), "Show"
// and the menus clicked, a game won and a game lost; a game won with the keys alone; and the
// same keys heard on the accessibility bus by a screen reader's client library.
#include "game/module1.h"
#include "support/board.h"
#include "support/fakes.h"
#include "support/real_display.h"
#include "ui/board_window.h"

#include <QAction>
#include <QGuiApplication>
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

// A screen reader's client on the accessibility bus, in a process of its own: the lines it
// heard, "focus<TAB>name<TAB>description" and "name<TAB>name".
class ScreenReader {
public:
    ScreenReader() {
        process_.start("/usr/bin/python3", {qEnvironmentVariable("TARVO_AT_SPI_LISTENER")});
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] {
            while (process_.canReadLine())
                heard_ << QString::fromUtf8(process_.readLine()).chopped(1);
        });
    }
    ~ScreenReader() {
        process_.kill();
        process_.waitForFinished();
    }
    QString whyNotListening() {
        if (QTest::qWaitFor([&] { return heard_.contains("ready"); }, 15000))
            return {};
        return "the AT-SPI client did not start: " + QString::fromUtf8(process_.readAllStandardError());
    }
    // Waits for a focus line whose name is "name"; gives its description, or a null string.
    QString focusOn(const QString& name) {
        QString description;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                for (const QString& line : std::as_const(heard_)) {
                    const QStringList f = line.split('\t');
                    if (f.size() == 3 && f[0] == "focus" && f[1] == name) {
                        description = f[2].isNull() ? QString("") : f[2];
                        qInfo("heard: %s (%s)", qPrintable(name), qPrintable(description));
                        return true;
                    }
                }
                return false;
            },
            10000));
        return description;
    }
    QStringList heard() const { return heard_; }

private:
    QProcess process_;
    QStringList heard_;
};

}  // namespace

class RealWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (const QString why = testing::whyNoRealDisplay(); !why.isEmpty())
            QSKIP(qPrintable(why));
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
    // Home, End and Left, "Show" with Return and Enter. A digit typed after the win lands nowhere.
    void aGameIsWonWithTheKeysAlone() {
        QVERIFY(startWithTheFocus(game_, "3612"));
        QVERIFY(typeKeys({"1", "1", "1", "1", "Return"}));
        QVERIFY(QTest::qWaitFor([] { return Module1.CurrentRow == 2; }, 10000));
        QCOMPARE(captionsOf(1), QString("1111"));
        QCOMPARE(pegsOf(1), QString("i---"));

        QVERIFY(typeKeys({"KP_6", "KP_3", "Home", "3", "End", "2", "Left", "1", "KP_Enter"}));
        QVERIFY(QTest::qWaitFor([] { return Module1.CurrentRow == 3; }, 10000));
        QCOMPARE(captionsOf(2), QString("3312"));
        QCOMPARE(pegsOf(2), QString("iii-"));

        QVERIFY(typeKeys({"3", "6", "1", "2", "Return"}));
        QVERIFY(QTest::qWaitFor([] { return control<QLabel>("Label35")->text() == "You Won !"; }, 10000));
        QCOMPARE(revealedCode(), QString("3612"));
        QVERIFY(typeKeys({"5", "Home", "4"}));
        QTest::qWait(200);
        QCOMPARE(captionsOf(4), QString("    "));

        // The menus' access keys still open them.
        QMenu* level = boardWidget()->findChild<QMenuBar*>()->actions().at(1)->menu();
        QVERIFY(typeKeys({"alt+l"}));
        QVERIFY(QTest::qWaitFor([&] { return level->isVisible(); }, 10000));
        QVERIFY(typeKeys({"Escape"}));
    }

    // Runs under with_at_spi.sh: what a screen reader's client hears of a game played with keys.
    void aScreenReaderHearsTheGame() {
        if (qEnvironmentVariableIsEmpty("TARVO_AT_SPI_LISTENER"))
            QSKIP("needs the accessibility bus: run through with_at_spi.sh");
        ScreenReader reader;
        if (const QString why = reader.whyNotListening(); !why.isEmpty())
            QSKIP(qPrintable(why));
        QVERIFY(startWithTheFocus(game_, "3612"));

        // The slot under the cursor, with its digit.
        QVERIFY(typeKeys({"1", "1", "1", "1"}));
        QVERIFY2(!reader.focusOn("Row 1, position 4: 1").isNull(), qPrintable(reader.heard().join('\n')));
        // The score in words, one step from the focus.
        QVERIFY(typeKeys({"Return"}));
        const QString score = reader.focusOn("Row 2, position 1");
        QVERIFY2(score.startsWith("Row 1: 1 in place, 0 out of place"),
                 qPrintable(reader.heard().join('\n')));
        // The ending and the code.
        QVERIFY(typeKeys({"3", "6", "1", "2", "Return"}));
        QCOMPARE(reader.focusOn("Message: You Won !"), QString("The code was 3 6 1 2"));
    }

private:
    FixedGame game_;
};

QTEST_MAIN(RealWindowTest)
#include "tst_real_window.moc"
