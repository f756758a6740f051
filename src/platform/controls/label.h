// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control_style.h"
#include "platform/forms/twips.h"

#include <string>
#include <string_view>

namespace tarvo::platform {

class LabelWidget;

enum class DragMode { Manual, Automatic };

// How a label stands out: as the place where the keys act (a dark bar along its bottom), or as
// picked up to be placed (filled dark). Both keep 3:1 against the board's grey and the label's
// own face.
enum class Mark { None, Cursor, Picked };

struct LabelSpec {
    std::string name{};
    TwipsRect rect{};
    std::string caption{};
    ControlLook look{};
    bool enabled = true;
    std::string_view tag{};
    DragMode dragMode = DragMode::Manual;  // automatic: pressed and moved, it is dragged with its tag
    bool wordWrap = false;                 // lines break between words to fit the width
    Accessible accessible{};
};

// A label: a caption the player reads, a drag source, a drop target.
class Label {
public:
    // Raised when a drag from Source is released over this enabled label; X and Y in twips.
    using DragDropHandler = void (*)(Label& target, const Label& source, float x, float y);
    // Raised when the player clicks the enabled label, or taps it: pressed and released on it
    // with no drag between.
    using ClickHandler = void (*)(Label& label);

    Label() = default;
    explicit Label(LabelWidget* widget) : widget_(widget) {}
    friend bool operator==(const Label&, const Label&) = default;  // the same control

    std::string caption() const;
    void setCaption(std::string_view caption);
    bool isEnabled() const;
    void setEnabled(bool enabled);
    std::string tag() const;

    // Makes the label a drop target; disabled labels refuse every drop.
    void onDragDrop(DragDropHandler handler);
    void onClick(ClickHandler handler);

    // Drops this label on target as a drag with the mouse would, through the same checks (both
    // enabled, this one a drag source, target a drop target); returns whether target took it.
    bool dropOn(Label& target) const;

    // A cursor is told to a magnifier that follows the keyboard each time it is set, moved or
    // not: it shows the label as selected, which a screen reader leaves unsaid.
    void setMark(Mark mark);

private:
    LabelWidget& widget() const;
    LabelWidget* widget_ = nullptr;
};

}  // namespace tarvo::platform
