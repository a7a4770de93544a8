#include "tool/commands/JsonWriter.h"

#include <QLocale>
#include <cmath>

namespace tool {
namespace {

char hexDigit(unsigned value) {
    return static_cast<char>(value < 10 ? '0' + value : 'a' + value - 10);
}

}  // namespace

void JsonWriter::indent(std::size_t depth) {
    text_.append(static_cast<qsizetype>(4 * depth), ' ');
}

void JsonWriter::element() {
    if (named_) {
        named_ = false;
        return;
    }
    if (!filled_.empty()) {
        if (filled_.back()) {
            text_ += ",\n";
        }
        filled_.back() = true;
        indent(filled_.size());
    }
}

JsonWriter& JsonWriter::name(const char* name) {
    element();
    text_ += '"';
    text_ += name;
    text_ += "\": ";
    named_ = true;
    return *this;
}

void JsonWriter::open(char bracket) {
    element();
    text_ += bracket;
    text_ += '\n';
    filled_.push_back(false);
}

void JsonWriter::close(char bracket) {
    if (filled_.back()) {
        text_ += '\n';
    }
    filled_.pop_back();
    indent(filled_.size());
    text_ += bracket;
    if (filled_.empty()) {
        text_ += '\n';
    }
}

void JsonWriter::value(const QString& text) {
    element();
    text_ += '"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0x80) {
            // A surrogate pair as one character; one alone as an escape, as Qt writes it.
            const bool pair =
                QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            if (pair || !QChar::isSurrogate(u)) {
                text_ += QStringView(text).mid(i, pair ? 2 : 1).toUtf8();
                i += pair ? 1 : 0;
            } else {
                escape(u);
            }
        } else if (u == '"' || u == '\\') {
            text_ += '\\';
            text_ += static_cast<char>(u);
        } else if (u >= 0x20) {
            text_ += static_cast<char>(u);
        } else {
            escape(u);
        }
    }
    text_ += '"';
}

void JsonWriter::escape(char16_t u) {
    text_ += '\\';
    switch (u) {
        case '\b':
            text_ += 'b';
            break;
        case '\f':
            text_ += 'f';
            break;
        case '\n':
            text_ += 'n';
            break;
        case '\r':
            text_ += 'r';
            break;
        case '\t':
            text_ += 't';
            break;
        default:
            text_ += 'u';
            for (int shift = 12; shift >= 0; shift -= 4) {
                text_ += hexDigit((u >> shift) & 0xf);
            }
    }
}

void JsonWriter::value(double number) {
    element();
    // A whole number that fits in 64 bits is written as an integer, as Qt keeps it; JSON has
    // no infinity and no NaN.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (std::trunc(number) == number && number > -kTwoTo63 && number < kTwoTo63) {
        text_ += QByteArray::number(static_cast<qint64>(number));
    } else if (std::isfinite(number)) {
        text_ += QByteArray::number(number, 'g', QLocale::FloatingPointShortest);
    } else {
        text_ += "null";
    }
}

void JsonWriter::value(int number) {
    element();
    text_ += QByteArray::number(number);
}

void JsonWriter::value(bool truth) {
    element();
    text_ += truth ? "true" : "false";
}

}  // namespace tool
