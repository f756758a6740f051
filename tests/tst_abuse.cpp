// SPDX-License-Identifier: MIT
// What a careless player, another program or a broken installation can throw at the game: each
// gives the behaviour the game defines, never a crash, a hang or a leak.
#include "control/clock.h"
#include "control/levels.h"
#include "control/start_up.h"
#include "game/module1.h"
#include "platform/services/program_folder.h"
#include "support/board_test.h"
#include "ui/about.h"
#include "windows/board_window.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

QString clockBox() { return control<QLineEdit>("Text1")->text(); }

QString board() {
    QString rows;
    for (int r = 1; r <= 6; ++r)
        rows += captionsOf(r) + pegsOf(r) + '|';
    return rows;
}

qsizetype liveWidgets() {
    flushDeletedWindows();
    return QApplication::allWidgets().size();
}

}  // namespace

class AbuseTest : public BoardTest {
    Q_OBJECT

private slots:
    void malformedDropsChangeNothing_data() {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("a megabyte of digits") << QByteArray(1 << 20, '3');
        QTest::newRow("invalid UTF-8") << QByteArray("\xc3\x28\xa0\xa1", 4);
        QTest::newRow("a digit and a NUL") << QByteArray("3\0", 2);
        QTest::newRow("a digit in full width") << QByteArray("\xef\xbc\x93");
        QTest::newRow("a negative digit") << QByteArray("-3");
        QTest::newRow("a fraction") << QByteArray("3.5");
    }
    void malformedDropsChangeNothing() {
        QFETCH(QByteArray, payload);
        const QString before = board();
        for (int p = 1; p <= 4; ++p)
            QVERIFY(!dropOn(control<QLabel>(QString("Label1%1").arg(p)), payload));
        QCOMPARE(board(), before);
    }

    void anythingTypedOrPastedIntoTheClockBoxGivesWayAtOnce_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("a long line") << QString(200000, 'x');
        QTest::newRow("right-to-left and emoji")
            << QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d \xf0\x9f\x98\x80");
        QTest::newRow("control characters") << QString::fromUtf8("\x01\x02\t\r\x7f");
        QTest::newRow("a clock of its own") << QString("9:99");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800));
    }
    void anythingTypedOrPastedIntoTheClockBoxGivesWayAtOnce() {
        QFETCH(QString, text);
        auto* clock = control<QLineEdit>("Text1");
        QGuiApplication::clipboard()->setText(text);
        clock->setFocus();
        clock->selectAll();
        clock->paste();
        QCOMPARE(clockBox(), QString("2:45"));
        QTest::keyClicks(clock, "12:34 typed");
        QCOMPARE(clockBox(), QString("2:45"));  // before any further event, as at every tick
        QCOMPARE(int(Module1.ClockSeconds), 45);
    }

    void manyRestartsInsideOneEventLoopTurn() {
        const qsizetype widgets = liveWidgets();
        platform::dispatch([] {
            for (int n = 0; n < 100; ++n) {
                nNew_Click();
                hHard_Click();
                eEasy_Click();
                nNormal_Click();
            }
        });
        QCOMPARE(liveWidgets(), widgets);
        QCOMPARE(clockBox(), QString("2:45"));
        QVERIFY(Form1().nNormal.isChecked());

        // Clicks queued on the menu of a window that is gone by the time they arrive do nothing.
        QAction* oldNew = menuItem("nNew");
        QAction* oldHard = menuItem("hHard");
        for (int n = 0; n < 50; ++n) {
            QTimer::singleShot(0, oldNew, &QAction::trigger);
            QTimer::singleShot(0, oldHard, &QAction::trigger);
        }
        QWidget* before = boardWidget();
        QCoreApplication::processEvents();
        QCOMPARE(liveWidgets(), widgets);
        QVERIFY(boardWidget() != before);
        QCOMPARE(clockBox(), QString("2:45"));  // the first New ran; the rest found no window
        QVERIFY(Form1().nNormal.isChecked());
    }

    void theAboutWindowOpenedAndClosedAThousandTimes() {
        fillRow(1, "5566");
        const qsizetype widgets = liveWidgets();
        for (int n = 0; n < 1000; ++n) {
            menuItem("aAbout")->trigger();
            QWidget* about = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "Form2" && w->isVisible())
                    about = w;
            QVERIFY(about);
            QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
            if (n % 100 == 0)
                flushDeletedWindows();
        }
        QCOMPARE(liveWidgets(), widgets);
        QVERIFY(Form1().isEnabled());
        QCOMPARE(captionsOf(1), QString("5566"));
    }

    // A broken installation: the icon is not there, or not a picture. Setting a peg then is a
    // run-time error naming the file; the game never shows a blank where a peg should be.
    void aBrokenIconFolderIsARunTimeErrorNamingTheFile_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("no Ikone folder") << QString("missing folder");
        QTest::newRow("an empty Ikone folder") << QString("empty folder");
        QTest::newRow("an icon that is text") << QString("text");
        QTest::newRow("an empty icon file") << QString("empty file");
        QTest::newRow("a truncated icon") << QString("truncated");
        QTest::newRow("a folder where the icon should be") << QString("folder");
    }
    void aBrokenIconFolderIsARunTimeErrorNamingTheFile() {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString icon = dir.path() + "/Ikone/namest~1.ico";
        if (damage != "missing folder")
            QDir(dir.path()).mkdir("Ikone");
        if (damage == "text" || damage == "empty file" || damage == "truncated") {
            QFile file(icon);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (damage == "text")
                file.write("not a picture\n");
            if (damage == "truncated") {
                QFile real(QString::fromStdString(platform::programFolder()) + "/Ikone/namest~1.ico");
                QVERIFY(real.open(QIODevice::ReadOnly));
                file.write(real.read(30));
            }
        }
        if (damage == "folder")
            QDir(dir.path()).mkpath("Ikone/namest~1.ico");
        platform::setProgramFolderForTest(dir.path().toStdString());

        ErrorRecorder errors;
        fillRow(1, "1556");
        pressShow();
        QCOMPARE(int(errors.errors.size()), 1);
        const QString report = QString::fromStdString(platform::runTimeErrorReport(errors.errors.front()));
        QVERIFY2(report.contains(icon), qPrintable(report));
        QCOMPARE(pegsOf(1), QString("----"));
    }
};

TARVO_TEST_MAIN(AbuseTest)
#include "tst_abuse.moc"
