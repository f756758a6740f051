// SPDX-License-Identifier: MIT
#include "platform/conversions.h"

#include "platform/run_time_error.h"

#include <cmath>

namespace tarvo::platform {

double numericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return sign * value;
}

std::string decimalText(long value) { return std::to_string(value); }

std::uint8_t toByte(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 0 && rounded <= 255))
        throw RunTimeError("Convert to byte", "overflow: " + std::to_string(value) + " is outside 0..255");
    return std::uint8_t(rounded);
}

}  // namespace tarvo::platform
