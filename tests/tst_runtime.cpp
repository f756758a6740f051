// SPDX-License-Identifier: MIT
// The forms runtime's services: conversions, paths, pictures, random numbers, run-time errors.
#include "platform/services/application.h"
#include "platform/services/conversions.h"
#include "platform/services/picture.h"
#include "platform/services/program_folder.h"
#include "platform/services/random_numbers.h"
#include "platform/services/run_time_error.h"
#include "support/board.h"
#include "support/fakes.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <cmath>

using namespace tarvo;
using namespace tarvo::platform;

class RuntimeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { testing::closeEverything(); }

    void numericValueReadsTheLeadingDigits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty text") << QString("") << 0.0;
        QTest::newRow("one digit") << QString("3") << 3.0;
        QTest::newRow("digits then letters") << QString("12ab") << 12.0;
        QTest::newRow("letters only") << QString("ab") << 0.0;
        QTest::newRow("leading blanks") << QString("  6") << 6.0;
        QTest::newRow("minus sign") << QString("-4") << -4.0;
        QTest::newRow("a blank inside ends the digits") << QString("1 2") << 1.0;
        QTest::newRow("digits past a byte") << QString("300") << 300.0;
    }
    void numericValueReadsTheLeadingDigits() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(numericValue(text.toStdString()), value);
    }

    void byteConversionRejectsValuesOutsideAByte() {
        QCOMPARE(toByte(0), std::uint8_t(0));
        QCOMPARE(toByte(6.9), std::uint8_t(7));
        QCOMPARE(toByte(255), std::uint8_t(255));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, toByte(256));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, toByte(-1));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, toByte(std::nan("")));
    }

    void programFolderIsTheProgramsFolderWithoutTrailingSeparator() {
        const std::string folder = programFolder();
        QCOMPARE(QString::fromStdString(folder), QCoreApplication::applicationDirPath());
    }

    void hostPathJoinsFolderAndLiteral_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder and literal")
            << QString("/opt/tarvo\\Ikone\\namest~1.ico") << QString("/opt/tarvo/Ikone/namest~1.ico");
        QTest::newRow("root folder, doubled separator")
            << QString("/\\Ikone\\vanmes~1.ico") << QString("/Ikone/vanmes~1.ico");
        QTest::newRow("folder ending in a separator") << QString("/opt/\\Ikone") << QString("/opt/Ikone");
        QTest::newRow("host separators stay") << QString("/a/b") << QString("/a/b");
    }
    void hostPathJoinsFolderAndLiteral() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(hostPath(path.toStdString())), expected);
    }

    void pegIconsLoadFromTheProgramFolder() {
        for (const char* literal : {"\\Ikone\\namest~1.ico", "\\Ikone\\vanmes~1.ico"}) {
            const Picture picture = loadPicture(programFolder() + literal);
            QVERIFY(!picture.isEmpty());
            QVERIFY(QFile::exists(QString::fromStdString(picture.source())));
        }
    }

    void aMissingPictureIsARunTimeErrorNamingTheFile() {
        QTemporaryDir dir;
        const std::string path = dir.path().toStdString() + "\\Ikone\\namest~1.ico";
        try {
            loadPicture(path);
            QFAIL("loading a missing file succeeded");
        } catch (const RunTimeError& error) {
            QCOMPARE(QString::fromStdString(error.operation()), QString("Load picture"));
            QVERIFY2(
                error.detail().find(dir.path().toStdString() + "/Ikone/namest~1.ico") != std::string::npos,
                error.what());
        }
    }

    void aFileThatIsNotAPictureIsARunTimeError() {
        QTemporaryDir dir;
        QFile file(dir.filePath("namest~1.ico"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not an icon");
        file.close();
        QVERIFY_THROWS_EXCEPTION(RunTimeError, loadPicture(file.fileName().toStdString()));
    }

    // Four reseed-and-draw pairs within one clock reading, as a new code draws them.
    void reseedsWithinOneClockReadingGiveIndependentDigits() {
        testing::FakeTimeOfDay clock;
        constexpr int kCodes = 60000;
        int allEqual = 0;
        std::array<std::array<int, 6>, 4> counts{};
        for (int n = 0; n < kCodes; ++n) {
            std::array<int, 4> digit{};
            for (int k = 0; k < 4; ++k) {
                reseedRandomNumbers();
                const double r = randomNumber();
                QVERIFY(r >= 0 && r < 1);
                digit[k] = int(r * 6);
                ++counts[k][digit[k]];
            }
            allEqual += digit[0] == digit[1] && digit[1] == digit[2] && digit[2] == digit[3];
        }
        // One code in 216 repeats one digit four times; a reseed that restarted from the
        // clock alone would make every code do so.
        QVERIFY2(allEqual < kCodes / 216 * 2, qPrintable(QString::number(allEqual)));
        for (const auto& position : counts)
            for (int c : position)
                QVERIFY2(std::abs(c - kCodes / 6) < kCodes / 60, qPrintable(QString::number(c)));
    }

    // Also when it fails inside a handler raised by another (a typed digit runs the drop handler):
    // the outer one stops there too.
    void aRunTimeErrorStopsItsHandlerAndIsReportedOnce() {
        testing::ErrorRecorder recorder;
        int stepsRun = 0;
        dispatch([&] {
            dispatch([&] {
                ++stepsRun;
                loadPicture("/nonexistent/Ikone/namest~1.ico");
                ++stepsRun;
            });
            ++stepsRun;
        });
        QCOMPARE(stepsRun, 1);
        QCOMPARE(int(recorder.errors.size()), 1);
        const std::string report = runTimeErrorReport(recorder.errors.front());
        QVERIFY2(report.find("Load picture") != std::string::npos, report.c_str());
        QVERIFY2(report.find("/nonexistent/Ikone/namest~1.ico") != std::string::npos, report.c_str());
    }

    // The real report: a message box naming the failure, then the end of the program.
    void aRunTimeErrorShowsABoxAndEndsTheProgramWithAFailureStatus() {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        int handlersAfterwards = 0;
        dispatch([] { loadPicture("/nonexistent/Ikone/vanmes~1.ico"); });
        dispatch([&] { ++handlersAfterwards; });
        QVERIFY2(shown.contains("/nonexistent/Ikone/vanmes~1.ico"), qPrintable(shown));
        QVERIFY(programEnding());
        QCOMPARE(exitStatus(), 1);
        QCOMPARE(handlersAfterwards, 0);
    }

    void afterEndNoHandlerRuns() {
        endProgram();
        bool ran = false;
        dispatch([&] { ran = true; });
        QVERIFY(!ran);
        QCOMPARE(exitStatus(), 0);
    }
};

TARVO_TEST_MAIN(RuntimeTest)
#include "tst_runtime.moc"
