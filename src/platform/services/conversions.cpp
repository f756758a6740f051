// SPDX-License-Identifier: MIT
#include "platform/services/conversions.h"

#include "platform/services/run_time_error.h"

#include <charconv>
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

std::optional<double> numberIn(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string decimalText(long value) { return std::to_string(value); }

std::uint8_t toByte(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 0 && rounded <= 255))
        throw RunTimeError("Convert to byte", "overflow: " + std::to_string(value) + " is outside 0..255");
    return std::uint8_t(rounded);
}

}  // namespace tarvo::platform
