// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvo::platform {

// A text the player sees or hears, in English, with the part of the game it belongs to. Written
// TARVO_TEXT("Board", "Show"), which is how lupdate finds it for the translators. A text with no
// part is the same in every language.
struct Text {
    const char* context;
    const char* english;
};

// A text with a count (%n), in each language's form for the count: TARVO_COUNTED("Speech",
// "%n second(s) left"). Its own type, so that a count given to a plain text does not compile.
struct CountedText {
    const char* context;
    const char* english;
};

#define TARVO_TEXT(context, english) (::tarvo::platform::Text{context, english})
#define TARVO_COUNTED(context, english) (::tarvo::platform::CountedText{context, english})

constexpr Text asItStands(const char* text) { return {nullptr, text}; }

// The text in the player's language, %1, %2 ... replaced by the arguments in turn.
std::string translated(Text text, std::initializer_list<std::string_view> arguments = {});

// A counted text in the language's form for the count, %n replaced by the count as the caller
// words it ("1 second", "2 seconds", "одна секунда"), and %1, %2 ... by the arguments: the whole
// sentence agrees with the count.
std::string translated(CountedText text, int count, std::string_view countInWords,
                       std::initializer_list<std::string_view> arguments = {});

// Takes the first of the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that has a
// translation, else English, for the game's texts and the toolkit's own; installs them into
// the application object, if there is one yet. The first text translated does this too. As
// gettext does, LANGUAGE counts for nothing while the messages' locale is C or POSIX.
void useDesktopLanguage();

// The same for the given languages, first choice first ("de_DE", "fr", "C").
void useLanguages(std::initializer_list<std::string_view> languages);

// The language the texts are in: "en", "de", ...
std::string languageInUse();

}  // namespace tarvo::platform
