// SPDX-License-Identifier: MIT
// What a screen reader speaks of the board, read through the toolkit's accessibility interfaces.
#include "support/board_test.h"
#include "support/fakes.h"
#include "support/languages.h"

#include "game/endings.h"
#include "platform/screen_reader/message_bar.h"
#include "platform/screen_reader/message_schedule.h"
#include "platform/services/run_time_error.h"
#include "platform/services/translation.h"
#include "ui/board_in_words.h"

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
      "Il reste vingt-deux secondes", "Il reste une minute", "Il reste une minute une seconde",
      "Il reste deux minutes quarante-et-une secondes", "Il reste quatre minutes cinquante-cinq secondes"}},
    {"es",
     {"Queda un segundo", "Quedan dos segundos", "Quedan veintiún segundos", "Quedan veintidós segundos",
      "Queda un minuto", "Queda un minuto un segundo", "Quedan dos minutos cuarenta y un segundos",
      "Quedan cuatro minutos cincuenta y cinco segundos"}},
    {"ru",
     {"Осталась одна секунда", "Осталось две секунды", "Осталась двадцать одна секунда",
      "Осталось двадцать две секунды", "Осталась одна минута", "Осталась одна минута одна секунда",
      "Осталось две минуты сорок одна секунда", "Осталось четыре минуты пятьдесят пять секунд"}},
    {"pl",
     {"Jedna sekunda do końca", "Dwie sekundy do końca", "Dwadzieścia jeden sekund do końca",
      "Dwadzieścia dwie sekundy do końca", "Jedna minuta do końca", "Jedna minuta i jedna sekunda do końca",
      "Dwie minuty i czterdzieści jeden sekund do końca",
      "Cztery minuty i pięćdziesiąt pięć sekund do końca"}},
};

// The board speaks as if a screen reader listened, as the active window.
struct Listening {
    Listening() {
        platform::setScreenReaderForTest(true);
        boardWidget()->activateWindow();
        QVERIFY(QTest::qWaitFor([] { return QApplication::activeWindow() == boardWidget(); }));
    }
    ~Listening() { platform::setScreenReaderForTest(false); }
};

// The line a braille display shows of the board at rest, as a screen reader reads it, with the
// character at its cursor in brackets.
QString lineAtRest() {
    auto* line = boardWidget()->findChild<QWidget*>("ReadingLine");
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(line)->textInterface();
    const QString all = text->text(0, text->characterCount());
    const int caret = text->cursorPosition();
    return all.left(caret) + '[' + all.mid(caret, 1) + ']' + all.mid(caret + 1);
}

// What the board has handed to a screen reader so far, oldest first.
QStringList handedToTheScreenReader() {
    QStringList texts;
    for (const QWidget* note : boardWidget()->findChildren<QWidget*>("Message"))
        texts << note->findChild<QLabel*>()->text();
    return texts;
}

// Plays a script of what happens at each millisecond ("0 key, 0 tell S, 0 next") to a message
// schedule: "key" reaches the window, "sent" reaches the program but not yet the window, "tell"
// and "echo" give a message, "line" changes the line at rest, "next" asks what may be handed over,
// "new" hands what is left to a new window's schedule. Returns what each "next" gave: "150: S",
// "150: line+S", or "0: wait 150".
QString heardOver(const QString& script) {
    platform::MessageSchedule schedule;
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
        } else if (word[1] == "line") {
            schedule.lineChanged();
        } else if (word[1] == "new") {
            platform::MessageSchedule next;
            for (const std::string& text : schedule.untold())
                next.tell(text);
            schedule = next;
        } else {
            const platform::MessageSchedule::Turn turn = schedule.next(at, sent);
            QStringList handed{turn.line ? "line" : "", QString::fromStdString(turn.message.value_or(""))};
            handed.removeAll("");
            heard << word[0] + ": " +
                         (handed.isEmpty() ? "wait " + QString::number(turn.waitMs) : handed.join('+'));
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
    // to pause, and is told again when the next key may have cut it; the cursor's echo (E) last. A
    // braille display shows one message at a time: the next waits its reading time, unless a key
    // comes, and the line at rest is shown anew with the next turn, before its message.
    void messagesWaitForTheKeysAndTheReader_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("heard");
        QTest::newRow("alone, at once") << "1000 tell S, 1000 next"
                                        << "1000: S";
        QTest::newRow("a burst at 0 ms: the next after a reading time")
            << "0 key, 0 tell S, 0 next, 0 key, 0 echo E, 0 next, 150 next, 1149 next, 1150 next"
            << "0: wait 150, 0: wait 150, 150: S, 1149: wait 1, 1150: E";
        QTest::newRow("a burst at 30 ms") << "0 key, 0 tell S, 0 next, 30 key, 30 echo E, 120 next, 180 next"
                                          << "0: wait 150, 120: wait 60, 180: S";
        QTest::newRow("a key at 150 ms cuts it: told again")
            << "0 key, 0 tell S, 149 next, 150 next, 150 key, 150 echo E, 300 next, 1300 next"
            << "149: wait 1, 150: S, 300: S, 1300: E";
        QTest::newRow("a key at 200 ms cuts it: told again")
            << "0 key, 0 tell S, 150 next, 200 key, 200 echo E, 350 next"
            << "150: S, 350: S";
        QTest::newRow("a key 249 ms after it was heard may have cut it: told again")
            << "0 key, 0 tell S, 150 next, 399 key, 399 echo E, 549 next"
            << "150: S, 549: S";
        QTest::newRow("a key 250 ms after it was heard leaves it, and the next need not wait")
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
        QTest::newRow("the line goes with the message") << "0 key, 0 line, 0 echo E, 150 next"
                                                        << "150: line+E";
        QTest::newRow("the line alone goes at once") << "5000 line, 5000 next"
                                                     << "5000: line";
        QTest::newRow("the line waits out a message's reading time")
            << "5000 tell S, 5000 next, 5500 line, 5500 next, 6000 next"
            << "5000: S, 5500: wait 500, 6000: line";
    }
    void messagesWaitForTheKeysAndTheReader() {
        QFETCH(QString, script);
        QFETCH(QString, heard);
        QCOMPARE(heardOver(script), heard);
    }

    // What the board hands to a screen reader after the keys, typed as a burst, with the program's
    // own wiring: each message, whole, in the order handed over, with nothing after it for a
    // reading time, and each within a braille display's 40 cells; and the line the display shows
    // at rest.
    void whatTheBoardTells_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("atRest");
        QTest::newRow("the score after Show")
            << "2 1 4 4 Return"
            << QStringList{"Row 1, position 4: 4", "Row 1: 2 1 4 4. 1 in place, 2 elsewhere."}
            << "Row 2: [_] _ _ _";
        QTest::newRow("an empty slot")
            << "1 Return" << QStringList{"Row 1, position 1: 1", "Row 1, position 2 is empty."}
            << "Row 1: 1 [_] _ _";
        QTest::newRow("a review with Up") << "1 1 1 1 Return Up"
                                          << QStringList{"Row 1: 1 1 1 1. 1 in place, 0 elsewhere.",
                                                         "Row 1: 1 1 1 1. 1 in place, 0 elsewhere."}
                                          << "Row 1: [1] 1 1 1. 1 in place, 0 elsewhere.";
        QTest::newRow("T") << "T" << QStringList{"2 minutes 45 seconds left"} << "Row 1: [_] _ _ _";
        QTest::newRow("an ending") << "1 2 3 4 Return"
                                   << QStringList{"Row 1, position 4: 4", "You Won ! The code was 1 2 3 4."}
                                   << "[Y]ou Won ! The code was 1 2 3 4.";
        QTest::newRow("a burst") << "Home 1 1 2 2 Return 3"
                                 << QStringList{"Row 1: 1 1 2 2. 1 in place, 1 elsewhere.",
                                                "Row 2, position 1: 3"}
                                 << "Row 2: 3 [_] _ _";
    }
    void whatTheBoardTells() {
        QFETCH(QString, keys);
        QFETCH(QStringList, messages);
        QFETCH(QString, atRest);
        const Listening listening;
        pressKeys(keys);
        QVERIFY(QTest::qWaitFor([&] { return handedToTheScreenReader().size() >= messages.size(); }));
        QTest::qWait(platform::MessageSchedule::kReadingTime + 100);
        QCOMPARE(handedToTheScreenReader(), messages);
        QCOMPARE(lineAtRest(), atRest);
        for (const QString& message : messages)
            QVERIFY2(message.size() <= 40, qPrintable(message));
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
        const Listening listening;
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
};

TARVO_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
