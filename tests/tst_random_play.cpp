// SPDX-License-Identifier: MIT
// Seeded random play: every event goes to the real windows and to an independent model of the
// game, and after every event the two must show the same thing.
//
// TARVO_RANDOM_PLAY_SEQUENCES (default 200) sequences run, from seed TARVO_RANDOM_PLAY_FIRST_SEED
// (default 0) on. TARVO_RANDOM_PLAY_SEED=n replays sequence n alone.
#include "model/game_model.h"
#include "platform/controls/label_widget.h"
#include "support/board.h"
#include "windows/board_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <map>
#include <optional>
#include <random>

using namespace tarvo;
using namespace tarvo::testing;
using model::Ending;
using model::GameModel;
using model::Level;

namespace {

enum class Kind { Drop, Show, New, ChooseLevel, OpenOver, CloseOver, Tick, Key, Click };

// The keys a player uses on the board, as Event::a of a Key event, by pressKeys' names.
const char* const kKeys[] = {"1",  "2",    "3",     "4",    "5",   "6",  "k1",   "k2", "k3",     "k4",   "k5",
                             "k6", "Left", "Right", "Home", "End", "Up", "Down", "T",  "Return", "Enter"};
constexpr int kFirstMove = 12;  // Left
constexpr int kFirstShow = 19;  // Return

struct Event {
    Kind kind;
    // Drop: digit; ChooseLevel: level; OpenOver: 0 About, 1 How to play; CloseOver: the way;
    // Tick: second; Key: kKeys; Click: a tile 1..6, 7 a slot, 0 elsewhere
    int a = 0;
    int row = 0;
    int position = 0;
    std::string code{};  // of the game a New or a level choice starts
};

std::string describe(const Event& e) {
    switch (e.kind) {
        case Kind::Drop:
            return "drop " + std::to_string(e.a) + " on row " + std::to_string(e.row) + " position " +
                   std::to_string(e.position);
        case Kind::Show:
            return "Show";
        case Kind::New:
            return "File > New (code " + e.code + ")";
        case Kind::ChooseLevel:
            return std::string("Level > ") +
                   (e.a == 0   ? "Hard"
                    : e.a == 1 ? "Normal"
                               : "Easy") +
                   " (code " + e.code + ")";
        case Kind::OpenOver:
            return e.a == 0 ? "Help > About" : "Help > How to play";
        case Kind::CloseOver:
            return std::string("the window over the board: ") + (e.a == 0   ? "OK"
                                                                 : e.a == 1 ? "close button"
                                                                            : "Escape");
        case Kind::Tick:
            return "tick at second " + std::to_string(e.a);
        case Kind::Key:
            return std::string("key ") + kKeys[e.a];
        case Kind::Click:
            return e.a == 7
                       ? "click on row " + std::to_string(e.row) + " position " + std::to_string(e.position)
                   : e.a == 0 ? std::string("click elsewhere")
                              : "click on tile " + std::to_string(e.a);
    }
    return {};
}

// How a sequence spends its events; the mix makes every ending common.
struct Style {
    int drop, show, newGame, level, openOver, closeOver, tick, key, click;
    double aimed;     // share of drops that put the code's digit in its place
    bool startsHard;  // a level choice of Hard first
};
constexpr Style kPlayer{35, 15, 1, 1, 1, 1, 21, 15, 10, 0.35, false};
constexpr Style kTypist{10, 5, 1, 1, 1, 1, 16, 60, 5, 0.35, false};
constexpr Style kClicker{5, 15, 1, 1, 1, 1, 21, 5, 50, 0.35, false};
constexpr Style kClock{8, 3, 0, 1, 1, 2, 80, 5, 0, 0.3, true};
constexpr Style kMarathon{1, 1, 0, 0, 1, 1, 96, 0, 0, 0.0, false};

class Sequence {
public:
    explicit Sequence(std::uint64_t seed) : rng_(seed) {
        const int pick = below(10);
        style_ = pick < 3   ? kPlayer
                 : pick < 5 ? kTypist
                 : pick < 7 ? kClicker
                 : pick < 9 ? kClock
                            : kMarathon;
        second_ = below(60);
        length_ = 20 + below(181);
    }

    int length() const { return length_; }
    int second() const { return second_; }
    std::string code() {
        std::string c;
        for (int k = 0; k < 4; ++k)
            c += char('1' + below(6));
        return c;
    }

    Event next(const GameModel& game, int index) {
        if (index == 0 && style_.startsHard)
            return {Kind::ChooseLevel, 0, 0, 0, code()};
        const int weights[] = {style_.drop,      style_.show, style_.newGame, style_.level, style_.openOver,
                               style_.closeOver, style_.tick, style_.key,     style_.click};
        int roll = below(100);
        int kind = 0;
        while (roll >= weights[kind])
            roll -= weights[kind++];
        switch (Kind(kind)) {
            case Kind::Drop: {
                // Mostly onto an empty slot of the active row, as a player fills a row.
                const int row = below(5) == 0 ? 1 + below(6) : game.activeRow();
                int position = 1 + below(4);
                const std::string& filled = game.row(row);
                if (below(10) < 7 && filled.find(' ') != std::string::npos)
                    while (filled[position - 1] != ' ')
                        position = 1 + below(4);
                const bool aimed = aims(game);
                const int digit = aimed ? game.code()[position - 1] - '0' : 1 + below(6);
                return {Kind::Drop, digit, row, position, {}};
            }
            case Kind::New:
                return {Kind::New, 0, 0, 0, code()};
            case Kind::ChooseLevel:
                return {Kind::ChooseLevel, below(3), 0, 0, code()};
            case Kind::OpenOver:
                return {Kind::OpenOver, below(2), 0, 0, {}};
            case Kind::CloseOver:
                return {Kind::CloseOver, below(3), 0, 0, {}};
            case Kind::Key: {
                // Mostly digits, as a player types a row; aimed ones are the code's at the cursor.
                const int roll = below(20);
                if (roll < 3)
                    return {Kind::Key, kFirstMove + below(kFirstShow - kFirstMove)};
                if (roll < 5)
                    return {Kind::Key, kFirstShow + below(2)};
                const bool aimed = aims(game);
                const int digit = aimed ? game.code()[game.cursor() - 1] - '0' : 1 + below(6);
                return {Kind::Key, digit - 1 + 6 * below(2)};
            }
            case Kind::Click: {
                // A pick, then a slot, a cancel or another pick.
                const int roll = below(10);
                if (roll < 4)
                    return {Kind::Click, aims(game) ? game.code()[below(4)] - '0' : 1 + below(6)};
                if (roll < 9)
                    return {Kind::Click, 7, below(5) == 0 ? 1 + below(6) : game.activeRow(), 1 + below(4)};
                return {Kind::Click, 0};
            }
            case Kind::Tick: {
                const int gap = below(20);  // mostly the next second; sometimes none, sometimes late
                second_ = (second_ + (gap < 2 ? 0 : gap < 17 ? 1 : gap < 19 ? 2 : 5)) % 60;
                return {Kind::Tick, second_, 0, 0, {}};
            }
            default:
                return {Kind(kind)};
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<>(0, n - 1)(rng_); }
    // On the sixth row a player aims harder, so that the last row's win comes up often enough.
    bool aims(const GameModel& game) {
        return std::uniform_real_distribution<>(0, 1)(rng_) < (game.activeRow() == 6 ? 0.8 : style_.aimed);
    }

    std::mt19937_64 rng_;
    Style style_;
    int second_;
    int length_;
};

// Input that a blocked board must swallow: a click on a menu title.
void clickMenuTitle(int index) {
    QMenuBar* bar = boardWidget()->findChild<QMenuBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(index)).center());
}

QTimer* timer() { return boardWidget()->findChild<QTimer*>("Timer1"); }

// The board's controls that the screen is read from, looked up once for each board window: the
// lookups of a name each would be most of the cost of random play.
struct Board {
    explicit Board(QWidget* board) : window(board) {
        const auto find = [board](const QString& name) { return board->findChild<QWidget*>(name); };
        for (int r = 1; r <= 6; ++r)
            for (int p = 1; p <= 4; ++p) {
                slotLabels[std::size_t(4 * (r - 1) + p - 1)] =
                    qobject_cast<platform::LabelWidget*>(find(slotName(r, p)));
                pegs[std::size_t(4 * (r - 1) + p - 1)] = qobject_cast<QLabel*>(find(pegName(r, p)));
            }
        for (int d = 1; d <= 6; ++d)
            tiles[std::size_t(d - 1)] = qobject_cast<QLabel*>(find(tileName(d)));
        message = qobject_cast<QLabel*>(find("Label35"));
        clock = qobject_cast<QLineEdit*>(find("Text1"));
        show = qobject_cast<QPushButton*>(find("Command1"));
        timer = board->findChild<QTimer*>("Timer1");
        for (const char* item : {"hHard", "nNormal", "eEasy"})
            levels.push_back({item + 1, board->findChild<QAction*>(item)});
    }
    // The controls of the board window shown now: the same until it is hidden, as a restart does.
    static const Board& shown() {
        static std::optional<Board> board;
        if (!board || !board->window || !board->window->isVisible())
            board.emplace(boardWidget());
        return *board;
    }
    // The window over the board, About or How to play, if one is open.
    const char* over() const {
        for (const auto& [name, words] : {std::pair{"Form2", "About"}, std::pair{"Form3", "How to play"}})
            if (const auto* w = window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
                w && w->isVisible())
                return words;
        return "nothing";
    }

    QPointer<QWidget> window;  // null once the window is gone, if another stands at its address
    std::array<platform::LabelWidget*, 24> slotLabels{};
    std::array<QLabel*, 24> pegs{};
    std::array<QLabel*, 6> tiles{};
    QLabel* message;
    QLineEdit* clock;
    QPushButton* show;
    QTimer* timer;
    std::vector<std::pair<std::string, QAction*>> levels;
};

std::string rowState(int row) {
    int open = 0;
    for (int p = 1; p <= 4; ++p)
        open += Form1().slot(row, p).isEnabled();
    return open == 4 ? " open\n" : open == 0 ? " closed\n" : " partly open\n";
}

std::string pegsShown(const Board& board, int row) {
    QString pegs = pegsOf(row);
    for (int p = 1; p <= 4; ++p) {  // the picture on the screen must agree with the one assigned
        const bool shown = !board.pegs[std::size_t(4 * (row - 1) + p - 1)]->pixmap().isNull();
        if (shown != (pegs[p - 1] != '-'))
            pegs[p - 1] = '?';
    }
    return pegs.toStdString();
}

std::string enabled(bool on) { return on ? "enabled" : "disabled"; }

// The marked labels: the cursor's slot, the picked tile.
std::string highlighted(const Board& board) {
    std::string s;
    for (int r = 1; r <= 6; ++r)
        for (int p = 1; p <= 4; ++p)
            if (board.slotLabels[std::size_t(4 * (r - 1) + p - 1)]->mark() == platform::Mark::Cursor)
                s += "cursor on row " + std::to_string(r) + " position " + std::to_string(p) + "\n";
    for (int d = 1; d <= 6; ++d)
        if (board.tiles[std::size_t(d - 1)]->backgroundRole() == QPalette::Highlight)
            s += "tile " + std::to_string(d) + " picked up\n";
    return s;
}

// The real windows, in the model's words.
std::string screen() {
    const Board& board = Board::shown();
    std::string s;
    for (int r = 1; r <= 6; ++r)
        s += "row " + std::to_string(r) + " [" + captionsOf(r).toStdString() + "] " + pegsShown(board, r) +
             rowState(r);
    s += highlighted(board);
    s +=
        "code [" + revealedCode().toStdString() + "] message [" + board.message->text().toStdString() + "]\n";
    const QLineEdit* clock = board.clock;
    s += "clock [" + clock->text().toStdString() + "] " + enabled(clock->isEnabled()) +
         (board.timer->isActive() ? " running" : " stopped") + "\n";
    int tiles = 0;
    for (int d = 1; d <= 6; ++d)
        tiles += Form1().tile(d).isEnabled();
    s += "show " + enabled(board.show->isEnabled()) + ", tiles " +
         (tiles == 6   ? "enabled"
          : tiles == 0 ? "disabled"
                       : "partly enabled") +
         "\n";
    std::string levels;
    for (const auto& [name, item] : board.levels)
        if (item->isChecked())
            levels += (levels.empty() ? "" : "+") + name;
    s += "level " + levels + "\n";
    const QWidget* cover = board.window->findChild<QWidget*>("Cover");
    s += std::string("over the board: ") + board.over() + (cover && cover->isVisible() ? ", covered" : "") +
         ", board " + (Form1().isEnabled() ? "takes input" : "blocked") + "\n";
    if (QApplication::activePopupWidget())
        s += "a menu is open\n";
    return s;
}

int environment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

}  // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeEverything(); }

    void randomPlayShowsWhatTheModelShows() {
        const int single = environment("TARVO_RANDOM_PLAY_SEED", -1);
        const int first = single >= 0 ? single : environment("TARVO_RANDOM_PLAY_FIRST_SEED", 0);
        const int count = single >= 0 ? 1 : environment("TARVO_RANDOM_PLAY_SEQUENCES", 200);
        long events = 0;
        for (int seed = first; seed < first + count; ++seed) {
            play(std::uint64_t(seed), events);
            if (QTest::currentTestFailed())
                return;
        }
        std::string counts;
        for (const auto& [what, times] : reached_)
            counts += "\n  " + what + ": " + std::to_string(times);
        qInfo("%d sequences, %ld events, 0 divergences; reached:%s", count, events, counts.c_str());
        if (single >= 0)
            return;
        // A change to the event mix must not quietly stop play from reaching these.
        std::string missed;
        for (const char* what : {"a win on row 1",
                                 "a win on row 6",
                                 "a loss on the sixth row",
                                 "a time-out at Hard",
                                 "a time-out at Normal",
                                 "Show on an incomplete row",
                                 "About closed by OK",
                                 "About closed by Escape",
                                 "About closed by its close button",
                                 "How to play closed as the game goes on",
                                 "How to play closed after an ending",
                                 "New from File > New",
                                 "New from Level > Hard",
                                 "New from Level > Normal",
                                 "New from Level > Easy",
                                 "a minute borrowed at Normal",
                                 "a minute borrowed at Easy",
                                 "a key after an ending",
                                 "a tile placed by clicks",
                                 "a tile put down by a click elsewhere",
                                 "a tile put down by a click on it",
                                 "another tile picked up"})
            if (!reached_.count(what))
                missed += std::string(missed.empty() ? "" : ", ") + what;
        QVERIFY2(missed.empty(), ("random play never reached " + missed).c_str());
    }

private:
    void play(std::uint64_t seed, long& events) {
        Sequence sequence(seed);
        GameModel game;
        const std::string first = sequence.code();
        game_.start(first, sequence.second());
        game.start(first, sequence.second());

        std::deque<std::string> log;
        for (int i = 0; i < sequence.length(); ++i) {
            const Event event = sequence.next(game, i);
            log.push_back(describe(event));
            if (log.size() > 25)
                log.pop_front();
            const GameModel before = game;
            apply(event, game);
            ++events;
            countReached(event, before, game);
            const std::string expected = game.screen();
            const std::string actual = screen();
            if (actual != expected) {
                std::string history;
                for (const std::string& line : log)
                    history += "  " + line + "\n";
                QFAIL(qPrintable(QString::fromStdString(
                    "sequence " + std::to_string(seed) + " diverged at event " + std::to_string(i) +
                    " (replay: TARVO_RANDOM_PLAY_SEED=" + std::to_string(seed) + ")\nlast events:\n" +
                    history + "model:\n" + expected + "program:\n" + actual)));
            }
        }
        closeEverything();
    }

    // What the event brought about that the suite relies on random play to reach.
    void countReached(const Event& e, const GameModel& before, const GameModel& after) {
        static const char* const levels[] = {"Hard", "Normal", "Easy"};
        const bool onTheBoard = before.over() == GameModel::Over::Nothing;
        const bool shows = e.kind == Kind::Show || (e.kind == Kind::Key && e.a >= kFirstShow);
        if (after.lastEnding() == Ending::Win)
            ++reached_["a win on row " + std::to_string(before.activeRow())];
        if (after.lastEnding() == Ending::SixthRowLoss)
            ++reached_["a loss on the sixth row"];
        if (after.lastEnding() == Ending::TimeOut)
            ++reached_[std::string("a time-out at ") + levels[int(before.level())]];
        if (after.minutesBorrowed() > before.minutesBorrowed())
            ++reached_[std::string("a minute borrowed at ") + levels[int(after.level())]];
        if (shows && onTheBoard && !before.ended() &&
            before.row(before.activeRow()).find(' ') != std::string::npos)
            ++reached_["Show on an incomplete row"];
        if (e.kind == Kind::Key && onTheBoard && before.ended())
            ++reached_["a key after an ending"];
        if (e.kind == Kind::Click && onTheBoard && before.picked()) {
            if (e.a == 7 && after.row(e.row) != before.row(e.row))
                ++reached_["a tile placed by clicks"];
            if (e.a == 0)
                ++reached_["a tile put down by a click elsewhere"];
            if (e.a >= 1 && e.a <= 6)
                ++reached_[e.a == before.picked() ? "a tile put down by a click on it"
                                                  : "another tile picked up"];
        }
        if (e.kind == Kind::CloseOver && before.over() == GameModel::Over::About)
            ++reached_[std::string("About closed by ") + (e.a == 0   ? "OK"
                                                          : e.a == 1 ? "its close button"
                                                                     : "Escape")];
        if (e.kind == Kind::CloseOver && before.over() == GameModel::Over::Rules)
            ++reached_[before.ended() ? "How to play closed after an ending"
                                      : "How to play closed as the game goes on"];
        if (e.kind == Kind::New && onTheBoard)
            ++reached_["New from File > New"];
        if (e.kind == Kind::ChooseLevel && onTheBoard)
            ++reached_[std::string("New from Level > ") + levels[e.a]];
    }

    void apply(const Event& e, GameModel& game) {
        switch (e.kind) {
            case Kind::Drop:
                dropTile(e.a, e.row, e.position);
                game.drop(e.a, e.row, e.position);
                break;
            case Kind::Show:
                pressShow();
                game.pressShow();
                break;
            case Kind::New:
                if (!onTheBoard(game)) {
                    clickMenuTitle(0);
                } else {
                    game_.draws.queueCode(e.code);
                    menuItem("nNew")->trigger();
                }
                game.chooseNew(e.code, game_.clock.second);
                break;
            case Kind::ChooseLevel:
                if (!onTheBoard(game)) {
                    clickMenuTitle(1);
                } else {
                    game_.draws.queueCode(e.code);
                    menuItem(e.a == 0 ? "hHard" : e.a == 1 ? "nNormal" : "eEasy")->trigger();
                }
                game.chooseLevel(Level(e.a), e.code, game_.clock.second);
                break;
            case Kind::OpenOver:
                if (!onTheBoard(game))
                    clickMenuTitle(2);
                else
                    menuItem(e.a == 0 ? "aAbout" : "hHowToPlay")->trigger();
                game.open(e.a == 0 ? GameModel::Over::About : GameModel::Over::Rules);
                break;
            case Kind::CloseOver:
                if (QWidget* over = aboutWidget() ? aboutWidget() : rulesWidget()) {
                    auto* ok = over->findChild<QPushButton*>("Command1");
                    if (e.a == 0)
                        QTest::mouseClick(ok, Qt::LeftButton);
                    else if (e.a == 1)
                        over->close();
                    else
                        QTest::keyClick(ok, Qt::Key_Escape);
                }
                game.close(game_.clock.second);
                break;
            case Kind::Key: {
                pressKeys(kKeys[e.a]);
                if (e.a < kFirstMove)
                    game.typeDigit(e.a % 6 + 1);
                else if (e.a < kFirstShow)
                    game.moveCursor(GameModel::Move(e.a - kFirstMove));
                else
                    game.pressReturn();
                break;
            }
            case Kind::Click:
                QTest::mouseClick(control<QWidget>(e.a == 7   ? slotName(e.row, e.position)
                                                   : e.a == 0 ? QString("Image1")
                                                              : tileName(e.a)),
                                  Qt::LeftButton);
                if (e.a == 7)
                    game.clickSlot(e.row, e.position);
                else if (e.a == 0)
                    game.clickElsewhere();
                else
                    game.clickTile(e.a);
                break;
            case Kind::Tick:
                game_.clock.second = e.a;
                if (QTimer* t = timer(); t->isActive()) {  // the toolkit times only running timers
                    QTimerEvent tick(t->timerId());
                    QCoreApplication::sendEvent(t, &tick);
                }
                game.tick(e.a);
                break;
        }
        // What the event loop would do next, short of running the timer.
        QCoreApplication::sendPostedEvents();
        flushDeletedWindows();
    }

    static bool onTheBoard(const GameModel& game) { return game.over() == GameModel::Over::Nothing; }

    FixedGame game_;
    std::map<std::string, long> reached_;
};

TARVO_TEST_MAIN(RandomPlayTest)
#include "tst_random_play.moc"
