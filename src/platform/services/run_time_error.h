// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace tarvo::platform {

// A failing runtime operation. No handler catches it: the dispatcher reports it and the program ends.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(std::string operation, std::string detail);

    const std::string& operation() const noexcept { return operation_; }
    const std::string& detail() const noexcept { return detail_; }

private:
    std::string operation_;
    std::string detail_;
};

// The text shown to the player and written to standard error.
std::string runTimeErrorReport(const RunTimeError& error);

// Runs one event handler to completion; a run-time error it raises is reported and ends the program.
// Once the program is ending (End, or an earlier error) no further handler runs. A handler raised
// from inside another runs as part of it: its error ends the outer handler too.
template <class Handler>
void dispatch(Handler&& handler);

// Test hook: replaces the report (box, standard error, end of program) with the given function.
// nullptr restores the real report.
using RunTimeErrorReporter = void (*)(const RunTimeError&);
void setRunTimeErrorReporter(RunTimeErrorReporter reporter);

namespace detail {
inline int dispatchDepth = 0;
bool handlersHalted() noexcept;
void raise(const RunTimeError& error) noexcept;
void raiseUnexpected(const char* what) noexcept;
}  // namespace detail

template <class Handler>
void dispatch(Handler&& handler) {
    if (detail::handlersHalted())
        return;
    if (detail::dispatchDepth > 0) {
        handler();
        return;
    }
    struct Depth {
        Depth() { ++detail::dispatchDepth; }
        ~Depth() { --detail::dispatchDepth; }
    };
    try {
        const Depth inside;
        handler();
    } catch (const RunTimeError& error) {
        detail::raise(error);
    } catch (const std::exception& error) {
        detail::raiseUnexpected(error.what());
    }
}

}  // namespace tarvo::platform
