// SPDX-License-Identifier: MIT
#pragma once

#include "game/module1.h"

namespace tarvo {

// The peg pictures, looked up under the program folder exactly as written here.
inline constexpr const char* InPlaceIcon = "\\Ikone\\namest~1.ico";
inline constexpr const char* OutOfPlaceIcon = "\\Ikone\\vanmes~1.ico";

// Shows a score on the row's pegs: in-place pegs from the left, out-of-place pegs right after
// them; the pegs after those are not written. Each peg loads its picture afresh.
void ShowPegs(Byte row, Byte inPlace, Byte outOfPlace);

}  // namespace tarvo
