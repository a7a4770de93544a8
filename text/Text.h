#pragma once
// The one crossing between Unicode text (QString) and the files' Windows-1252 bytes, for the
// screens, the menu state and the tool alike. It works on whole characters: one outside the
// Basic Multilingual Plane, two UTF-16 units in a QString, is one character the code page
// cannot hold.

#include <QString>
#include <optional>

#include "store/Records.h"

namespace text {

QString fromStore(const store::Text& bytes);
// The first character that Windows-1252 cannot hold, or nothing when `text` fits.
std::optional<char32_t> unsupportedCharacter(const QString& text);
bool fitsCodePage(const QString& text);
// `text` in Windows-1252, one byte per character; a character the code page cannot hold
// becomes one '?'. Callers that must not lose a character refuse it first.
store::Text toStore(const QString& text);

}  // namespace text
