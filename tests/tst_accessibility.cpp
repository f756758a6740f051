// SPDX-License-Identifier: MIT
// What a screen reader speaks of the board, read through the toolkit's accessibility interfaces.
#include "support/board_test.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

QString spoken(const QString& controlName, QAccessible::Text what = QAccessible::Name) {
    QWidget* widget = control<QWidget>(controlName);
    if (!widget)
        return "<no control " + controlName + ">";
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : "<not accessible>";
}

}  // namespace

class AccessibilityTest : public BoardTest {
    Q_OBJECT

private slots:
    void everyControlAPlayerUsesHasANameAndADescription() {
        QStringList controls{"Label35", "Command1", "Text1"};
        for (int p = 1; p <= 4; ++p)
            controls << QString("Label%1").arg(p);
        for (int d = 1; d <= 6; ++d)
            controls << tileName(d);
        for (int r = 1; r <= 6; ++r)
            for (int p = 1; p <= 4; ++p)
                controls << slotName(r, p) << pegName(r, p);
        for (const QString& name : controls) {
            QVERIFY2(!spoken(name).isEmpty(), qPrintable(name + " has no accessible name"));
            QVERIFY2(!spoken(name, QAccessible::Description).isEmpty(),
                     qPrintable(name + " has no accessible description"));
        }
    }

    void theNamesSayWhereAndWhat() {
        for (int r = 1; r <= 6; ++r)
            for (int p = 1; p <= 4; ++p) {
                QCOMPARE(spoken(slotName(r, p)), QString("Row %1, position %2").arg(r).arg(p));
                QCOMPARE(spoken(pegName(r, p)), QString("Row %1, peg %2").arg(r).arg(p));
            }
        for (int d = 1; d <= 6; ++d)
            QCOMPARE(spoken(tileName(d)), QString("Digit %1").arg(d));
        for (int p = 1; p <= 4; ++p)
            QCOMPARE(spoken(QString("Label%1").arg(p)), QString("Code, position %1").arg(p));
        QCOMPARE(spoken("Label35"), QString("Message"));
        QCOMPARE(spoken("Command1"), QString("Show"));
        QCOMPARE(spoken("Text1"), QString("Time left"));
        QCOMPARE(spoken("Text1", QAccessible::Value), QString("2:45"));
    }

    // The digits, the pegs, the code and the message are spoken as they change.
    void whatChangesIsSpokenWithTheName() {
        fillRow(1, "1243");
        QCOMPARE(spoken(slotName(1, 3)), QString("Row 1, position 3: 4"));
        pressShow();
        QCOMPARE(spoken(pegName(1, 1)), QString("Row 1, peg 1: black, a right digit in its right place"));
        QCOMPARE(spoken(pegName(1, 3)), QString("Row 1, peg 3: white, a right digit in another place"));
        fillRow(2, "1234");
        pressShow();
        QCOMPARE(spoken("Label35"), QString("Message: You Won !"));
        QCOMPARE(spoken("Label1"), QString("Code, position 1: 1"));
        QCOMPARE(spoken("Label4"), QString("Code, position 4: 4"));
        QCOMPARE(spoken(pegName(3, 1)), QString("Row 3, peg 1"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
