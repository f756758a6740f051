// SPDX-License-Identifier: MIT
#include "windows/board_window.h"

#include "control/clock.h"
#include "control/levels.h"
#include "control/start_up.h"
#include "game/show.h"
#include "platform/services/translation.h"
#include "ui/about.h"
#include "ui/board_layout.h"
#include "ui/drops.h"
#include "ui/how_to_play.h"
#include "ui/keyboard.h"
#include "ui/telling.h"

#include <optional>

namespace tarvo {

using platform::MenuItem;
using platform::MenuSpec;

namespace {

// The menu bar, top to bottom; a title starts a menu, the items below it fill it.
// Each access key is the only one of its letter within its menu, and a title's within the menu
// bar, in every language.
struct MenuEntry {
    MenuItem BoardWindow::*item;
    bool title;
    const char* name;
    platform::Text caption;
    std::optional<bool> checked;
    const char* shortcut = "";  // the desktop's usual keys; the access keys stay as they are
};

constexpr MenuEntry kMenus[] = {
    {&BoardWindow::fFile, true, "fFile", TARVO_TEXT("Menu bar", "&File"), {}},
    {&BoardWindow::nNew, false, "nNew", TARVO_TEXT("File menu", "&New"), {}, "Ctrl+N"},
    {&BoardWindow::eExit, false, "eExit", TARVO_TEXT("File menu", "E&xit"), {}, "Ctrl+Q"},
    {&BoardWindow::lLevel, true, "lLevel", TARVO_TEXT("Menu bar", "&Level"), {}},
    {&BoardWindow::hHard, false, "hHard", TARVO_TEXT("Level menu", "Ha&rd"), false},
    {&BoardWindow::nNormal, false, "nNormal", TARVO_TEXT("Level menu", "N&ormal"), true},
    {&BoardWindow::eEasy, false, "eEasy", TARVO_TEXT("Level menu", "&Easy"), false},
    {&BoardWindow::hHelp, true, "hHelp", TARVO_TEXT("Menu bar", "&Help"), {}},
    {&BoardWindow::hHowToPlay, false, "hHowToPlay", TARVO_TEXT("Help menu", "How to &play"), {}, "F1"},
    {&BoardWindow::aAbout, false, "aAbout", TARVO_TEXT("Help menu", "&About"), {}},
};

}  // namespace

BoardWindow::BoardWindow() : Form(board_layout::form()) {
    // Created in tab order: only the reading line takes the focus, so the keys are the board's.
    addReadingLine(board_layout::readingLine());
    for (int k = 1; k <= 4; ++k)
        codeLabel(k) = addLabel(board_layout::codeLabel(k));
    for (int r = 1; r <= 6; ++r)
        rowNumber(r) = addLabel(board_layout::rowNumber(r));
    for (int r = 1; r <= 6; ++r)
        for (int p = 1; p <= 4; ++p)
            slot(r, p) = addLabel(board_layout::slot(r, p));
    Command1 = addCommandButton(board_layout::showButton());
    for (int d = 1; d <= 6; ++d)
        tile(d) = addLabel(board_layout::tile(d));
    Text1 = addTextBox(board_layout::clock());
    Label35 = addLabel(board_layout::message());
    for (int r = 1; r <= 6; ++r)
        for (int p = 1; p <= 4; ++p)
            peg(r, p) = addImage(board_layout::peg(r, p));
    Timer1 = addTimer(board_layout::clockTimer());

    MenuItem* menu = nullptr;
    for (const MenuEntry& entry : kMenus) {
        MenuItem& item = this->*entry.item;
        const MenuSpec spec{entry.name, platform::translated(entry.caption), entry.checked, entry.shortcut};
        item = entry.title ? addMenu(spec) : addMenuItem(*menu, spec);
        if (entry.title)
            menu = &item;
    }

    for (int r = 1; r <= 6; ++r)
        for (int p = 1; p <= 4; ++p) {
            slot(r, p).onDragDrop(Slot_DragDrop);
            slot(r, p).onClick(Slot_Click);
        }
    for (int d = 1; d <= 6; ++d)
        tile(d).onClick(Tile_Click);
    onClickElsewhere(Form_ClickElsewhere);
    Command1.onClick(Command1_Click);
    onLoad(Form_Load);
    onClose(eExit_Click);  // closing the board window ends the program, as File > Exit does
    Timer1.onTimer(Timer1_Timer);
    Text1.onChange(Text1_Change);
    onKeyDown(Form_KeyDown, platform::KeyRepeat::Once);
    nNew.onClick(nNew_Click);
    eExit.onClick(eExit_Click);
    hHard.onClick(hHard_Click);
    nNormal.onClick(nNormal_Click);
    eEasy.onClick(eEasy_Click);
    hHowToPlay.onClick(hHowToPlay_Click);
    aAbout.onClick(aAbout_Click);
    listenForTheBoard();
    showTheBoardAtRest(*this);
}

}  // namespace tarvo
