// SPDX-License-Identifier: MIT
#include "ui/board_window.h"

#include "control/clock.h"
#include "control/levels.h"
#include "control/start_up.h"
#include "game/show.h"
#include "platform/run_time_error.h"
#include "platform/translation.h"
#include "ui/about_window.h"
#include "ui/board_layout.h"
#include "ui/drops.h"
#include "ui/keyboard.h"
#include "ui/rules_window.h"

#include <optional>
#include <string>

namespace tarvo {

using platform::MenuItem;
using platform::MenuSpec;

namespace {

// The menu bar, top to bottom; a title starts a menu, the items below it fill it.
// Every access key is the only one of its letter in the whole menu bar, in every language.
struct MenuEntry {
    MenuItem BoardWindow::*item;
    bool title;
    const char* name;
    platform::Text caption;
    std::optional<bool> checked;
    const char* shortcut = "";  // the desktop's usual keys; the access keys stay as they are
};

constexpr MenuEntry kMenus[] = {
    {&BoardWindow::fFile, true, "fFile", TARVO_TEXT("Menu", "&File"), {}},
    {&BoardWindow::nNew, false, "nNew", TARVO_TEXT("Menu", "&New"), {}, "Ctrl+N"},
    {&BoardWindow::eExit, false, "eExit", TARVO_TEXT("Menu", "E&xit"), {}, "Ctrl+Q"},
    {&BoardWindow::lLevel, true, "lLevel", TARVO_TEXT("Menu", "&Level"), {}},
    {&BoardWindow::hHard, false, "hHard", TARVO_TEXT("Menu", "Ha&rd"), false},
    {&BoardWindow::nNormal, false, "nNormal", TARVO_TEXT("Menu", "N&ormal"), true},
    {&BoardWindow::eEasy, false, "eEasy", TARVO_TEXT("Menu", "&Easy"), false},
    {&BoardWindow::hHelp, true, "hHelp", TARVO_TEXT("Menu", "&Help"), {}},
    {&BoardWindow::hHowToPlay, false, "hHowToPlay", TARVO_TEXT("Menu", "How to &play"), {}, "F1"},
    {&BoardWindow::aAbout, false, "aAbout", TARVO_TEXT("Menu", "&About"), {}},
};

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

BoardWindow::BoardWindow() : Form(board_layout::form()) {
    // Created in tab order: only "Show" takes the focus from the keyboard.
    for (int k = 1; k <= 4; ++k)
        codeLabels_[std::size_t(k - 1)] = addLabel(board_layout::codeLabel(k));
    for (int r = 1; r <= 6; ++r)
        rowNumbers_[std::size_t(r - 1)] = addLabel(board_layout::rowNumber(r));
    for (int r = 1; r <= 6; ++r)
        for (int p = 1; p <= 4; ++p)
            slots_[gridIndex(r, p)] = addLabel(board_layout::slot(r, p));
    Command1 = addCommandButton(board_layout::showButton());
    for (int d = 1; d <= 6; ++d)
        tiles_[std::size_t(d - 1)] = addLabel(board_layout::tile(d));
    Text1 = addTextBox(board_layout::clock());
    Label35 = addLabel(board_layout::message());
    for (int r = 1; r <= 6; ++r)
        for (int p = 1; p <= 4; ++p)
            pegs_[gridIndex(r, p)] = addImage(board_layout::peg(r, p));
    Timer1 = addTimer(board_layout::clockTimer());

    MenuItem* menu = nullptr;
    for (const MenuEntry& entry : kMenus) {
        MenuItem& item = this->*entry.item;
        const MenuSpec spec{entry.name, platform::translated(entry.caption), entry.checked, entry.shortcut};
        item = entry.title ? addMenu(spec) : addMenuItem(*menu, spec);
        if (entry.title)
            menu = &item;
    }

    for (platform::Label& slot : slots_) {
        slot.onDragDrop(Slot_DragDrop);
        slot.onClick(Slot_Click);
    }
    for (platform::Label& tile : tiles_)
        tile.onClick(Tile_Click);
    onClickElsewhere(Form_ClickElsewhere);
    Command1.onClick(Command1_Click);
    onLoad(Form_Load);
    onClose(eExit_Click);  // closing the board window ends the program, as File > Exit does
    Timer1.onTimer(Timer1_Timer);
    Text1.onChange(Text1_Change);
    onKeyDown(Form_KeyDown, platform::HeldKey::OnePress);
    nNew.onClick(nNew_Click);
    eExit.onClick(eExit_Click);
    hHard.onClick(hHard_Click);
    nNormal.onClick(nNormal_Click);
    eEasy.onClick(eEasy_Click);
    hHowToPlay.onClick(hHowToPlay_Click);
    aAbout.onClick(aAbout_Click);
}

void BoardWindow::markCursor() {
    for (int r = 1; r <= 6; ++r)
        for (int p = 1; p <= 4; ++p) {
            platform::Label& s = slot(r, p);
            s.setMarked(cursor.shown && r == cursor.row && p == cursor.position && s.isEnabled());
        }
}

void BoardWindow::pickUp(int digit) {
    picked = digit >= 1 && digit <= 6 && tile(digit).isEnabled() ? digit : 0;
    for (int d = 1; d <= 6; ++d)
        tile(d).setMarked(d == picked);
}

platform::Label& BoardWindow::codeLabel(int position) { return element(codeLabels_, position, "Code label"); }
platform::Label& BoardWindow::rowNumber(int row) { return element(rowNumbers_, row, "Row number"); }
platform::Label& BoardWindow::slot(int row, int position) { return slots_[gridIndex(row, position)]; }
platform::Image& BoardWindow::peg(int row, int position) { return pegs_[gridIndex(row, position)]; }
platform::Label& BoardWindow::tile(int digit) { return element(tiles_, digit, "Tile"); }

}  // namespace tarvo
