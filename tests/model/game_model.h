// SPDX-License-Identifier: MIT
// An independent description of the game as the player sees it, advanced by the same events as
// the program. It shares no code with the program: its scoring is the usual count, its clock a
// plain countdown.
#pragma once

#include <array>
#include <string>

namespace tarvo::model {

enum class Level { Hard, Normal, Easy };
enum class Ending { None, Win, SixthRowLoss, TimeOut };

class GameModel {
public:
    // The program's start: a game at Normal; the code as "1234".
    void start(const std::string& code, int second);
    // File > New: the same, unless the board is blocked.
    void chooseNew(const std::string& code, int second);
    void chooseLevel(Level level, const std::string& code, int second);
    void drop(int digit, int row, int position);
    // Keys on the board: a digit goes to the active row where the cursor stands, as a drop would.
    // Up and Down move over the rows played; T tells the time and leaves the cursor. After an
    // ending no key moves the cursor.
    void typeDigit(int digit);
    enum class Move { Left, Right, Home, End, Up, Down, T };
    void moveCursor(Move move);
    void pressReturn() { score(); }  // the window's default button, "Show", takes it
    // Clicks: a tile picks it up, or puts it down when it was the one up; a slot of the active
    // row takes the tile that is up, as a drop, and it stays up; any other click puts it down. A
    // click on an open slot brings the keys' cursor there while the game goes on.
    void clickTile(int digit);
    void clickSlot(int row, int position);
    void clickElsewhere();
    void pressShow();  // with the mouse: a click that puts a picked tile down first
    // About over the board, or How to play, which stops the clock until it closes; the clock goes
    // on from the next second, as it steps, if the game goes on.
    enum class Over { Nothing, About, Rules };
    void open(Over window);
    void close(int second);
    void tick(int second);

    Over over() const { return over_; }
    int activeRow() const { return activeRow_; }
    int cursor() const { return cursor_; }
    int picked() const { return picked_; }
    const std::string& row(int row) const { return slots_[row - 1]; }  // ' ' for an empty slot
    const std::string& code() const { return code_; }
    Ending lastEnding() const { return lastEnding_; }  // the ending the last event brought, if any
    bool ended() const { return !showButton_; }
    Level level() const { return level_; }
    int minutesBorrowed() const { return borrowed_; }

    // Everything on the screen, in the same words as the test reads it off the real windows.
    std::string screen() const;

private:
    void reset(const std::string& code);
    void score();
    void startNormal(const std::string& code, int second);
    void end(const char* message);
    bool boardTakesInput() const { return over_ == Over::Nothing; }

    std::string code_;
    std::array<std::string, 6> slots_{};  // four characters a row, ' ' for an empty slot
    std::array<std::string, 6> pegs_{};   // four characters a row: 'i', 'o' or '-'
    std::array<bool, 6> rowOpen_{};
    int activeRow_ = 1;
    bool tiles_ = true;
    bool showButton_ = true;
    bool clockBox_ = true;
    bool timer_ = true;
    std::string message_;
    std::string revealed_ = "    ";
    std::string clockText_;
    Level level_ = Level::Normal;
    int minutes_ = 2;
    int seconds_ = 45;
    int borrowed_ = 0;
    int awaited_ = 0;
    Over over_ = Over::Nothing;
    Ending lastEnding_ = Ending::None;
    int cursorRow_ = 1;
    int cursor_ = 1;            // position
    bool cursorShown_ = false;  // from the first key to the ending
    int picked_ = 0;            // the tile up, 0 for none
};

}  // namespace tarvo::model
