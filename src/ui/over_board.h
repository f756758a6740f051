// SPDX-License-Identifier: MIT
#pragma once

#include "ui/board_window.h"

namespace tarvo {

// A window over the board, as About and How to play are: the board takes no input while it is
// open, and its clock runs on.
template <class F>
void openOverBoard(platform::FormInstance<F>& window) {
    Form1().setEnabled(false);
    window.load();
    window.show();
}

// Back to the board window.
template <class F>
void closeOverBoard(platform::FormInstance<F>& window) {
    window.unload();
    Form1().setEnabled(true);
    Form1.show();
}

}  // namespace tarvo
