// SPDX-License-Identifier: MIT
#pragma once

#include "windows/board_window.h"

#include <string_view>

namespace tarvo {

// The form of a window over the board, as About and How to play are: a dialog of the board that
// Escape closes as its close button does; client area in twips.
inline platform::FormSpec formOverBoard(std::string_view name, std::string_view caption, int clientWidth,
                                        int clientHeight) {
    return {
        .name = name,
        .caption = caption,
        .clientWidth = clientWidth,
        .clientHeight = clientHeight,
        .startUpPosition = platform::StartUpPosition::WindowsDefault,
        .icon = ":/tarvo",
        .font = {.points = 8},
        .closeOnEscape = true,
        .owner = "Form1",
    };
}

// Opens a window over the board: the board takes no input while it is open.
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
