// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
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

// What a screen reader speaks of a control. A label or picture with a name speaks its caption
// or its picture's meaning after it ("Row 2, position 3: 4") unless told not to (a caption that
// never changes); one without a name speaks its caption.
struct Accessible {
    std::string name{};
    std::string description{};
    bool stateSpoken = true;
};

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
