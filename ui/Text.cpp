#include "ui/Text.h"

#include <algorithm>

#include "store/Cp1252.h"

namespace ui {

QString fromStore(const store::Text& text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (unsigned char b : text) {
        result += QChar(static_cast<char16_t>(store::cp1252::toUnicode(b)));
    }
    return result;
}

store::Text toStore(const QString& text) {
    store::Text result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        result += static_cast<char>(store::cp1252::fromUnicode(c.unicode()).value_or('?'));
    }
    return result;
}

bool fitsCodePage(const QString& text) {
    for (QChar c : text) {
        if (!store::cp1252::fromUnicode(c.unicode())) {
            return false;
        }
    }
    return true;
}

QString pairLine(const QString& swedish, const QString& other, const QString& separator) {
    const qsizetype pad = std::max<qsizetype>(0, 31 - swedish.size());
    return QString(pad, u' ') + swedish + separator + other;
}

QValidator::State CodePageValidator::validate(QString& input, int&) const {
    return fitsCodePage(input) ? Acceptable : Invalid;
}

}  // namespace ui
