// SPDX-License-Identifier: MIT
#include "game/pegs.h"

#include "platform/services/picture.h"
#include "platform/services/program_folder.h"
#include "platform/services/translation.h"
#include "windows/board_window.h"

#include <string>

namespace tarvo {

namespace {

struct PegKind {
    const char* icon;
    platform::Text meaning;  // as a screen reader says it
};
constexpr PegKind kInPlace{InPlaceIcon, TARVO_TEXT("Board", "black, a right digit in its right place")};
constexpr PegKind kOutOfPlace{OutOfPlaceIcon, TARVO_TEXT("Board", "white, a right digit in another place")};

void setPeg(int row, int position, const PegKind& kind) {
    const std::string path = platform::programFolder() + kind.icon;
    const platform::Picture picture = platform::loadPicture(path);
    Form1().peg(row, position).setPicture(picture, platform::translated(kind.meaning));
}

}  // namespace

void ShowPegs(Byte row, Byte inPlace, Byte outOfPlace) {
    if (inPlace > 4)  // the scoring yields 0..4, and only those have pegs
        return;
    for (int p = 1; p <= inPlace; ++p)
        setPeg(row, p, kInPlace);
    if (outOfPlace >= 1 && outOfPlace <= 4 - inPlace) {
        for (int p = inPlace + 1; p <= inPlace + outOfPlace; ++p)
            setPeg(row, p, kOutOfPlace);
    }
}

}  // namespace tarvo
