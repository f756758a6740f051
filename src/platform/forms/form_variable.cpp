// SPDX-License-Identifier: MIT
#include "platform/forms/form_variable.h"

#include "platform/services/run_time_error.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace tarvo::platform {

namespace {

std::vector<FormVariable*>& formVariables() {
    static std::vector<FormVariable*> variables;
    return variables;
}

KeyArrivals* keysHanded = nullptr;

}  // namespace

FormVariable::FormVariable() { formVariables().push_back(this); }

FormVariable::~FormVariable() {
    std::erase(formVariables(), this);
    // Without an application object there is no toolkit left to tear the window down.
    if (!QCoreApplication::instance())
        static_cast<void>(form_.release());
}

void FormVariable::load(std::unique_ptr<Form> form) {
    form_ = std::move(form);
    form_->useKeyArrivals(keysHanded);
    form_->tell(std::exchange(untold_, {}));
    form_->runLoadHandler();
}

Form& FormVariable::loaded() const {
    if (!form_)
        throw RunTimeError("Form", "the window is not loaded");
    return *form_;
}

void FormVariable::unload() {
    if (form_)
        untold_ = form_->untoldMessages();
    form_.reset();
}

void FormVariable::handKeyArrivals(KeyArrivals* keys) { keysHanded = keys; }

void FormVariable::unloadAll() {
    for (FormVariable* variable : formVariables())
        variable->unload();
}

}  // namespace tarvo::platform
