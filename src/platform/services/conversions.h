// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::platform {

// The number a text's leading digits spell, after leading blanks and an optional sign;
// a text with no leading digits, the empty text among them, gives 0.
double numericValue(std::string_view text);

// The value of a text that is a number as a whole (blanks around it allowed), else nothing:
// "3" and " 3 " are 3, "3x" and "" are not numbers.
std::optional<double> numberIn(std::string_view text);

// Digits only, a minus sign for negatives, no leading blank.
std::string decimalText(long value);

// A number as an unsigned byte, rounded to the nearest (ties to even); outside 0..255 is a
// run-time error.
std::uint8_t toByte(double value);

}  // namespace tarvo::platform
