// SPDX-License-Identifier: MIT
#include "ui/narration.h"

#include "game/module1.h"
#include "platform/services/conversions.h"
#include "platform/services/number_words.h"
#include "platform/services/translation.h"
#include "windows/board_window.h"

namespace tarvo {

namespace {

using platform::decimalText;
using platform::translated;

std::string digitsInWords(const ByPosition<Byte>& digits) {
    std::string words;
    for (int k = 1; k <= 4; ++k)
        words += (k > 1 ? " " : "") + decimalText(digits(k));
    return words;
}

// The count in words where the translation names a rule set for its noun, else in digits.
std::string countInWords(int count, platform::Text ruleSet) {
    const std::string name = translated(ruleSet);
    return name.starts_with("%spellout") ? platform::spelledOut(count, name, platform::languageInUse())
                                         : decimalText(count);
}

}  // namespace

std::string slotInWords(BoardWindow& board, int row, int position) {
    const std::string digit = board.slot(row, position).caption();
    return digit.empty() ? translated(TARVO_TEXT("Speech", "Row %1, position %2, empty"),
                                      {decimalText(row), decimalText(position)})
                         : translated(TARVO_TEXT("Speech", "Row %1, position %2: %3"),
                                      {decimalText(row), decimalText(position), digit});
}

std::string timeInWords(std::string_view clockText) {
    const std::size_t colon = clockText.find(':');
    const int minutes = int(platform::numericValue(clockText.substr(0, colon)));
    const int seconds =
        colon == std::string_view::npos ? 0 : int(platform::numericValue(clockText.substr(colon + 1)));
    //: How a count of minutes is spoken, for a voice that reads a bare digit in one gender only.
    //: Either the name of ICU's rule set that spells the count out agreeing with this language's
    //: word for minutes, such as %spellout-cardinal-feminine or %spellout-cardinal-masculine
    //: (see ICU's spellout rules for the language), or this text as it stands to keep digits.
    const std::string minutesSaid = countInWords(minutes, TARVO_TEXT("Speech", "minutes in digits"));
    //: The same for a count of seconds, agreeing with this language's word for seconds.
    const std::string secondsSaid = countInWords(seconds, TARVO_TEXT("Speech", "seconds in digits"));
    if (minutes == 0)
        return translated(TARVO_COUNTED("Speech", "%n second(s) left"), seconds, secondsSaid);
    if (seconds == 0)
        return translated(TARVO_COUNTED("Speech", "%n minute(s) left"), minutes, minutesSaid);
    // The sentence agrees with the minutes, which come first.
    return translated(TARVO_COUNTED("Speech", "%n minute(s) %1 left"), minutes, minutesSaid,
                      {translated(TARVO_COUNTED("Speech", "%n second(s)"), seconds, secondsSaid)});
}

std::string incompleteInWords(int row, int position) {
    return translated(TARVO_TEXT("Speech", "Row %1, position %2 is empty."),
                      {decimalText(row), decimalText(position)});
}

std::string scoreInWords(int row, const ByPosition<Byte>& guess, int inPlace, int outOfPlace) {
    return translated(
        TARVO_TEXT("Speech", "Row %1: %2. %3 in place, %4 out of place."),
        {decimalText(row), digitsInWords(guess), decimalText(inPlace), decimalText(outOfPlace)});
}

std::string endingInWords(std::string_view message, const ByPosition<Byte>& code) {
    //: Spoken when a game ends: %1 is "You Won !" or "You Lost !" as the board words them, %2 the
    //: hidden code's four digits, such as "3 1 4 6".
    return translated(TARVO_TEXT("Speech", "%1 The code was %2."), {message, digitsInWords(code)});
}

}  // namespace tarvo
