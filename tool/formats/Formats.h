#pragma once
// The file formats word lists go out in and come in from: each in a file of its own in this
// folder, all of them in the one table of formats().

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "tool/Words.h"

namespace tool {

enum class Format { Kvtml, Anki, Csv, Html };

// What every format calls the Swedish words' column (or language), writing and reading.
inline const QString kSwedish = QStringLiteral("Svenska");

struct HtmlSheet {
    bool exam = false;      // the answers' column left empty, with lines for name, date, score
    bool askOther = false;  // the exam asks the other language's words, Swedish is the answer
    // Pairs in an order drawn from this seed; nothing keeps the lists' own order.
    std::optional<std::uint32_t> shuffleSeed;
};

QByteArray writeKvtml(const Lists& lists);
QByteArray writeAnki(const Lists& lists);
QByteArray writeCsv(const Lists& lists);
// The printable page and the exam sheet a teacher hands out: one page per list, its name as
// heading, a table whose headings repeat on every printed page.
QByteArray writeHtml(const Lists& lists, const HtmlSheet& sheet);

// The most pairs a language holds; a file with more is refused as it is read.
inline constexpr std::size_t kMostPairs =
    std::size_t{store::kMaxPairsPerList} * store::kUserListCount;

// A pair as read, with the line it starts on. `fields` is how many fields its row holds in
// a text file (0 in KVTML), so that a row of one field is told from a pair with an empty side.
struct SourcePair {
    QString swedish;
    QString other;
    int line = 0;
    int fields = 0;
};

// Something about one line of a file: why a row is not a pair, or what became of it.
struct LineNote {
    int line = 0;
    QString text;
};

// How a file was read: what the reader found or was told.
struct Layout {
    QString encoding;
    std::optional<QChar> separator;  // text files
    bool headerSkipped = false;
    bool html = false;  // fields read as HTML
    // Columns from 1 (in KVTML the translations, from 1); 0 for none.
    int swedish = 0;
    int other = 0;
    int list = 0;
};

struct SourceList {
    QString name;
    std::vector<SourcePair> pairs;
};

// What a file holds. `named` when it names its lists (a list or deck column, several
// lessons): each list then goes to an empty list of its own.
// `bad` holds what the file names but that cannot be read as a pair.
struct Source {
    bool named = false;
    std::vector<SourceList> lists;
    Layout layout;
    std::vector<LineNote> bad;
};

// The column (from 1) of the Swedish words, when the user gave one.
using SwedishColumn = std::optional<int>;

// What the user says about a text file, over what the reader would find.
struct TextChoices {
    // Of a text file ("UTF-8", "Windows-1252", ...); nothing: as its bytes tell. A KVTML file
    // says its own.
    std::optional<QString> encoding;
    SwedishColumn swedishColumn;
    std::optional<QChar> separator;
    std::optional<bool> header;  // the first row is (true) or is not (false) a header
    QStringList headings;        // further names that make a first row a header (a language's)
};

// The separators a text file may use, and the name --separator gives each.
QChar separatorNamed(const QString& name);  // throws UsageError
QString separatorName(QChar separator);

// Each throws Refusal for a file it cannot read. Text is decoded by decodeText first.
Source readKvtml(const QByteArray& bytes, SwedishColumn swedishColumn);
Source readAnki(const QString& text, const TextChoices& choices);
Source readCsv(const QString& text, const TextChoices& choices);

// An HTML fragment as plain text: entities decoded, line breaks and block ends as one space,
// other tags and sound references left out, blanks collapsed and trimmed.
QString htmlToText(const QString& html);

// A row of the table of formats: the command line and the window both loop over these.
struct FormatInfo {
    Format format;
    const char* name;  // as --format takes it
    // As the window names it, and the filter of a file dialog for its files: English, translated
    // in Tr (shownTitle, shownFilter).
    const char* title;
    const char* filter;
    // Of its files, in lower case (nullptr: none); the first is the one written.
    std::array<const char*, 2> suffixes;
    bool text;              // a text file: an encoding, a separator and a header row apply
    bool printed;           // a page for the printer, printed as it is written
    const char* examTitle;  // it writes an exam sheet too, offered under this title; or nullptr
    bool (*recognises)(QStringView start);  // by a file's first text, trimmed; or nullptr
    Source (*read)(QByteArray bytes, const TextChoices& choices);  // nullptr: written only
    QByteArray (*write)(const Lists& lists, const HtmlSheet& sheet);

    QString shownTitle() const;   // translated
    QString shownFilter() const;  // translated
};

// Something the window offers to save or print: a format as it is written, or its exam sheet.
struct ExportChoice {
    const FormatInfo* info = nullptr;
    bool exam = false;

    QString shownTitle() const;  // translated
};

// Every format that is written, each followed by its exam sheet where it writes one.
std::vector<ExportChoice> exportChoices();

std::span<const FormatInfo> formats();
const FormatInfo& formatInfo(Format format);
std::optional<Format> formatNamed(const QString& name);
// The name of a format as --format takes it.
QString formatName(Format format);

// The format a file to import is in: by its suffix, else by its first text.
Format guessFormat(const QString& path, const QByteArray& bytes);
// The file's pairs as `format` reads them. Throws Refusal for a file it cannot read, and
// UsageError for a format that is only written.
Source readSource(QByteArray bytes, Format format, const TextChoices& choices);
// What `export` writes in `format` for these lists.
QByteArray exportBytes(Format format, const Lists& lists, const HtmlSheet& sheet);

}  // namespace tool
