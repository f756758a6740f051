// SPDX-License-Identifier: MIT
#include "windows/board_window.h"

#include "platform/services/run_time_error.h"

#include <algorithm>
#include <string>

namespace tarvo {

namespace {

template <class Control, std::size_t N>
Control& element(std::array<Control, N>& controls, int index, const char* what) {
    if (index < 1 || std::size_t(index) > N)
        throw platform::RunTimeError(what, std::to_string(index) + " is outside 1.." + std::to_string(N));
    return controls[std::size_t(index - 1)];
}

std::size_t gridIndex(int row, int position) {
    if (row < 1 || row > 6 || position < 1 || position > 4)
        throw platform::RunTimeError("Board", "row " + std::to_string(row) + ", position " +
                                                  std::to_string(position) + " is not on the board");
    return std::size_t(4 * (row - 1) + position - 1);
}

}  // namespace

platform::Label& BoardWindow::codeLabel(int position) { return element(codeLabels_, position, "Code label"); }
platform::Label& BoardWindow::rowNumber(int row) { return element(rowNumbers_, row, "Row number"); }
platform::Label& BoardWindow::slot(int row, int position) { return slots_[gridIndex(row, position)]; }
platform::Image& BoardWindow::peg(int row, int position) { return pegs_[gridIndex(row, position)]; }
platform::Label& BoardWindow::tile(int digit) { return element(tiles_, digit, "Tile"); }

BoardWindow::Place BoardWindow::placeOf(const platform::Label& slot) const {
    const auto found = std::find(slots_.begin(), slots_.end(), slot);
    const int index = int(found - slots_.begin());
    return found == slots_.end() ? Place{} : Place{index / 4 + 1, index % 4 + 1};
}

void BoardWindow::placeCursor(int row, int position, bool shown) {
    const std::size_t at = gridIndex(row, position);
    cursor_ = {row, position, shown};
    for (std::size_t k = 0; k < slots_.size(); ++k)
        if (k != at)
            slots_[k].setMark(platform::Mark::None);
    slots_[at].setMark(shown ? platform::Mark::Cursor : platform::Mark::None);  // the newest last
}

void BoardWindow::pickUp(int digit) {
    picked_ = digit >= 1 && digit <= 6 && tile(digit).isEnabled() ? digit : 0;
    for (int d = 1; d <= 6; ++d)
        tile(d).setMark(d == picked_ ? platform::Mark::Picked : platform::Mark::None);
}

const std::optional<BoardWindow::Score>& BoardWindow::score(int row) const {
    return scores_[gridIndex(row, 1) / 4];
}

void BoardWindow::keepScore(int row, const Score& score) { scores_[gridIndex(row, 1) / 4] = score; }

int BoardWindow::rowsScored() const {
    return int(std::find(scores_.begin(), scores_.end(), std::nullopt) - scores_.begin());
}

void BoardWindow::endInput() {
    placeCursor(cursor_.row, cursor_.position, false);
    pickUp(0);
}

}  // namespace tarvo
