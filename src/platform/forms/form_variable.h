// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvo::platform {

class KeyArrivals;

// Holds the one loaded instance of a form, as the forms runtime keeps one per form.
class FormVariable {
public:
    FormVariable(const FormVariable&) = delete;
    FormVariable& operator=(const FormVariable&) = delete;

    bool isLoaded() const { return form_ != nullptr; }
    void unload();            // nothing when not loaded
    static void unloadAll();  // every form of the program
    // The keys the window system sent, as the application notes them, for every window loaded
    // from now on; nullptr: none are noted.
    static void handKeyArrivals(KeyArrivals* keys);

protected:
    FormVariable();
    ~FormVariable();
    void load(std::unique_ptr<Form> form);
    Form& loaded() const;

private:
    std::unique_ptr<Form> form_;
    std::vector<std::string> untold_;  // what the last window unloaded had yet to tell
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
