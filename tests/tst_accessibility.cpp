// SPDX-License-Identifier: MIT
// What a screen reader speaks of the board, read through the toolkit's accessibility interfaces.
#include "support/board_test.h"
#include "support/fakes.h"
#include "support/languages.h"

#include "game/endings.h"
#include "platform/services/run_time_error.h"
#include "platform/services/translation.h"
#include "platform/speech/speech_bar.h"
#include "platform/speech/speech_schedule.h"
#include "ui/narration.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
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

// The time left at 0:01, 0:02, 0:21, 0:22, 1:00, 1:01, 2:41 and 4:55, as a native says it.
const std::map<QString, QStringList> kTimeHeard = {
    {"en",
     {"1 second left", "2 seconds left", "21 seconds left", "22 seconds left", "1 minute left",
      "1 minute 1 second left", "2 minutes 41 seconds left", "4 minutes 55 seconds left"}},
    {"de",
     {"Noch eine Sekunde", "Noch zwei Sekunden", "Noch einundzwanzig Sekunden",
      "Noch zweiundzwanzig Sekunden", "Noch eine Minute", "Noch eine Minute und eine Sekunde",
      "Noch zwei Minuten und einundvierzig Sekunden", "Noch vier Minuten und fünfundfünfzig Sekunden"}},
    {"fr",
     {"Il reste une seconde", "Il reste deux secondes", "Il reste vingt-et-une secondes",
      "Il reste vingt-deux secondes", "Il reste une minute", "Il reste une minute et une seconde",
      "Il reste deux minutes et quarante-et-une secondes",
      "Il reste quatre minutes et cinquante-cinq secondes"}},
    {"es",
     {"Queda un segundo", "Quedan dos segundos", "Quedan veintiún segundos", "Quedan veintidós segundos",
      "Queda un minuto", "Queda un minuto y un segundo", "Quedan dos minutos y cuarenta y un segundos",
      "Quedan cuatro minutos y cincuenta y cinco segundos"}},
    {"ru",
     {"Осталась одна секунда", "Осталось две секунды", "Осталась двадцать одна секунда",
      "Осталось двадцать две секунды", "Осталась одна минута", "Осталась одна минута и одна секунда",
      "Осталось две минуты и сорок одна секунда", "Осталось четыре минуты и пятьдесят пять секунд"}},
    {"pl",
     {"Została jedna sekunda", "Zostały dwie sekundy", "Zostało dwadzieścia jeden sekund",
      "Zostały dwadzieścia dwie sekundy", "Została jedna minuta", "Została jedna minuta i jedna sekunda",
      "Zostały dwie minuty i czterdzieści jeden sekund", "Zostały cztery minuty i pięćdziesiąt pięć sekund"}},
};

// What the board has handed to a screen reader so far, oldest first.
QStringList handedToTheScreenReader() {
    QStringList texts;
    for (const QWidget* note : boardWidget()->findChildren<QWidget*>("Spoken"))
        texts << note->accessibleName();
    return texts;
}

// Plays a script of what happens at each millisecond ("0 key, 0 tell S, 0 next") to a speech
// schedule: "key" reaches the window, "sent" reaches the program but not yet the window, "tell"
// and "echo" give a text, "next" asks what may be spoken, "new" hands what is left to a new window's
// schedule. Returns what each "next" gave: "150: S | E", or "0: wait 150".
QString heardOver(const QString& script) {
    platform::SpeechSchedule schedule;
    std::int64_t sent = 0;
    QStringList heard;
    for (const QString& step : script.split(", ")) {
        const QStringList word = step.split(' ');
        const std::int64_t at = word[0].toLongLong();
        if (word[1] == "key") {
            schedule.keyPressed(at);
        } else if (word[1] == "sent") {
            sent = at;
        } else if (word[1] == "tell") {
            schedule.tell(word[2].toStdString());
        } else if (word[1] == "echo") {
            schedule.echo(word[2].toStdString());
        } else if (word[1] == "new") {
            platform::SpeechSchedule next;
            for (const std::string& text : schedule.untold())
                next.tell(text);
            schedule = next;
        } else {
            const platform::SpeechSchedule::Turn turn = schedule.next(at, sent);
            QStringList texts;
            for (const std::string& text : turn.texts)
                texts << QString::fromStdString(text);
            heard << word[0] + ": " +
                         (texts.isEmpty() ? "wait " + QString::number(turn.waitMs) : texts.join(" | "));
        }
    }
    return heard.join(", ");
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

    // T speaks the time as a native says it: each count in the form and, where the voice would
    // read a digit in the wrong gender, in the words its noun asks for; the verb agrees with the
    // first count.
    void theTimeIsSpokenAsANativeSaysIt_data() { addLanguageRows(); }
    void theTimeIsSpokenAsANativeSaysIt() {
        QFETCH(QString, language);
        QVERIFY2(kTimeHeard.count(language), qPrintable("no spoken times for " + language + ": add them"));
        platform::useLanguages({language.toStdString()});
        QStringList said;
        for (const char* clock : {"0:01", "0:02", "0:21", "0:22", "1:00", "1:01", "2:41", "4:55"})
            said << QString::fromStdString(timeInWords(clock));
        platform::useLanguages({"en"});
        QCOMPARE(said, kTimeHeard.at(language));
    }

    // Orca stops speaking at each key and drops what waits: a score (S) waits for a burst of keys
    // to pause, and is told again when the next key may have cut it; the cursor's echo (E) last.
    void speechWaitsForTheKeysToPause_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("heard");
        QTest::newRow("alone, at once") << "1000 tell S, 1000 next"
                                        << "1000: S";
        QTest::newRow("a burst at 0 ms") << "0 key, 0 tell S, 0 next, 0 key, 0 echo E, 0 next, 150 next"
                                         << "0: wait 150, 0: wait 150, 150: S | E";
        QTest::newRow("a burst at 30 ms") << "0 key, 0 tell S, 0 next, 30 key, 30 echo E, 120 next, 180 next"
                                          << "0: wait 150, 120: wait 60, 180: S | E";
        QTest::newRow("a key at 150 ms cuts it: told again")
            << "0 key, 0 tell S, 149 next, 150 next, 150 key, 150 echo E, 300 next"
            << "149: wait 1, 150: S, 300: S | E";
        QTest::newRow("a key at 200 ms cuts it: told again")
            << "0 key, 0 tell S, 150 next, 200 key, 200 echo E, 350 next"
            << "150: S, 350: S | E";
        QTest::newRow("a key 249 ms after it was heard may have cut it: told again")
            << "0 key, 0 tell S, 150 next, 399 key, 399 echo E, 549 next"
            << "150: S, 549: S | E";
        QTest::newRow("a key 250 ms after it was heard leaves it")
            << "0 key, 0 tell S, 150 next, 400 key, 400 echo E, 550 next"
            << "150: S, 550: E";
        QTest::newRow("a newer echo replaces one not yet said")
            << "0 key, 0 echo A, 30 key, 30 echo B, 180 next"
            << "180: B";
        QTest::newRow("a key still in the screen reader's bridge holds it back")
            << "0 key, 0 tell S, 100 sent, 150 next, 250 next"
            << "150: wait 100, 250: S";
        QTest::newRow("an ending behind a menu is told by the new game's window")
            << "0 key, 0 tell S, 0 echo E, 0 new, 6000 next"
            << "6000: S";
    }
    // The clock runs out while About or a menu has the player: the ending is told when the player is
    // back on the board, by the new game's window too, and only then.
    void anEndingIsToldWhenThePlayerIsBack_data() {
        QTest::addColumn<QString>("back");
        QTest::newRow("About closed") << "About, OK";
        QTest::newRow("a menu closed") << "File, closed";
        QTest::newRow("a new game from the menu") << "File, New";
    }
    void anEndingIsToldWhenThePlayerIsBack() {
        QFETCH(QString, back);
        struct Listening {
            Listening() { platform::setScreenReaderForTest(true); }
            ~Listening() { platform::setScreenReaderForTest(false); }
        } listening;
        boardWidget()->activateWindow();
        QVERIFY(QTest::qWaitFor([] { return QApplication::activeWindow() == boardWidget(); }));
        QMenu* file = menuItem("fFile")->menu();
        if (back.startsWith("About")) {
            menuItem("aAbout")->trigger();
            aboutWidget()->activateWindow();  // as the window manager does
            QVERIFY(QTest::qWaitFor([] { return QApplication::activeWindow() == aboutWidget(); }));
        } else {
            file->popup(boardWidget()->mapToGlobal(QPoint(0, 0)));
            QVERIFY(QTest::qWaitForWindowExposed(file));
        }
        platform::dispatch(lossOnTimeSequence);
        QTest::qWait(300);
        QCOMPARE(handedToTheScreenReader(), QStringList());
        if (back.startsWith("About"))
            aboutWidget()->findChild<QPushButton*>("Command1")->click();
        else
            file->hide();
        if (back.endsWith("New"))
            menuItem("nNew")->trigger();
        QVERIFY(QTest::qWaitFor([] { return !handedToTheScreenReader().isEmpty(); }));
        QTest::qWait(300);
        QCOMPARE(handedToTheScreenReader(), QStringList{"You Lost ! The code was 1 2 3 4."});
    }

    void speechWaitsForTheKeysToPause() {
        QFETCH(QString, script);
        QFETCH(QString, heard);
        QCOMPARE(heardOver(script), heard);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
