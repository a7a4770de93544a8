#pragma once
// The language a file of word pairs says it holds, told apart from the three languages of the
// data folder: by name in Swedish, in English or in the language itself, or by its two-letter
// code ("de", also as a locale "de_DE"), without regard to case.

#include <QString>
#include <QStringList>
#include <array>

namespace tool {

// The Swedish name of a common language named so ("German", "de_DE", "Deutsch" are
// "Tyska"), or nothing for a name it does not know.
QString swedishLanguageName(const QString& name);

// Whether two names name the same language: the same known language, or the same text.
bool sameLanguage(const QString& a, const QString& b);

// Of the folder's three language names, the first (1..3) that one of `said` names; 0 for none.
int languageNamed(const std::array<QString, 3>& languages, const QStringList& said);

}  // namespace tool
