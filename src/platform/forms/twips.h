// SPDX-License-Identifier: MIT
#pragma once

namespace tarvo::platform {

// Layouts are measured in twips: 1/1440 inch, 15 to a device-independent pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

}  // namespace tarvo::platform
