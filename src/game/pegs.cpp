// SPDX-License-Identifier: MIT
#include "game/pegs.h"

#include "platform/picture.h"
#include "platform/program_folder.h"
#include "ui/board_window.h"

#include <string>

namespace tarvo {

namespace {

void setPeg(int row, int position, const char* icon) {
    const std::string path = platform::programFolder() + icon;
    const platform::Picture picture = platform::loadPicture(path);
    Form1().peg(row, position).setPicture(picture);
}

}  // namespace

void ShowPegs(Byte row, Byte inPlace, Byte outOfPlace) {
    if (inPlace > 4)  // the scoring yields 0..4, and only those have pegs
        return;
    for (int p = 1; p <= inPlace; ++p)
        setPeg(row, p, InPlaceIcon);
    if (outOfPlace >= 1 && outOfPlace <= 4 - inPlace) {
        for (int p = inPlace + 1; p <= inPlace + outOfPlace; ++p)
            setPeg(row, p, OutOfPlaceIcon);
    }
}

}  // namespace tarvo
