// SPDX-License-Identifier: MIT
#include "platform/services/translation.h"

#include "platform/services/qt_strings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace tarvo::platform {

namespace {

// The game's texts (English too: it has the plural forms) and the toolkit's own, such as the
// message box's buttons and the text box's menu, from Debian's translations of the toolkit.
struct Translations {
    QTranslator ours;
    QTranslator toolkit;
};

std::unique_ptr<Translations>& inUse() {
    static std::unique_ptr<Translations> translations;
    return translations;
}

void install(Translations& translations) {
    if (QCoreApplication::instance() && !translations.toolkit.isEmpty())
        QCoreApplication::installTranslator(&translations.toolkit);
}

void load(const QStringList& languages) {
    auto translations = std::make_unique<Translations>();
    for (QString language : languages) {
        language.replace('-', '_');
        if (language == QLatin1String("C") || language == QLatin1String("POSIX"))
            language = QStringLiteral("en");
        // Tries tarvo_de_DE, then tarvo_de.
        if (translations->ours.load(QStringLiteral("tarvo_") + language, QStringLiteral(":/i18n")))
            break;
    }
    if (translations->ours.isEmpty())
        (void)translations->ours.load(QStringLiteral("tarvo_en"), QStringLiteral(":/i18n"));
    const QString language = translations->ours.language();
    if (!language.startsWith(QLatin1String("en")))
        (void)translations->toolkit.load(QStringLiteral("qtbase_") + language,
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    inUse() = std::move(translations);  // the old ones leave the application object as they go
}

// The desktop's languages, first choice first; none but English where the messages' locale is
// C or POSIX, which asks for the program's own words whatever LANGUAGE says.
QStringList desktopLanguages() {
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (messages = qEnvironmentVariable(variable); !messages.isEmpty())
            break;
    if (messages.isEmpty() || messages == QLatin1String("C") || messages == QLatin1String("POSIX"))
        return {QStringLiteral("C")};
    return QLocale::system().uiLanguages();
}

Translations& current() {
    if (!inUse())
        load(desktopLanguages());
    return *inUse();
}

std::string withArguments(const QString& text, std::initializer_list<std::string_view> arguments) {
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
        if (text[i] == '%' && n >= 1 && std::size_t(n) <= arguments.size()) {
            const std::string_view argument = arguments.begin()[n - 1];
            result += QString::fromUtf8(argument.data(), qsizetype(argument.size()));
            ++i;
        } else {
            result += text[i];
        }
    }
    return result.toStdString();
}

// The text in the language in use, in the form for the count if it has one; as it stands where
// there is no translation.
QString lookUp(const char* context, const char* english, int count = -1) {
    const QString found = context ? current().ours.translate(context, english, nullptr, count) : QString();
    return found.isEmpty() ? QString::fromUtf8(english) : found;
}

}  // namespace

std::string translated(Text text, std::initializer_list<std::string_view> arguments) {
    return withArguments(lookUp(text.context, text.english), arguments);
}

std::string translated(CountedText text, int count, std::string_view countInWords,
                       std::initializer_list<std::string_view> arguments) {
    return withArguments(
        lookUp(text.context, text.english, count).replace(QStringLiteral("%n"), toQString(countInWords)),
        arguments);
}

void useDesktopLanguage() { install(current()); }

void useLanguages(std::initializer_list<std::string_view> languages) {
    QStringList list;
    for (std::string_view language : languages)
        list << QString::fromUtf8(language.data(), qsizetype(language.size()));
    load(list);
    install(*inUse());
}

std::string languageInUse() {
    const QString language = current().ours.language();
    return language.left(language.indexOf('_')).toStdString();
}

}  // namespace tarvo::platform
