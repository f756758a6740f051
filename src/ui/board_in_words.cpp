// SPDX-License-Identifier: MIT
#include "ui/board_in_words.h"

#include "game/module1.h"
#include "platform/services/conversions.h"
#include "platform/services/number_words.h"
#include "platform/services/translation.h"
#include "windows/board_window.h"

#include <array>

namespace tarvo {

namespace {

using platform::decimalText;
using platform::translated;

// Four positions' digits as a row, a code or a guess reads them: "1 3 2 2", and "_" for an
// empty slot; each a byte.
template <class DigitAt>
std::string fourSpaced(DigitAt digitAt) {
    std::string digits;
    for (int k = 1; k <= 4; ++k)
        digits += (k > 1 ? " " : "") + digitAt(k);
    return digits;
}

std::string spaced(const ByPosition<Byte>& digits) {
    return fourSpaced([&](int k) { return decimalText(digits(k)); });
}

std::string spaced(const std::array<int, 4>& digits) {
    return fourSpaced([&](int k) { return decimalText(digits[std::size_t(k - 1)]); });
}

// A text about a row with its four digits at %2, and the byte of the digit at `position`.
AtRest withDigits(platform::Text text, int row, std::string_view digits, int position,
                  std::string_view inPlace = {}, std::string_view outOfPlace = {}) {
    constexpr std::string_view kDigits = "\x1f";
    std::string words = translated(text, {decimalText(row), kDigits, inPlace, outOfPlace});
    const std::size_t at = words.find(kDigits);
    if (at == std::string::npos)
        return {std::move(words), 0};
    words.replace(at, kDigits.size(), digits);
    return {std::move(words), at + 2 * std::size_t(position - 1)};
}

//: A scored row as it is told and as a braille display shows it, in at most 40 characters with
//: the counts: %1 the row, %2 its four digits, such as "1 1 2 2", %3 the digits in their place,
//: %4 the further digits that are in the code at another place.
constexpr platform::Text kScore = TARVO_TEXT("Speech", "Row %1: %2. %3 in place, %4 elsewhere.");

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
    // A language may open the sentence with the count: it starts with a capital all the same.
    if (minutes == 0)
        return platform::capitalized(
            translated(TARVO_COUNTED("Speech", "%n second(s) left"), seconds, secondsSaid));
    if (seconds == 0)
        return platform::capitalized(
            translated(TARVO_COUNTED("Speech", "%n minute(s) left"), minutes, minutesSaid));
    // The sentence agrees with the minutes, which come first.
    return platform::capitalized(
        translated(TARVO_COUNTED("Speech", "%n minute(s) %1 left"), minutes, minutesSaid,
                   {translated(TARVO_COUNTED("Speech", "%n second(s)"), seconds, secondsSaid)}));
}

std::string incompleteInWords(int row, int position) {
    return translated(TARVO_TEXT("Speech", "Row %1, position %2 is empty."),
                      {decimalText(row), decimalText(position)});
}

std::string scoreInWords(int row, const BoardWindow::Score& score) {
    return withDigits(kScore, row, spaced(score.guess), 1, decimalText(score.inPlace),
                      decimalText(score.outOfPlace))
        .text;
}

std::string endingInWords(std::string_view message, const ByPosition<Byte>& code) {
    //: Told when a game ends: %1 is "You Won !" or "You Lost !" as the board words them, %2 the
    //: hidden code's four digits, such as "3 1 4 6"; the code within the first 40 characters.
    return translated(TARVO_TEXT("Speech", "%1 The code was %2."), {message, spaced(code)});
}

AtRest boardAtRest(BoardWindow& board) {
    if (!board.Command1.isEnabled())
        return {endingInWords(board.Label35.caption(), Module1.SecretCode), 0};
    const BoardWindow::Cursor& cursor = board.cursor();
    if (const auto& score = board.score(cursor.row))
        return withDigits(kScore, cursor.row, spaced(score->guess), cursor.position,
                          decimalText(score->inPlace), decimalText(score->outOfPlace));
    const std::string slots = fourSpaced([&](int k) {
        const std::string digit = board.slot(cursor.row, k).caption();
        return digit.empty() ? std::string("_") : digit;
    });
    //: The row under the keys' cursor on a braille display: %1 the row, %2 its four slots, a digit
    //: or "_" each, such as "1 3 _ _".
    return withDigits(TARVO_TEXT("Speech", "Row %1: %2"), cursor.row, slots, cursor.position);
}

}  // namespace tarvo
