#include "tool/formats/Encodings.h"

#include <QStringDecoder>

#include "text/Text.h"
#include "tool/Base.h"

namespace tool {
namespace {

// The line (from 1) of the first byte sequence `encoding` cannot decode.
int firstBadLine(const QByteArray& bytes, QStringDecoder::Encoding encoding) {
    int line = 1;
    for (const QByteArray& piece : bytes.split('\n')) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(piece);
        if (decoder.hasError()) {
            return line;
        }
        ++line;
    }
    return line;
}

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool isWindows1252(const QString& name) {
    return name.compare(QLatin1String("Windows-1252"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("cp1252"), Qt::CaseInsensitive) == 0;
}

// Windows-1252 through text/, as the word lists hold it: every byte is a character. A UTF-8
// byte-order mark before it is dropped.
DecodedText fromWindows1252(const QByteArray& bytes) {
    return {text::fromStore(withoutUtf8Mark(bytes).toStdString()), QStringLiteral("Windows-1252")};
}

}  // namespace

QByteArray withoutUtf8Mark(const QByteArray& bytes) {
    return bytes.startsWith(kUtf8Mark) ? bytes.mid(3) : bytes;
}

std::optional<DecodedText> decodeUtf16(const QByteArray& bytes) {
    const bool little = bytes.startsWith("\xFF\xFE");
    if (!little && !bytes.startsWith("\xFE\xFF")) {
        return std::nullopt;
    }
    QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                           QStringDecoder::Flag::Stateless);
    return DecodedText{decoder(bytes.mid(2)),
                       little ? QStringLiteral("UTF-16LE") : QStringLiteral("UTF-16BE")};
}

DecodedText decodeText(const QByteArray& bytes) {
    if (std::optional<DecodedText> wide = decodeUtf16(bytes)) {
        return std::move(*wide);
    }
    const bool mark = bytes.startsWith(kUtf8Mark);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(mark ? bytes.mid(3) : bytes);
    if (!decoder.hasError()) {
        return {std::move(text), mark ? QStringLiteral("UTF-8 with BOM") : QStringLiteral("UTF-8")};
    }
    return fromWindows1252(bytes);
}

namespace {

// `bytes` in the encoding `name`; `notIt` is the message for a line that does not match, %1
// its number and %2 the encoding.
QString decodeStrictly(const QByteArray& bytes, const QString& name, const QString& notIt) {
    QStringDecoder decoder(name.toLatin1().constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        throw Refusal(Tr::tr("the encoding %1 is not known").arg(escapeControls(name)));
    }
    QString text = decoder(bytes);
    if (!decoder.hasError()) {
        return text;
    }
    const auto known = QStringDecoder::encodingForName(name.toLatin1().constData());
    const int line = known ? firstBadLine(bytes, *known) : 1;
    throw Refusal(notIt.arg(QString::number(line), name));
}

}  // namespace

QString decodeAs(const QByteArray& bytes, const QString& name) {
    if (isWindows1252(name)) {
        return fromWindows1252(bytes).text;
    }
    return decodeStrictly(bytes, name, Tr::tr("line %1 is not %2 text, as the file says it is"));
}

DecodedText decodeChosen(const QByteArray& bytes, const QString& name) {
    if (isWindows1252(name)) {
        return fromWindows1252(bytes);
    }
    return {decodeStrictly(bytes, name, Tr::tr("line %1 is not %2 text")), name};
}

QString escapeControls(const QString& text, bool keepLineBreaks) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u == u'\n' && keepLineBreaks) || (u >= 0x20 && u != 0x7F && (u < 0x80 || u > 0x9F))) {
            result += c;
        } else if (u == 0) {
            result += QLatin1String("\\0");
        } else {
            result += QStringLiteral("U+%1").arg(uint{u}, 4, 16, QLatin1Char('0')).toUpper();
        }
    }
    return result;
}

}  // namespace tool
