// SPDX-License-Identifier: MIT
#pragma once

#include "platform/command_button.h"
#include "platform/control_style.h"
#include "platform/handler.h"
#include "platform/image.h"
#include "platform/keys.h"
#include "platform/label.h"
#include "platform/menu_item.h"
#include "platform/text_box.h"
#include "platform/timer.h"

#include <memory>
#include <string_view>

namespace tarvo::platform {

class FormWindow;

enum class StartUpPosition { CenterScreen, WindowsDefault };

// What a form's key handler gets of a key held down: each of the system's repeats, or one press.
enum class HeldKey { Repeats, OnePress };

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
    // The form whose window this one stands over, as a dialog of it: kept above it by every
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

    void show();  // not modal; the first show places the window
    bool isEnabled() const;
    void setEnabled(bool enabled);  // a disabled window takes no input, menus included
    // Has a screen reader say the text once, after the running handler and while the window is
    // active: at once, or when the player comes back to the window. Texts are said in turn.
    void announce(std::string_view text);
    // As announce, for where the keyboard's cursor is: a newer echo replaces one not yet said.
    void echo(std::string_view text);

protected:
    Label addLabel(const LabelSpec& spec);
    Image addImage(const ImageSpec& spec);
    TextBox addTextBox(const TextBoxSpec& spec);
    CommandButton addCommandButton(const CommandButtonSpec& spec);
    Timer addTimer(const TimerSpec& spec);
    MenuItem addMenu(const MenuSpec& spec);
    MenuItem addMenuItem(const MenuItem& menu, const MenuSpec& spec);

    void onLoad(Handler handler);
    // The window manager's close button (and Escape where the form asks for it); the window
    // stays open unless the handler unloads it. A disabled window cannot be closed.
    void onClose(Handler handler);
    // Keys pressed in the window reach the handler before its controls (the focused button
    // included), except while a text box has the focus. Call it once the controls exist.
    void onKeyDown(KeyDownHandler handler, HeldKey heldKeys);
    // A press of the mouse, or a tap, anywhere in the window below its menu bar but on a label
    // that takes clicks. Call it once the controls exist.
    void onClickElsewhere(Handler handler);

private:
    friend class FormVariable;
    void runLoadHandler();

    FormWindow* window_;
    StartUpPosition startUpPosition_;
    Handler load_ = nullptr;
    bool placed_ = false;
};

// Holds the one loaded instance of a form, as the forms runtime keeps one per form.
class FormVariable {
public:
    FormVariable(const FormVariable&) = delete;
    FormVariable& operator=(const FormVariable&) = delete;

    bool isLoaded() const { return form_ != nullptr; }
    void unload();            // nothing when not loaded
    static void unloadAll();  // every form of the program

protected:
    FormVariable();
    ~FormVariable();
    void load(std::unique_ptr<Form> form);
    Form& loaded() const;

private:
    std::unique_ptr<Form> form_;
};

template <class F>
class FormInstance : public FormVariable {
public:
    F& operator()() const { return static_cast<F&>(loaded()); }

    // Creates the window and its controls and runs its load handler; nothing when loaded.
    void load() {
        if (!isLoaded())
            FormVariable::load(std::make_unique<F>());
    }
    void show() {
        load();
        (*this)().show();
    }
};

}  // namespace tarvo::platform
