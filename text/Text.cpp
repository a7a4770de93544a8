#include "text/Text.h"

#include "store/Cp1252.h"

namespace text {
namespace {

// Calls `each` with every character of `text`; a broken surrogate counts as a character of its
// own, which the code page cannot hold either.
template <class Each>
bool everyCharacter(const QString& text, Each each) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        }
        if (!each(code)) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString fromStore(const store::Text& bytes) {
    QString result(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* at = result.data();
    for (const char b : bytes) {
        *at++ =
            QChar(static_cast<char16_t>(store::cp1252::toUnicode(static_cast<unsigned char>(b))));
    }
    return result;
}

std::optional<char32_t> unsupportedCharacter(const QString& text) {
    std::optional<char32_t> found;
    everyCharacter(text, [&found](char32_t c) {
        if (!store::cp1252::fromUnicode(c)) {
            found = c;
            return false;
        }
        return true;
    });
    return found;
}

bool fitsCodePage(const QString& text) {
    return !unsupportedCharacter(text);
}

store::Text toStore(const QString& text) {
    store::Text result;
    result.reserve(static_cast<std::size_t>(text.size()));
    everyCharacter(text, [&result](char32_t c) {
        result += static_cast<char>(store::cp1252::fromUnicode(c).value_or('?'));
        return true;
    });
    return result;
}

}  // namespace text
