// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvo::platform {

// 0x00BBGGRR, red in the low byte; 0x80000000 + n is the system's colour n.
using Colour = std::uint32_t;
inline constexpr Colour kSystemColour = 0x80000000;
inline constexpr Colour kSystemWindowBackground = kSystemColour + 5;

struct Font {
    std::string_view name{};  // empty: the form's font
    double points = 0;
    bool bold = false;
};

enum class Border { None, FixedSingle };
enum class Alignment { Left, Center };
enum class MousePointer { Default, PointingHand };

// What every visible control has; an unset colour is the kind's system default.
struct ControlLook {
    Font font{};
    std::optional<Colour> backColour{};
    std::optional<Colour> foreColour{};
    Border border = Border::None;
    Alignment alignment = Alignment::Left;
    MousePointer mousePointer = MousePointer::Default;
};

}  // namespace tarvo::platform
