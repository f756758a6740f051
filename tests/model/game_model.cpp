// SPDX-License-Identifier: MIT
#include "model/game_model.h"

#include <algorithm>

namespace tarvo::model {

namespace {

int startingMinutes(Level level) { return level == Level::Hard ? 0 : level == Level::Normal ? 2 : 4; }
int startingSeconds(Level level) { return level == Level::Normal ? 45 : 55; }

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

void GameModel::reset(const std::string& code) {
    code_ = code;
    for (int r = 0; r < 6; ++r) {
        slots_[r] = "    ";
        pegs_[r] = "----";
        rowOpen_[r] = r == 0;
    }
    activeRow_ = 1;
    tiles_ = showButton_ = clockBox_ = timer_ = true;
    message_.clear();
    revealed_ = "    ";
    borrowed_ = 0;
    picked_ = 0;
    lastEnding_ = Ending::None;
    cursorRow_ = cursor_ = 1;
    cursorShown_ = false;
}

void GameModel::start(const std::string& code, int second) {
    over_ = Over::Nothing;
    startNormal(code, second);
}

void GameModel::chooseNew(const std::string& code, int second) {
    lastEnding_ = Ending::None;
    if (boardTakesInput())
        startNormal(code, second);
}

void GameModel::startNormal(const std::string& code, int second) {
    reset(code);
    level_ = Level::Normal;
    minutes_ = 2;
    seconds_ = 45;
    awaited_ = (second + 1) % 60;
    clockText_ = "2:45";
}

void GameModel::chooseLevel(Level level, const std::string& code, int second) {
    lastEnding_ = Ending::None;
    if (!boardTakesInput())
        return;
    reset(code);
    level_ = level;
    minutes_ = startingMinutes(level);
    seconds_ = startingSeconds(level);
    awaited_ = second >= 58 ? 0 : second + 2;
    clockText_ = std::to_string(minutes_) + ":" + std::to_string(seconds_);
}

void GameModel::drop(int digit, int row, int position) {
    lastEnding_ = Ending::None;
    if (boardTakesInput() && tiles_ && rowOpen_[row - 1])
        slots_[row - 1][position - 1] = char('0' + digit);
}

void GameModel::clickTile(int digit) {
    lastEnding_ = Ending::None;
    if (boardTakesInput())
        picked_ = tiles_ && picked_ != digit ? digit : 0;  // a tile that is off takes no click
}

void GameModel::clickSlot(int row, int position) {
    lastEnding_ = Ending::None;
    if (!boardTakesInput())
        return;
    if (picked_ && tiles_ && rowOpen_[row - 1])
        drop(picked_, row, position);  // and it stays picked for the next slot
    else
        picked_ = 0;
    if (rowOpen_[row - 1] && showButton_) {
        cursorRow_ = row;
        cursor_ = position;
    }
}

void GameModel::clickElsewhere() {
    lastEnding_ = Ending::None;
    if (boardTakesInput())
        picked_ = 0;
}

void GameModel::typeDigit(int digit) {
    lastEnding_ = Ending::None;
    if (!boardTakesInput() || !showButton_)
        return;
    cursorShown_ = true;
    cursorRow_ = activeRow_;
    slots_[activeRow_ - 1][cursor_ - 1] = char('0' + digit);
    cursor_ = std::min(cursor_ + 1, 4);
}

void GameModel::moveCursor(Move move) {
    lastEnding_ = Ending::None;
    if (!boardTakesInput() || !showButton_ || move == Move::T)
        return;
    cursorShown_ = true;
    if (move == Move::Up || move == Move::Down)
        cursorRow_ = std::clamp(cursorRow_ + (move == Move::Up ? -1 : 1), 1, activeRow_);
    else
        cursor_ = move == Move::Home   ? 1
                  : move == Move::End  ? 4
                  : move == Move::Left ? std::max(cursor_ - 1, 1)
                                       : std::min(cursor_ + 1, 4);
}

void GameModel::pressShow() {
    clickElsewhere();
    score();
}

void GameModel::score() {
    lastEnding_ = Ending::None;
    if (!boardTakesInput() || !showButton_)
        return;
    std::string& guess = slots_[activeRow_ - 1];
    if (guess.find(' ') != std::string::npos)
        return;

    int inPlace = 0;
    int common = 0;
    for (int k = 0; k < 4; ++k)
        inPlace += guess[k] == code_[k];
    for (char d = '1'; d <= '6'; ++d)
        common +=
            std::min(std::count(code_.begin(), code_.end(), d), std::count(guess.begin(), guess.end(), d));
    std::string& pegs = pegs_[activeRow_ - 1];
    pegs = std::string(inPlace, 'i') + std::string(common - inPlace, 'o');
    pegs.resize(4, '-');

    if (inPlace == 4)
        end("You Won !");
    rowOpen_[activeRow_ - 1] = false;
    if (activeRow_ < 6) {
        ++activeRow_;
        rowOpen_[activeRow_ - 1] = true;
        if (message_.empty()) {
            cursorRow_ = activeRow_;
            cursor_ = 1;
        }
    } else if (message_.empty()) {
        end("You Lost !");
    }
}

void GameModel::end(const char* message) {
    message_ = message;
    revealed_ = code_;
    tiles_ = showButton_ = clockBox_ = timer_ = false;
    cursorShown_ = false;
    picked_ = 0;
    lastEnding_ = message_ == "You Won !" ? Ending::Win : Ending::SixthRowLoss;
}

void GameModel::open(Over window) {
    lastEnding_ = Ending::None;
    if (!boardTakesInput())
        return;
    over_ = window;
    if (window == Over::Rules)
        timer_ = false;
}

void GameModel::close(int second) {
    lastEnding_ = Ending::None;
    if (over_ == Over::Rules && showButton_) {
        timer_ = true;
        awaited_ = (second + 1) % 60;
    }
    over_ = Over::Nothing;
}

void GameModel::tick(int second) {
    lastEnding_ = Ending::None;
    if (!timer_)
        return;
    clockText_ = std::to_string(level_ == Level::Hard ? 0 : minutes_) + ":" + twoDigits(seconds_);
    // The awaited second is at most two seconds ahead; any other distance means it has passed.
    const int ahead = (awaited_ - second + 60) % 60;
    if (ahead == 1 || ahead == 2)
        return;
    awaited_ = (second + 1) % 60;
    if (seconds_ > 0) {
        --seconds_;
        return;
    }
    if (minutes_ == 0) {
        seconds_ = -1;
        clockBox_ = timer_ = false;
        revealed_ = code_;
        message_ = "You Lost !";
        showButton_ = tiles_ = false;
        cursorShown_ = false;
        lastEnding_ = Ending::TimeOut;
        return;
    }
    --minutes_;
    seconds_ = 59;
    ++borrowed_;
}

std::string GameModel::screen() const {
    std::string s;
    for (int r = 0; r < 6; ++r)
        s += "row " + std::to_string(r + 1) + " [" + slots_[r] + "] " + pegs_[r] +
             (rowOpen_[r] ? " open\n" : " closed\n");
    if (cursorShown_)
        s += "cursor on row " + std::to_string(cursorRow_) + " position " + std::to_string(cursor_) + "\n";
    if (picked_)
        s += "tile " + std::to_string(picked_) + " picked up\n";
    s += "code [" + revealed_ + "] message [" + message_ + "]\n";
    s += "clock [" + clockText_ + "]" + (clockBox_ ? " enabled" : " disabled") +
         (timer_ ? " running" : " stopped") + "\n";
    s += std::string("show ") + (showButton_ ? "enabled" : "disabled") + ", tiles " +
         (tiles_ ? "enabled" : "disabled") + "\n";
    s += std::string("level ") +
         (level_ == Level::Hard     ? "Hard"
          : level_ == Level::Normal ? "Normal"
                                    : "Easy") +
         "\n";
    s += std::string("over the board: ") +
         (over_ == Over::About   ? "About"
          : over_ == Over::Rules ? "How to play, covered"
                                 : "nothing") +
         ", board " + (boardTakesInput() ? "takes input" : "blocked") + "\n";
    return s;
}

}  // namespace tarvo::model
