// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo {

// The three ways a game ends. Each shows its message, reveals the code and freezes the board;
// no variable records the end, the disabled controls do.

// After a row scored four in place.
void winSequence();

// At the end of every complete press on row 6: a loss unless that press has just won.
void lossTestAfterSixthRow();

// When the clock runs out.
void lossOnTimeSequence();

}  // namespace tarvo
