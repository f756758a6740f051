// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo::platform {

// The folder of the running program file (links resolved), with no trailing separator.
std::string programFolder();

// A path written with either separator, as this system spells it: every "\" becomes "/" and
// doubled separators, as a folder ending in one gives, are collapsed.
std::string hostPath(std::string_view path);

// Test hook: the program folder to report instead of the real one; nullopt restores it.
void setProgramFolderForTest(std::optional<std::string> folder);

}  // namespace tarvo::platform
