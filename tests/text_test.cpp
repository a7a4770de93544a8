// The crossing between Unicode text and the files' Windows-1252 bytes, which the screens, the
// menu state and the tool share.

#include <gtest/gtest.h>

#include <QString>

#include "text/Text.h"

namespace {

QString utf16(std::initializer_list<char16_t> units) {
    return QString(reinterpret_cast<const QChar*>(units.begin()),
                   static_cast<qsizetype>(units.size()));
}

}  // namespace

// A character outside the Basic Multilingual Plane is two UTF-16 units but one character: the
// code page cannot hold it, it is reported as itself, and a conversion makes it one '?'.
TEST(TextLayer, CharactersAreConvertedWholeNotByUtf16Unit) {
    struct Case {
        QString text;
        store::Text bytes;
        std::optional<char32_t> unsupported;
    };
    const Case cases[] = {
        {"", "", std::nullopt},
        {QStringLiteral("Åsa €"), "\xC5sa \x80", std::nullopt},
        {QString::fromUcs4(U"\U0001F600"), "?", U'\U0001F600'},
        {QString::fromUcs4(U"a\U0001F600b"), "a?b", U'\U0001F600'},
        {QString::fromUcs4(U"\U0001D11E\U0001F600"), "??", U'\U0001D11E'},
        {QStringLiteral("żx"), "?x", U'ż'},
        // A surrogate without its partner is a character of its own that fits nowhere.
        {utf16({u'a', 0xD83D}), "a?", 0xD83D},
        {utf16({0xDE00, u'b'}), "?b", 0xDE00},
        {utf16({0xD83D, 0xD83D, 0xDE00}), "??", 0xD83D},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(text::toStore(c.text), c.bytes);
        EXPECT_EQ(text::unsupportedCharacter(c.text), c.unsupported);
        EXPECT_EQ(text::fitsCodePage(c.text), !c.unsupported);
    }
}

TEST(TextLayer, EveryByteComesBackAsItWent) {
    store::Text all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const QString shown = text::fromStore(all);
    ASSERT_EQ(shown.size(), 256);
    EXPECT_TRUE(text::fitsCodePage(shown));
    EXPECT_EQ(text::toStore(shown), all);
}
