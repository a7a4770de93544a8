#pragma once
// Text files as the programs people use write them: UTF-8 with or without a byte-order mark,
// UTF-16 with one, and Windows-1252 (what spreadsheets save by default on Windows) when the
// bytes are not UTF-8.

#include <QByteArray>
#include <QString>
#include <optional>

namespace tool {

struct DecodedText {
    QString text;
    QString encoding;  // the encoding that was read, as a message names it
};

// `bytes` without a UTF-8 byte-order mark at their start.
QByteArray withoutUtf8Mark(const QByteArray& bytes);

// The text of bytes that begin with a UTF-16 byte-order mark (either order), else nothing.
std::optional<DecodedText> decodeUtf16(const QByteArray& bytes);

// The text of a file whose encoding is not declared. Never fails: every byte is a character
// in Windows-1252.
DecodedText decodeText(const QByteArray& bytes);

// The text of a file in the encoding the user chose ("UTF-8", "Windows-1252", or another a
// decoder knows), its byte-order mark dropped. Throws Refusal for an unknown encoding, and for
// bytes that do not match it, naming their line.
DecodedText decodeChosen(const QByteArray& bytes, const QString& name);

// `bytes` in the encoding `name` (as an XML declaration names it); Windows-1252 is read as the
// word lists hold it, through text/, every byte a character. Throws Refusal for an
// unknown encoding, and for bytes that do not match it, naming their line.
QString decodeAs(const QByteArray& bytes, const QString& name);

// `text` with control characters written out as "\0" or "U+001B", so that a message never
// carries them to the terminal; line breaks are kept when `keepLineBreaks`.
QString escapeControls(const QString& text, bool keepLineBreaks = true);

}  // namespace tool
