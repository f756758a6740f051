// SPDX-License-Identifier: MIT
// The About window: its layout, the board blocked while it is open, and every way back.
#include "game/module1.h"
#include "support/board_test.h"
#include "ui/about.h"
#include "windows/board_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

template <class T>
T* aboutControl(const char* name) {
    return aboutWidget() ? aboutWidget()->findChild<T*>(name) : nullptr;
}

void openAbout() { menuItem("aAbout")->trigger(); }

}  // namespace

class AboutTest : public BoardTest {
    Q_OBJECT

private slots:
    void theAboutWindowShowsWhoMadeTheGame() {
        openAbout();
        QWidget* about = aboutWidget();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QString("Tarvo"));
        QVERIFY(!about->windowIcon().isNull());
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QCOMPARE(about->findChild<QWidget*>("Form2Client")->size(), QSize(359, 150));
        QVERIFY(!about->findChild<QMenuBar*>());

        struct Expected {
            const char* name;
            QRect geometry;
            QString caption;
        };
        const Expected labels[] = {
            {"Label1", {39, 8, 97, 17}, "Author"},
            {"Label4", {159, 8, 160, 17}, "The Tarvo project"},
            {"Label7", {39, 32, 97, 17}, "E-Mail "},
            {"Label8", {159, 32, 161, 17}, "tarvo@tarvo.example"},
            {"Label3", {39, 56, 97, 17}, "Version" + QString(16, ' ')},
            {"Label6", {159, 56, 160, 17}, "1.00"},
            {"Label2", {39, 80, 97, 17}, "Created" + QString(15, ' ')},
            {"Label5", {159, 80, 160, 17}, "16.02.2003."},
        };
        for (const Expected& e : labels) {
            auto* label = aboutControl<QLabel>(e.name);
            QVERIFY2(label, e.name);
            QCOMPARE(label->geometry(), e.geometry);
            QCOMPARE(label->text(), e.caption);
            QCOMPARE(label->font().pointSizeF(), 8.25);
            QVERIFY(!label->font().bold());
            QVERIFY(label->alignment() & Qt::AlignLeft);
            QCOMPARE(label->frameShape(), QFrame::NoFrame);
        }
        auto* ok = aboutControl<QPushButton>("Command1");
        QVERIFY(ok);
        QCOMPARE(ok->geometry(), QRect(131, 112, 97, 25));
        QCOMPARE(ok->text(), QString("OK"));
        QCOMPARE(ok->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(ok->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    }

    void theBoardTakesNoInputWhileTheAboutWindowIsOpen() {
        fillRow(1, "5555");
        openAbout();
        QVERIFY(!Form1().isEnabled());

        pressShow();
        QCOMPARE(int(Module1.CurrentRow), 1);
        QVERIFY(!dropTile(3, 1, 1));
        QCOMPARE(captionsOf(1), QString("5555"));

        QMenuBar* bar = boardWidget()->findChild<QMenuBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(2)).center());
        QVERIFY(!bar->actions().at(2)->menu()->isVisible());  // Help > About cannot open again
        QTest::keyClick(control<QPushButton>("Command1"), Qt::Key_Space);
        QCOMPARE(int(Module1.CurrentRow), 1);

        boardWidget()->close();  // nor can the board window be closed
        QVERIFY(Form1.isLoaded());

        // It looks as it did: the controls keep their own enabled state.
        QVERIFY(control<QPushButton>("Command1")->isEnabled());
        QVERIFY(control<QLabel>("Label11")->isEnabled());
    }

    void theClockRunsOnAndCanRunOutWhileTheAboutWindowIsOpen() {
        openAbout();
        game_.clock.second = 1;
        QVERIFY(QTest::qWaitFor([] { return control<QLineEdit>("Text1")->text() == "2:44"; }, 5000));

        Module1.ClockMinutes = 0;
        Module1.ClockSeconds = 0;
        Module1.MinuteBorrows = 2;
        game_.clock.second = 2;
        QVERIFY(QTest::qWaitFor([] { return control<QLabel>("Label35")->text() == "You Lost !"; }, 5000));
        QVERIFY(aboutWidget());
        QTest::mouseClick(aboutControl<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(Form1().isEnabled());
        QCOMPARE(revealedCode(), QString("1234"));
    }

    // About and How to play alike: opened from Help, each blocks the board until closed.
    void everyWayOfClosingAWindowOverTheBoardGivesTheBoardBack_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("way");
        for (const char* item : {"aAbout", "hHowToPlay"}) {
            QTest::addRow("%s, OK", item) << item << 0;
            QTest::addRow("%s, close button", item) << item << 1;
            QTest::addRow("%s, Escape", item) << item << 2;
            QTest::addRow("%s, Enter on OK", item) << item << 3;
        }
    }
    void everyWayOfClosingAWindowOverTheBoardGivesTheBoardBack() {
        QFETCH(QString, item);
        QFETCH(int, way);
        fillRow(1, "5566");
        pressShow();
        dropTile(2, 2, 3);
        menuItem(item)->trigger();
        QWidget* over = item == "aAbout" ? aboutWidget() : rulesWidget();
        QVERIFY(over);
        QCOMPARE(over->parentWidget(), boardWidget());  // a dialog of the board: kept above it
        QVERIFY(!Form1().isEnabled());
        auto* ok = over->findChild<QPushButton*>("Command1");
        QCOMPARE(over->focusWidget(), ok);  // a screen reader reads the window with it
        switch (way) {
            case 0:
                QTest::mouseClick(ok, Qt::LeftButton);
                break;
            case 1:
                over->close();
                break;
            case 2:
                QTest::keyClick(ok, Qt::Key_Escape);
                break;
            case 3:
                QTest::keyClick(ok, Qt::Key_Return);
                break;
        }
        flushDeletedWindows();
        QVERIFY(!aboutWidget() && !rulesWidget());
        QVERIFY(Form1().isEnabled());

        // The game goes on where it was.
        QCOMPARE(int(Module1.CurrentRow), 2);
        QCOMPARE(captionsOf(2), QString("  2 "));
        fillRow(2, "1234");
        pressShow();
        QCOMPARE(control<QLabel>("Label35")->text(), QString("You Won !"));
    }
};

TARVO_TEST_MAIN(AboutTest)
#include "tst_about.moc"
