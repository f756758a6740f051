// SPDX-License-Identifier: MIT
// What a screen reader speaks of the board, read through the toolkit's accessibility interfaces.
#include "support/board_test.h"
#include "support/fakes.h"
#include "support/languages.h"

#include "platform/services/translation.h"
#include "ui/narration.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <map>

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

// Which of a language's forms a count takes, by the rule its grammar books give.
int pluralForm(const QString& language, int n) {
    if (language == "ru" || language == "pl") {
        const bool few = n % 10 >= 2 && n % 10 <= 4 && !(n % 100 >= 12 && n % 100 <= 14);
        if (language == "ru" ? n % 10 == 1 && n % 100 != 11 : n == 1)
            return 0;
        return few ? 1 : 2;
    }
    return language == "fr" ? (n > 1) : (n != 1);
}

// The words of the spoken time that follow the count, in each form: the seconds, the minutes, and
// the verb that agrees with the first count, where the language has one.
struct TimeWords {
    QStringList second, minute, verb;
};
const std::map<QString, TimeWords> kTimeWords = {
    {"en", {{"second", "seconds"}, {"minute", "minutes"}, {}}},
    {"de", {{"Sekunde", "Sekunden"}, {"Minute", "Minuten"}, {}}},
    {"fr", {{"seconde", "secondes"}, {"minute", "minutes"}, {}}},
    {"es", {{"segundo", "segundos"}, {"minuto", "minutos"}, {"Queda", "Quedan"}}},
    {"ru",
     {{"секунда", "секунды", "секунд"}, {"минута", "минуты", "минут"}, {"Осталась", "Осталось", "Осталось"}}},
    {"pl",
     {{"sekunda", "sekundy", "sekund"}, {"minuta", "minuty", "minut"}, {"Została", "Zostały", "Zostało"}}},
};

bool hasWord(const QString& sentence, const QString& word) {
    return sentence.split(QRegularExpression("[\\s.,]+")).contains(word);
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

    // T speaks the time in the player's language, each count with the form its grammar asks for
    // and the verb agreeing with the first.
    void theTimeIsSpokenInEachLanguagesForms_data() { addLanguageRows(); }
    void theTimeIsSpokenInEachLanguagesForms() {
        QFETCH(QString, language);
        QVERIFY2(kTimeWords.count(language),
                 qPrintable("no forms known for " + language + ": add them here"));
        const TimeWords& words = kTimeWords.at(language);
        platform::useLanguages({language.toStdString()});
        const auto expect = [&](const QString& clock, const QStringList& wanted) {
            const QString said = QString::fromStdString(timeInWords(clock.toStdString()));
            for (const QString& word : wanted)
                QVERIFY2(hasWord(said, word),
                         qPrintable(clock + ": \"" + said + "\" lacks \"" + word + "\""));
        };
        for (int n : {1, 2, 5, 21, 22}) {
            const int form = pluralForm(language, n);
            const QStringList verb = words.verb.isEmpty() ? QStringList() : QStringList{words.verb[form]};
            expect(QString("0:%1").arg(n, 2, 10, QChar('0')), QStringList{words.second[form]} + verb);
            expect(QString("%1:00").arg(n), QStringList{words.minute[form]} + verb);
            expect(QString("%1:05").arg(n),
                   QStringList{words.minute[form], words.second[pluralForm(language, 5)]} + verb);
        }
        platform::useLanguages({"en"});
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
