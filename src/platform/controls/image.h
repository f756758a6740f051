// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control_style.h"
#include "platform/forms/twips.h"
#include "platform/services/picture.h"

#include <string>
#include <string_view>

namespace tarvo::platform {

class ImageWidget;

struct ImageSpec {
    std::string name{};
    TwipsRect rect{};
    bool stretch = false;  // scale the picture to the control's size
    Accessible accessible{};
};

// A borderless picture display.
class Image {
public:
    Image() = default;
    explicit Image(ImageWidget* widget) : widget_(widget) {}

    const Picture& picture() const;
    // "meaning" is what a screen reader says the picture shows.
    void setPicture(const Picture& picture, std::string_view meaning = {});

private:
    ImageWidget& widget() const;
    ImageWidget* widget_ = nullptr;
};

}  // namespace tarvo::platform
