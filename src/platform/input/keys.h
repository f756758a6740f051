// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo::platform {

// A key as a form's key handler receives it: the key code, and the shift state as the sum of
// kShiftKey, kCtrlKey and kAltKey. A handler that sets the code to 0 has used the key up.
using KeyDownHandler = void (*)(int& KeyCode, int Shift);

// What a form's key handler gets of a key held down: each of the system's repeats, or the press once.
enum class KeyRepeat { Each, Once };

inline constexpr int kKeyReturn = 13;  // Return and the keypad's Enter
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKey0 = 48;        // kKey0 + n: the digit n on the main keys
inline constexpr int kKeyA = 65;        // kKeyA + n: the letter n places after A, either case
inline constexpr int kKeyNumpad0 = 96;  // kKeyNumpad0 + n: the digit n on the keypad

inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;

}  // namespace tarvo::platform
