// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/command_button.h"
#include "platform/controls/control_style.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/forms/handler.h"
#include "platform/input/keys.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::platform {

class FormWindow;
class KeyArrivals;

enum class StartUpPosition { CenterScreen, WindowsDefault };

struct FormSpec {
    std::string_view name{};
    std::string_view caption{};
    int clientWidth = 0;  // twips, below the menu bar
    int clientHeight = 0;
    std::optional<Colour> backColour{};
    StartUpPosition startUpPosition = StartUpPosition::WindowsDefault;
    std::string_view icon{};  // resource folder of the program's icon: NxN/tarvo.png, N = 16..256
    Font font{};              // the font of controls that name none
    bool minimizeButton = false;
    bool closeOnEscape = false;  // Escape does what the close button does
    // The form whose window this one stands over, as a modal dialog of it: kept above it by every
    // window manager, with no taskbar entry of its own. That window is loaded while this one is.
    std::string_view owner{};
};

// A top-level window of fixed size with its controls. Derived classes create the controls in
// their constructor, in tab order; the first that takes the focus has it when the window opens.
class Form {
public:
    explicit Form(const FormSpec& spec);
    // Hides the window at once; the toolkit deletes it, with every control, once the running
    // handler has returned, so a handler may unload the window whose menu it runs from.
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    void show();  // returns at once; the first show places the window
    bool isEnabled() const;
    void setEnabled(bool enabled);  // a disabled window takes no input, menus included
    // Hides every control under the window's plain face, or shows them again as they were.
    void cover(bool covered);
    // Has a screen reader say the message once and show it on a braille display, after the
    // running handler and while the window is active: at once, or when the player comes back to
    // the window. Messages come in turn.
    void announce(std::string_view text);
    // As announce, for where the keyboard's cursor is: a newer echo replaces one not yet said.
    void echo(std::string_view text);
    // What a braille display shows between messages, the window's reading line: the text, with the
    // display's cursor under the character that starts at byte `caret` of it.
    void showAtRest(std::string_view text, std::size_t caret);

protected:
    Label addLabel(const LabelSpec& spec);
    Image addImage(const ImageSpec& spec);
    TextBox addTextBox(const TextBoxSpec& spec);
    CommandButton addCommandButton(const CommandButtonSpec& spec);
    Timer addTimer(const TimerSpec& spec);
    MenuItem addMenu(const MenuSpec& spec);
    MenuItem addMenuItem(const MenuItem& menu, const MenuSpec& spec);
    // The reading line over the given place, which a magnifier that follows the focus shows. Added
    // before the controls, it has the focus when the window opens; the keys go to onKeyDown's
    // handler.
    void addReadingLine(const TwipsRect& where);

    void onLoad(Handler handler);
    // The window manager's close button (and Escape where the form asks for it); the window
    // stays open unless the handler unloads it. A disabled window cannot be closed.
    void onClose(Handler handler);
    // Keys pressed in the window reach the handler before its controls (the focused button
    // included), except while a text box has the focus. Call it once the controls exist.
    void onKeyDown(KeyDownHandler handler, KeyRepeat repeat);
    // A press of the mouse, or a tap, anywhere in the window, its menu bar too, but on a label
    // that takes clicks. Call it once the controls and menus exist.
    void onClickElsewhere(Handler handler);

private:
    friend class FormVariable;
    void runLoadHandler();
    void useKeyArrivals(KeyArrivals* keys);
    // What a screen reader was told and had not yet been handed: the window loaded in this one's
    // place tells it, as a new board the last ending.
    std::vector<std::string> untoldMessages() const;
    void tell(const std::vector<std::string>& texts);

    FormWindow* window_;
    StartUpPosition startUpPosition_;
    Handler load_ = nullptr;
    bool placed_ = false;
};

}  // namespace tarvo::platform
