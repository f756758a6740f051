// SPDX-License-Identifier: MIT
#include "platform/services/number_words.h"

#include <unicode/fieldpos.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace tarvo::platform {

std::string spelledOut(int count, std::string_view ruleSet, std::string_view language) {
    const std::string digits = std::to_string(count);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(std::string(language).c_str());
    icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, locale, status);
    // A locale ICU lacks falls back to its root rules, which are English.
    if (U_FAILURE(status) ||
        std::string_view(locale.getLanguage()) != format.getLocale(ULOC_ACTUAL_LOCALE, status).getLanguage())
        return digits;
    icu::UnicodeString words;
    icu::FieldPosition position;
    format.format(int32_t(count), icu::UnicodeString::fromUTF8(ruleSet), words, position, status);
    if (U_FAILURE(status))
        return digits;
    words.findAndReplace(icu::UnicodeString(char16_t(0x00AD)), icu::UnicodeString());  // soft hyphens
    std::string text;
    return words.toUTF8String(text);
}

std::string capitalized(std::string_view text) {
    icu::UnicodeString sentence =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), int32_t(text.size())));
    if (!sentence.isEmpty())
        sentence.replace(0, U16_LENGTH(sentence.char32At(0)), UChar32(u_toupper(sentence.char32At(0))));
    std::string result;
    return sentence.toUTF8String(result);
}

}  // namespace tarvo::platform
