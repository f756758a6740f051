// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services/translation.h"

#include <optional>
#include <span>
#include <string_view>

namespace tarvo::platform {

// An option that the toolkit takes out of the command line for itself, written "-name" or
// "--name", and what it takes as its value.
struct ToolkitOption {
    enum class Value { None, NextWord, NextWordOrEquals };  // "-style fusion" or "-style=fusion"
    std::string_view name;
    Value value;
};
std::span<const ToolkitOption> toolkitOptions();

// Reads the command line before any window or platform plugin is needed. --help and --version
// print to standard output; an unknown option or an argument prints an error and the usage to
// standard error. Returns the exit status when the program has nothing more to do; nothing when
// it goes on to start, with the toolkit's own options (-platform, -style, ...) left in argv.
std::optional<int> readCommandLine(int argc, const char* const* argv, Text whatItIs);

}  // namespace tarvo::platform
