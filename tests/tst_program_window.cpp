// SPDX-License-Identifier: MIT
// The program as a player starts it, watched from outside: another process on a real X display,
// played with xdotool's mouse and read from screenshots. TARVO_PROGRAM names the command.
#include "platform/forms/twips.h"
#include "support/real_display.h"
#include "ui/board_layout.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <optional>

using namespace tarvo;

namespace {

QString program() { return qEnvironmentVariable("TARVO_PROGRAM"); }

// The real program file behind the command, links followed.
QString programFile() {
    const QFileInfo given(program());
    return (given.exists() ? given : QFileInfo(QStandardPaths::findExecutable(program())))
        .canonicalFilePath();
}

// Runs xdotool to the end and gives what it printed, or nothing when it failed or hung.
std::optional<QString> xdotool(const QStringList& arguments, int timeoutMs = 20000) {
    QProcess process;
    process.start("xdotool", arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One run of the program, its board window found on the screen.
class RunningGame {
public:
    explicit RunningGame(double scale) : scale_(scale) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("QT_SCALE_FACTOR", QString::number(scale));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(program());
    }
    ~RunningGame() {
        process_.kill();
        process_.waitForFinished();
    }

    // Waits for the window "Tarvo" of this process and reads where it stands.
    bool findWindow() {
        if (!process_.waitForStarted())
            return false;
        const auto found = xdotool({"search", "--sync", "--onlyvisible", "--pid",
                                    QString::number(process_.processId()), "--name", "^Tarvo$"});
        if (!found || found->split('\n', Qt::SkipEmptyParts).size() != 1)
            return false;
        const auto geometry = xdotool({"getwindowgeometry", "--shell", found->trimmed()});
        if (!geometry)
            return false;
        QMap<QString, int> value;
        for (const QString& line : geometry->split('\n', Qt::SkipEmptyParts))
            value.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
        frame_ = QRect(value["X"], value["Y"], value["WIDTH"], value["HEIGHT"]);
        return true;
    }

    bool stillRunning() const { return process_.state() == QProcess::Running; }

    // The process's visible top-level windows: the board alone, unless a message box is up.
    int visibleWindows() const {
        const auto found =
            xdotool({"search", "--onlyvisible", "--pid", QString::number(process_.processId())});
        return found ? int(found->split('\n', Qt::SkipEmptyParts).size()) : 0;
    }

    // A control's place within the screenshot of the window (the client area is at the bottom,
    // below the menu bar).
    QRect inWindow(platform::TwipsRect r) const {
        const auto px = [&](int twips) {
            return int(std::lround(twips * scale_ / platform::kTwipsPerPixel));
        };
        const int clientTop = frame_.height() - px(board_layout::form().clientHeight);
        return QRect(px(r.left), clientTop + px(r.top), px(r.width), px(r.height));
    }
    QPoint onScreen(platform::TwipsRect r) const { return frame_.topLeft() + inWindow(r).center(); }

    QImage screenshot() const {
        QTest::qWait(300);  // let the last paint reach the server
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, frame_.x(), frame_.y(), frame_.width(), frame_.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Drags the tiles of "digits" onto the row's slots and presses "Show".
    bool playRow(int row, const char* digits) {
        QStringList c;
        for (int p = 1; p <= 4; ++p)
            c << testing::dragCommands(onScreen(board_layout::tile(digits[p - 1] - '0').rect),
                                       onScreen(board_layout::slot(row, p).rect));
        c << testing::clickAt(onScreen(board_layout::showButton().rect)) << testing::pause(0.2);
        return xdotool(c, 60000).has_value();
    }

private:
    double scale_;
    QProcess process_;
    QRect frame_;  // the board's window on the screen, in device pixels
};

// Keeps a screenshot for a person to look at, when TARVO_SCREENSHOTS names a folder.
void keep(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("TARVO_SCREENSHOTS");
    if (!folder.isEmpty())
        image.save(folder + '/' + name + ".png");
}

// Pixels in the middle of a box that stand out from its background: the strokes of a digit
// (grey in a disabled slot), the outline of a peg.
int inkIn(const QImage& image, QRect box) {
    const int inset = box.width() / 6;  // past the border
    box.adjust(inset, inset, -inset, -inset);
    const int background = qGray(image.pixel(box.topLeft()));
    int ink = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ink += std::abs(qGray(image.pixel(x, y)) - background) > 40;
    return ink;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// How sharp the edges of a picture are: the summed brightness steps between neighbours.
double edgeEnergy(const QImage& image) {
    double energy = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int g = qGray(image.pixel(x, y));
            energy +=
                std::pow(g - qGray(image.pixel(x + 1, y)), 2) + std::pow(g - qGray(image.pixel(x, y + 1)), 2);
        }
    return energy;
}

// Plays rows 1 and 2 with guesses that together score at least one peg whatever the code
// ("1234" then "5566": every code digit is in one of them).
void playTwoRows(RunningGame& game) {
    QVERIFY(game.playRow(1, "1234"));
    const QImage afterOne = game.screenshot();
    if (inkIn(afterOne, game.inWindow(board_layout::message().rect)) == 0)  // not yet won
        QVERIFY(game.playRow(2, "5566"));
}

int pegsWithInk(const RunningGame& game, const QImage& shot) {
    int pegs = 0;
    for (int row = 1; row <= 2; ++row)
        for (int p = 1; p <= 4; ++p)
            pegs += inkIn(shot, game.inWindow(board_layout::peg(row, p).rect)) > 0;
    return pegs;
}

}  // namespace

class ProgramWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (const QString why = testing::whyNoRealDisplay(); !why.isEmpty())
            testing::skipEverything(why);
        QVERIFY2(!program().isEmpty(), "TARVO_PROGRAM names no program");
    }

    // The icons of the pegs come from Ikone/ beside the real program file, however started.
    void playsAGameAsStarted() {
        RunningGame game(1);
        QVERIFY2(game.findWindow(), "the window \"Tarvo\" did not appear");
        playTwoRows(game);
        const QImage shot = game.screenshot();
        keep(shot, "played");
        QVERIFY2(game.stillRunning(), "the program ended");
        QVERIFY2(game.visibleWindows() == 1, "a second window (a run-time error?) stands over the board");
        for (int p = 1; p <= 4; ++p)
            QVERIFY2(inkIn(shot, game.inWindow(board_layout::slot(1, p).rect)) > 0, "row 1 holds no digit");
        QVERIFY2(pegsWithInk(game, shot) >= 1, "no peg shows: the icons were not found");
    }

    // At twice the scale the window is twice the size with the same layout, its text is drawn
    // at the finer resolution rather than enlarged, and the pegs are scaled smoothly.
    void keepsItsLayoutAtScaleTwo() {
        QImage single;
        {
            RunningGame game(1);
            QVERIFY(game.findWindow());
            single = game.screenshot();
        }
        RunningGame game(2);
        QVERIFY(game.findWindow());
        const QImage doubled = game.screenshot();
        keep(single, "scale-1");
        keep(doubled, "scale-2");
        QCOMPARE(doubled.size(), single.size() * 2);

        const QImage reduced = doubled.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = meanDifference(reduced, single);
        qInfo("mean difference of the halved scale-2 window from the scale-1 window: %.2f", difference);
        QVERIFY2(difference < 8, "the layout differs at scale 2");

        // Text: the row numbers and the caption of "Show".
        double native = 0, enlarged = 0;
        for (const platform::TwipsRect r : {board_layout::rowNumber(1).rect, board_layout::rowNumber(4).rect,
                                            board_layout::showButton().rect}) {
            const QRect at2 = game.inWindow(r);
            const QRect at1(at2.topLeft() / 2, at2.size() / 2);
            native += edgeEnergy(doubled.copy(at2));
            enlarged += edgeEnergy(
                single.copy(at1).scaled(at2.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        qInfo("edge energy of text at scale 2: %.0f, of scale-1 text enlarged: %.0f", native, enlarged);
        QVERIFY2(native > 1.3 * enlarged, "text at scale 2 is an enlarged picture, not drawn anew");

        // Pegs: each shown peg is its icon scaled smoothly to the doubled box.
        playTwoRows(game);
        const QImage shot = game.screenshot();
        keep(shot, "scale-2-played");
        const QString folder = QFileInfo(programFile()).path();
        const QImage icons[] = {QImage(folder + "/Ikone/namest~1.ico"),
                                QImage(folder + "/Ikone/vanmes~1.ico")};
        QVERIFY2(!icons[0].isNull() && !icons[1].isNull(), "the peg icons cannot be read");
        int compared = 0;
        for (int row = 1; row <= 2; ++row)
            for (int p = 1; p <= 4; ++p) {
                const QRect box = game.inWindow(board_layout::peg(row, p).rect);
                const QImage shown = shot.copy(box);
                if (inkIn(shot, box) == 0)
                    continue;
                double smooth = 1e9, fast = 1e9;
                for (const QImage& icon : icons) {
                    const auto expected = [&](Qt::TransformationMode mode) {
                        QImage picture(box.size(), QImage::Format_RGB32);
                        picture.fill(shown.pixel(0, 0));
                        QPainter painter(&picture);
                        painter.drawImage(0, 0, icon.scaled(box.size(), Qt::IgnoreAspectRatio, mode));
                        return picture;
                    };
                    smooth = std::min(smooth, meanDifference(shown, expected(Qt::SmoothTransformation)));
                    fast = std::min(fast, meanDifference(shown, expected(Qt::FastTransformation)));
                }
                qInfo("peg %d,%d: %.2f from the smoothly scaled icon, %.2f from the coarsely scaled", row, p,
                      smooth, fast);
                QVERIFY2(smooth < 2 && smooth < fast, "the peg is not its icon scaled smoothly");
                ++compared;
            }
        QVERIFY(compared >= 1);
    }
};

QTEST_MAIN(ProgramWindowTest)
#include "tst_program_window.moc"
