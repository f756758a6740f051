// SPDX-License-Identifier: MIT
// The pegs of a scored row: which pictures, where, loaded from where.
#include "game/module1.h"
#include "game/pegs.h"
#include "platform/services/program_folder.h"
#include "support/board_test.h"
#include "support/fakes.h"
#include "windows/board_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvo;
using namespace tarvo::testing;

namespace {

// Against code 1234, the usual count, written independently of the game's scoring.
std::pair<int, int> usualScore(const QString& guess) {
    const QString code = "1234";
    int inPlace = 0;
    int common = 0;
    for (int k = 0; k < 4; ++k)
        inPlace += code[k] == guess[k];
    for (QChar d : QString("123456"))
        common += std::min(code.count(d), guess.count(d));
    return {inPlace, common - inPlace};
}

QString guessScoring(int inPlace, int outOfPlace) {
    for (int n = 0; n < 1296; ++n) {
        QString guess;
        for (int k = 0, v = n; k < 4; ++k, v /= 6)
            guess += QChar('1' + v % 6);
        if (usualScore(guess) == std::pair{inPlace, outOfPlace})
            return guess;
    }
    return {};
}

// A program folder of our own, holding the given icons copied from the real one.
class IconFolder {
public:
    explicit IconFolder(const QStringList& icons) {
        QDir(dir_.path()).mkdir("Ikone");
        const QString real = QString::fromStdString(platform::programFolder());
        for (const QString& icon : icons)
            QFile::copy(real + "/Ikone/" + icon, dir_.path() + "/Ikone/" + icon);
        platform::setProgramFolderForTest(dir_.path().toStdString());
    }
    ~IconFolder() { platform::setProgramFolderForTest(std::nullopt); }
    QString path(const QString& icon) const { return dir_.path() + "/Ikone/" + icon; }

private:
    QTemporaryDir dir_;
};

}  // namespace

class PegsTest : public BoardTest {
    Q_OBJECT

private slots:
    void everyScoreShowsItsPegs_data() {
        QTest::addColumn<int>("inPlace");
        QTest::addColumn<int>("outOfPlace");
        QTest::addColumn<QString>("pegs");
        QTest::newRow("0 0") << 0 << 0 << QString("----");
        QTest::newRow("0 1") << 0 << 1 << QString("o---");
        QTest::newRow("0 2") << 0 << 2 << QString("oo--");
        QTest::newRow("0 3") << 0 << 3 << QString("ooo-");
        QTest::newRow("0 4") << 0 << 4 << QString("oooo");
        QTest::newRow("1 0") << 1 << 0 << QString("i---");
        QTest::newRow("1 1") << 1 << 1 << QString("io--");
        QTest::newRow("1 2") << 1 << 2 << QString("ioo-");
        QTest::newRow("1 3") << 1 << 3 << QString("iooo");
        QTest::newRow("2 0") << 2 << 0 << QString("ii--");
        QTest::newRow("2 1") << 2 << 1 << QString("iio-");
        QTest::newRow("2 2") << 2 << 2 << QString("iioo");
        QTest::newRow("3 0") << 3 << 0 << QString("iii-");
        QTest::newRow("4 0") << 4 << 0 << QString("iiii");
    }
    void everyScoreShowsItsPegs() {
        QFETCH(int, inPlace);
        QFETCH(int, outOfPlace);
        QFETCH(QString, pegs);
        const QString guess = guessScoring(inPlace, outOfPlace);
        QVERIFY(!guess.isEmpty());
        fillRow(1, qPrintable(guess));
        pressShow();
        QCOMPARE(pegsOf(1), pegs);
        for (int p = 1; p <= 4; ++p) {  // what the player sees, not only what was assigned
            auto* peg = control<QLabel>(pegName(1, p));
            QCOMPARE(peg->pixmap().isNull(), pegs[p - 1] == '-');
        }
        for (int r = 2; r <= 6; ++r)
            QCOMPARE(pegsOf(r), QString("----"));
    }

    void laterPressesNeverRewriteEarlierRows() {
        const QStringList guesses{"2143", "1555", "5556", "1243", "3555", "1235"};
        QStringList shown;
        for (int r = 1; r <= 6; ++r) {
            fillRow(r, qPrintable(guesses[r - 1]));
            pressShow();
            shown << pegsOf(r);
            for (int earlier = 1; earlier <= r; ++earlier)
                QCOMPARE(pegsOf(earlier), shown[earlier - 1]);
        }
        QCOMPARE(shown.join(' '), QString("oooo i--- ---- iioo o--- iii-"));
        QCOMPARE(pegsOf(6), QString("iii-"));  // row 6 uses Image21..Image24
        QVERIFY(!control<QLabel>("Image21")->pixmap().isNull());
    }

    void aMissingIconStopsThePressAtThatPegNamingTheFile() {
        ErrorRecorder errors;
        IconFolder folder({"namest~1.ico"});
        fillRow(1, "1325");  // one in place, two out of place
        pressShow();
        QCOMPARE(int(errors.errors.size()), 1);
        const QString report = QString::fromStdString(errors.errors.front().what());
        QVERIFY2(report.contains(folder.path("vanmes~1.ico")), qPrintable(report));
        QCOMPARE(pegsOf(1), QString("i---"));  // the peg set before the failure stays
        QCOMPARE(int(Module1.CurrentRow), 1);  // the advance did not run
        QVERIFY(Form1().slot(1, 1).isEnabled());
    }

    void aMissingInPlaceIconStopsAWinningPressBeforeTheWin() {
        ErrorRecorder errors;
        IconFolder folder({"vanmes~1.ico"});
        fillRow(1, "1234");
        pressShow();
        QCOMPARE(int(errors.errors.size()), 1);
        QVERIFY(QString::fromStdString(errors.errors.front().what()).contains(folder.path("namest~1.ico")));
        QCOMPARE(pegsOf(1), QString("----"));
        QCOMPARE(control<QLabel>("Label35")->text(), QString());
    }
};

TARVO_TEST_MAIN(PegsTest)
#include "tst_pegs.moc"
