// SPDX-License-Identifier: MIT
// Dragging digit tiles onto slots, delivered as the toolkit delivers drags.
#include "game/module1.h"
#include "support/board.h"
#include "support/fakes.h"
#include "ui/board_window.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

QStringList everythingButTheSlots() {
    QStringList names;
    for (int n = 1; n <= 10; ++n)
        names << QString("Label%1").arg(n);
    names << "Label35";
    for (int n = 59; n <= 64; ++n)
        names << QString("Label%1").arg(n);
    for (int n = 1; n <= 24; ++n)
        names << QString("Image%1").arg(n);
    names << "Text1"
          << "Command1"
          << "Form1Client";
    return names;
}

QString allCaptions() {
    QString captions;
    for (int r = 1; r <= 6; ++r)
        captions += captionsOf(r) + '|';
    return captions;
}

}  // namespace

class DropsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { game_.start("1234"); }
    void cleanup() { closeEverything(); }

    void aTileWritesItsDigit() {
        for (int digit = 1; digit <= 6; ++digit) {
            QVERIFY(dropTile(digit, 1, 2));
            QCOMPARE(Form1().slot(1, 2).caption(), std::to_string(digit));
        }
    }

    void aLaterDropOverwritesTheSlot() {
        QVERIFY(dropTile(3, 1, 1));
        QVERIFY(dropTile(5, 1, 1));
        QCOMPARE(captionsOf(1), QString("5   "));
    }

    void oneTileFillsAllFourSlotsAndIsNeverUsedUp() {
        fillRow(1, "4444");
        QCOMPARE(captionsOf(1), QString("4444"));
        QVERIFY(Form1().tile(4).isEnabled());
        QCOMPARE(control<QLabel>("Label62")->text(), QString("4"));
    }

    void aDropChangesNothingButTheSlotsCaption() {
        const Module before = Module1;
        const QString clock = control<QLineEdit>("Text1")->text();
        fillRow(1, "6152");
        QVERIFY(Module1 == before);
        QCOMPARE(control<QLineEdit>("Text1")->text(), clock);
        QCOMPARE(pegsOf(1), QString("----"));
        QCOMPARE(captionsOf(2), QString("    "));
        QVERIFY(!Form1().slot(2, 1).isEnabled());
    }

    void disabledSlotsRefuseDrops() {
        QVERIFY(!dropTile(1, 2, 1));  // a row not reached yet
        fillRow(1, "5566");
        pressShow();
        QVERIFY(!dropTile(1, 1, 1));  // a row already scored
        QCOMPARE(captionsOf(1), QString("5566"));
        QCOMPARE(captionsOf(2), QString("    "));
        QVERIFY(dropTile(1, 2, 1));
    }

    void foreignPayloadsAreRefused_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("payload");
        const QString ours = "application/x-tarvo-digit";
        QTest::newRow("seven") << ours << QByteArray("7");
        QTest::newRow("zero") << ours << QByteArray("0");
        QTest::newRow("letters") << ours << QByteArray("abc");
        QTest::newRow("empty") << ours << QByteArray();
        QTest::newRow("digit then letter") << ours << QByteArray("3x");
        QTest::newRow("two digits") << ours << QByteArray("33");
        QTest::newRow("binary") << ours << QByteArray("\0\xff\x01", 3);
        QTest::newRow("plain text") << QString("text/plain") << QByteArray("3");
    }
    void foreignPayloadsAreRefused() {
        QFETCH(QString, format);
        QFETCH(QByteArray, payload);
        QVERIFY(!dropOn(control<QLabel>("Label11"), payload, format));
        QCOMPARE(allCaptions(), QString("    |    |    |    |    |    |"));
    }

    void nothingButASlotTakesADrop() {
        for (const QString& name : everythingButTheSlots()) {
            QWidget* target = control<QWidget>(name);
            QVERIFY2(target, qPrintable(name));
            QVERIFY2(!dropOn(target, "3"), qPrintable(name));
        }
        QCOMPARE(allCaptions(), QString("    |    |    |    |    |    |"));
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString("2:45"));
    }

    void afterAnEndingTheTilesCannotBeDropped() {
        fillRow(1, "1234");
        pressShow();
        QVERIFY(Form1().slot(2, 1).isEnabled());  // the next row is open, but the tiles are frozen
        QVERIFY(!dropTile(1, 2, 1));
        QCOMPARE(captionsOf(2), QString("    "));
    }

    void aSlotHighlightsWhileATileHoversOverIt() {
        auto* slot = control<QLabel>("Label11");
        const QPalette::ColorRole normal = slot->backgroundRole();
        QMimeData mime;
        mime.setData("application/x-tarvo-digit", "2");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slot, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(slot->backgroundRole(), QPalette::Highlight);
        QDragLeaveEvent leave;
        QApplication::sendEvent(slot, &leave);
        QCOMPARE(slot->backgroundRole(), normal);
        QCOMPARE(captionsOf(1), QString("    "));
    }

private:
    FixedGame game_;
};

QTEST_MAIN(DropsTest)
#include "tst_drops.moc"
