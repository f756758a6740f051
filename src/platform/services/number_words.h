// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace tarvo::platform {

// The count spelled out by one of the language's rule sets in ICU ("%spellout-cardinal-feminine"
// gives 21 in Russian as "двадцать одна"), for a voice that would read a digit in the wrong
// gender. In digits where the language or the rule set is unknown.
std::string spelledOut(int count, std::string_view ruleSet, std::string_view language);

// The text with its first letter a capital, as a sentence that opens with a spelled-out count.
std::string capitalized(std::string_view text);

}  // namespace tarvo::platform
