// SPDX-License-Identifier: MIT
// Dragging digit tiles onto slots, delivered as the toolkit delivers drags, and typing digits,
// which drops them where the keyboard's cursor stands.
#include "game/module1.h"
#include "platform/controls/label_widget.h"
#include "platform/input/held_keys.h"
#include "platform/input/key_arrivals.h"
#include "support/board_test.h"
#include "support/fakes.h"
#include "windows/board_window.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

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

// Whether a label shows the cursor (a bar: the middle of its bottom edge, inside the border, in
// the mark's colour, and its face above not) or is picked (its face in the mark's colour), by its pixels.
bool barred(QWidget* label) {
    const QImage look = label->grab().toImage();
    return look.pixelColor(label->width() / 2, label->height() - 3) == platform::markColor() &&
           look.pixelColor(4, 4) != platform::markColor();
}
bool filled(QWidget* label) { return label->grab().toImage().pixelColor(4, 4) == platform::markColor(); }

// The slot that shows the cursor, as "row 1 position 3"; empty when no slot shows it.
QString cursorSeen() {
    QString seen;
    for (int r = 1; r <= 6; ++r)
        for (int p = 1; p <= 4; ++p)
            if (barred(control<QLabel>(slotName(r, p))))
                seen += QString("row %1 position %2").arg(r).arg(p);
    return seen;
}

// Keys sent by the window system (">5v1000@50": 5 down at its time 1000, given to the program at
// 50 ms) and received by the window ("<5v@300": a copy without its time, at 300 ms); returns each
// key received with the times it was given, "*" where it repeats a held key.
QString keysReceived(const QString& script) {
    platform::KeyArrivals arrivals;
    platform::HeldKeys held;
    QStringList received;
    static const QRegularExpression move("([<>])(.)([v^])(\\d*)@(\\d+)");
    for (const QString& step : script.split(' ')) {
        const QRegularExpressionMatch m = move.match(step);
        platform::KeyMove key{m.captured(2)[0].unicode(),  m.captured(3) == "v",      false, 0,
                              m.captured(4).toULongLong(), m.captured(5).toLongLong()};
        if (m.captured(1) == ">") {
            arrivals.sent(key);
            continue;
        }
        key = arrivals.received(key, key.arrived);
        received << QString("%1%2%3@%4%5")
                        .arg(QChar(key.key), key.down ? "v" : "^")
                        .arg(key.time)
                        .arg(key.arrived)
                        .arg(held.repeats(key) ? "*" : "");
    }
    return received.join(' ');
}

}  // namespace

class DropsTest : public BoardTest {
    Q_OBJECT

private slots:
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

    // A player who cannot drag clicks a tile and then a slot; one who can still drags.
    void clicksPlaceATileAsADragWould_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("row1");
        QTest::addColumn<QString>("picked");
        QTest::newRow("a tile, then a slot") << "tile 3, slot 1 2"
                                             << " 3  "
                                             << "Label61";
        QTest::newRow("the same tile again puts it down") << "tile 3, tile 3, slot 1 2"
                                                          << "    "
                                                          << "";
        QTest::newRow("another tile takes its place") << "tile 3, tile 5, slot 1 1"
                                                      << "5   "
                                                      << "Label63";
        QTest::newRow("placed, it stays picked for the next slot") << "tile 1, slot 1 1, slot 1 3"
                                                                   << "1 1 "
                                                                   << "Label59";
        QTest::newRow("a click elsewhere puts it down") << "tile 3, Image1, slot 1 1"
                                                        << "    "
                                                        << "";
        QTest::newRow("a click on Show puts it down") << "tile 2, Command1, slot 1 1"
                                                      << "    "
                                                      << "";
        QTest::newRow("Escape puts it down") << "tile 4, key Escape, slot 1 1"
                                             << "    "
                                             << "";
        QTest::newRow("a slot clicked brings the keys' cursor") << "slot 1 3, key 5"
                                                                << "  5 "
                                                                << "";
        QTest::newRow("a slot that takes a tile too") << "tile 4, slot 1 2, key 5"
                                                      << " 5  "
                                                      << "Label62";
        QTest::newRow("a closed row's slot takes nothing") << "tile 4, slot 2 1, slot 1 1"
                                                           << "    "
                                                           << "";
        QTest::newRow("a touch tap") << "tap 6, slot 1 4"
                                     << "   6"
                                     << "Label64";
        QTest::newRow("a drag puts it down") << "tile 1, drag 2 to 1 3, slot 1 4"
                                             << "  2 "
                                             << "";
    }
    void clicksPlaceATileAsADragWould() {
        QFETCH(QString, clicks);
        QFETCH(QString, row1);
        QFETCH(QString, picked);
        for (const QString& click : clicks.split(", ")) {
            const QStringList w = click.split(' ');
            if (w[0] == "tile" || w[0] == "slot") {
                const QString name =
                    w[0] == "tile" ? tileName(w[1].toInt()) : slotName(w[1].toInt(), w[2].toInt());
                QTest::mouseClick(control<QWidget>(name), Qt::LeftButton);
            } else if (w[0] == "tap") {
                QWidget* tile = control<QWidget>(tileName(w[1].toInt()));
                const QPoint at = tile->mapTo(tile->window(), tile->rect().center());
                QTest::touchEvent(tile->window(), touchScreen_.get()).press(0, at);
                QTest::touchEvent(tile->window(), touchScreen_.get()).release(0, at);
            } else if (w[0] == "drag") {  // as a drag begins, then ends on the slot
                QEvent started(platform::dragStartEventType());
                QCoreApplication::sendEvent(control<QWidget>(tileName(w[1].toInt())), &started);
                QVERIFY(dropTile(w[1].toInt(), w[3].toInt(), w[4].toInt()));
            } else if (w[0] == "key") {
                pressKeys(w[1]);
            } else {
                QTest::mouseClick(control<QWidget>(w[0]), Qt::LeftButton);
            }
        }
        QCOMPARE(captionsOf(1), row1);
        QString seenPicked;
        for (int d = 1; d <= 6; ++d)
            if (filled(control<QLabel>(tileName(d))))
                seenPicked += tileName(d);
        QCOMPARE(seenPicked, picked);
    }

    void typedDigitsDropWhereTheCursorStands_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("row1");
        QTest::addColumn<QString>("cursor");
        QTest::newRow("left to right") << "1 2 3"
                                       << "123 "
                                       << "row 1 position 4";
        QTest::newRow("stays on the last slot") << "1 2 3 4 5"
                                                << "1235"
                                                << "row 1 position 4";
        QTest::newRow("keypad") << "k6 k5"
                                << "65  "
                                << "row 1 position 3";
        QTest::newRow("Left, and overwriting") << "1 Left 2"
                                               << "2   "
                                               << "row 1 position 2";
        QTest::newRow("Home and End") << "End 3 Home 4"
                                      << "4  3"
                                      << "row 1 position 2";
        QTest::newRow("Right stops at 4") << "Right Right Right Right Right 6"
                                          << "   6"
                                          << "row 1 position 4";
        QTest::newRow("Left stops at 1") << "Left Left 6"
                                         << "6   "
                                         << "row 1 position 2";
        QTest::newRow("Shift, for layouts whose digits need it") << "Shift+1 Shift+2"
                                                                 << "12  "
                                                                 << "row 1 position 3";
        QTest::newRow("no tile, no cursor") << "0 7 9"
                                            << "    "
                                            << "";
        QTest::newRow("a held digit is one press") << "5/1000"
                                                   << "5   "
                                                   << "row 1 position 2";
        QTest::newRow("a held arrow moves once") << "Right/1000 End/800 Left/600 6"
                                                 << "  6 "
                                                 << "row 1 position 4";
        QTest::newRow("a tap right after a hold counts") << "5/1000 @120 5"
                                                         << "55  "
                                                         << "row 1 position 3";
        QTest::newRow("presses queued in a stall count") << "1+ stall @300 1- @120 1"
                                                         << "11  "
                                                         << "row 1 position 3";
        QTest::newRow("a double press at a typist's pace") << "2 @30 2 @30 2"
                                                           << "222 "
                                                           << "row 1 position 4";
        QTest::newRow("Ctrl belongs to the menus") << "Ctrl+1"
                                                   << "    "
                                                   << "";
    }
    void typedDigitsDropWhereTheCursorStands() {
        QFETCH(QString, keys);
        QFETCH(QString, row1);
        QFETCH(QString, cursor);
        QCOMPARE(cursorSeen(), QString());  // nothing shows before the first key
        pressKeys(keys);
        QCOMPARE(captionsOf(1), row1);
        QCOMPARE(cursorSeen(), cursor);
        QCOMPARE(allCaptions().mid(5), QString("    |    |    |    |    |"));
    }

    // A screen reader's bridge takes each key before the window and hands it a copy without its
    // time: the copy gets back the times the original was sent with, so a held key is still one.
    void aKeyKeepsTheTimesItWasSentWith_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("received");
        QTest::newRow("the window system's own key") << ">5v1000@50 <5v1000@80"
                                                     << "5v1000@50";
        QTest::newRow("a copy through the bridge") << ">5v1000@50 <5v@300"
                                                   << "5v1000@50";
        QTest::newRow("a key whose first press never came") << ">5v1000@50 >5v1100@60 <5v1100@80"
                                                            << "5v1100@60";
        QTest::newRow("copies in order, the key pressed twice")
            << ">5v1000@50 >5^1060@60 >5v1100@70 <5v@300 <5^@301 <5v@302"
            << "5v1000@50 5^1060@60 5v1100@70";
        QTest::newRow("a held key through the bridge is one press")
            << ">5v1000@50 >5^1500@550 >5v1500@550 <5v@600 <5^@601 <5v@602"
            << "5v1000@50 5^1500@550 5v1500@550*";
        QTest::newRow("a key made by the program arrives when the window has it") << "<7v@300"
                                                                                  << "7v0@300";
        QTest::newRow("a key the bridge never passed on gives no times to a later one")
            << ">5v1000@50 >6v1100@60 <6v@300 <5v@301"
            << "6v1100@60 5v0@301";
    }
    void aKeyKeepsTheTimesItWasSentWith() {
        QFETCH(QString, script);
        QFETCH(QString, received);
        QCOMPARE(keysReceived(script), received);
    }

    void returnAndEnterPressShowAndTheCursorStartsTheNextRow() {
        pressKeys("1 1 1 1 Return");
        QCOMPARE(Module1.CurrentRow, Byte(2));
        QCOMPARE(cursorSeen(), QString("row 2 position 1"));
        pressKeys("End 2 Home k2 2 2 Enter");
        QCOMPARE(captionsOf(2), QString("2222"));
        QCOMPARE(Module1.CurrentRow, Byte(3));
        QCOMPARE(cursorSeen(), QString("row 3 position 1"));
        pressKeys("Up Up");  // a scored row under review shows where the cursor stands
        QCOMPARE(cursorSeen(), QString("row 1 position 1"));
        pressKeys("5");  // typing goes back to the active row
        QCOMPARE(captionsOf(3), QString("5   "));
        QCOMPARE(cursorSeen(), QString("row 3 position 2"));
    }

    void aMousePlayerNeverSeesTheCursor() {
        QTest::mouseClick(control<QWidget>(tileName(2)), Qt::LeftButton);
        QTest::mouseClick(control<QWidget>(slotName(1, 1)), Qt::LeftButton);
        fillRow(1, "5656");
        pressShow();
        fillRow(2, "1234");
        pressShow();
        QCOMPARE(cursorSeen(), QString());
    }

private:
    std::unique_ptr<QPointingDevice> touchScreen_{QTest::createTouchDevice()};  // the toolkit never frees it
};

TARVO_TEST_MAIN(DropsTest)
#include "tst_drops.moc"
