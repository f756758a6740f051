// SPDX-License-Identifier: MIT
// The languages the program is built with, for the tests that go through each: the build passes
// them as TARVO_LANGUAGES, "en,de,...".
#pragma once

#include <QStringList>
#include <QTest>

namespace tarvo::testing {

inline QStringList builtLanguages() { return QString(TARVO_LANGUAGES).split(','); }

// A "language" column with a row for each language.
inline void addLanguageRows() {
    QTest::addColumn<QString>("language");
    for (const QString& language : builtLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

}  // namespace tarvo::testing
