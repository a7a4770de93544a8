// The one table of formats: adding a format is a file of its own and one row here.

#include <QFileInfo>
#include <array>

#include "tool/Base.h"
#include "tool/formats/Encodings.h"
#include "tool/formats/Formats.h"

namespace tool {
namespace {

// A text format's reader on the decoded text, which drops the bytes once decoded.
Source readText(QByteArray bytes, const TextChoices& choices,
                Source (*reader)(const QString&, const TextChoices&)) {
    const DecodedText decoded =
        choices.encoding ? decodeChosen(std::exchange(bytes, QByteArray()), *choices.encoding)
                         : decodeText(std::exchange(bytes, QByteArray()));
    Source source = reader(decoded.text, choices);
    source.layout.encoding = decoded.encoding;
    return source;
}

// In the order a file's start is tried: the last readable one takes any file.
const std::array kFormats = {
    FormatInfo{Format::Kvtml,
               "kvtml",
               QT_TRANSLATE_NOOP("Tr", "KVTML (KWordQuiz, Parley)"),
               QT_TRANSLATE_NOOP("Tr", "KVTML (*.kvtml)"),
               {"kvtml"},
               false,
               false,
               nullptr,
               [](QStringView start) { return start.startsWith(u'<'); },
               [](QByteArray bytes, const TextChoices& choices) {
                   return readKvtml(bytes, choices.swedishColumn);
               },
               [](const Lists& lists, const HtmlSheet&) { return writeKvtml(lists); }},
    FormatInfo{Format::Anki,
               "anki",
               QT_TRANSLATE_NOOP("Tr", "Anki text"),
               QT_TRANSLATE_NOOP("Tr", "Anki text (*.txt)"),
               {"txt", "tsv"},
               true,
               false,
               nullptr,
               [](QStringView start) { return start.startsWith(u'#'); },
               [](QByteArray bytes, const TextChoices& choices) {
                   return readText(std::move(bytes), choices, readAnki);
               },
               [](const Lists& lists, const HtmlSheet&) { return writeAnki(lists); }},
    FormatInfo{Format::Csv,
               "csv",
               QT_TRANSLATE_NOOP("Tr", "CSV (spreadsheet)"),
               QT_TRANSLATE_NOOP("Tr", "CSV (*.csv)"),
               {"csv"},
               true,
               false,
               nullptr,
               [](QStringView) { return true; },
               [](QByteArray bytes, const TextChoices& choices) {
                   return readText(std::move(bytes), choices, readCsv);
               },
               [](const Lists& lists, const HtmlSheet&) { return writeCsv(lists); }},
    FormatInfo{Format::Html,
               "html",
               QT_TRANSLATE_NOOP("Tr", "List to print"),
               QT_TRANSLATE_NOOP("Tr", "Web page (*.html)"),
               {"html"},
               false,
               true,
               QT_TRANSLATE_NOOP("Tr", "Exam sheet"),
               nullptr,
               nullptr,
               [](const Lists& lists, const HtmlSheet& sheet) { return writeHtml(lists, sheet); }},
};

}  // namespace

std::span<const FormatInfo> formats() {
    return kFormats;
}

QString FormatInfo::shownTitle() const {
    return Tr::tr(title);
}

QString FormatInfo::shownFilter() const {
    return Tr::tr(filter);
}

QString ExportChoice::shownTitle() const {
    return Tr::tr(exam ? info->examTitle : info->title);
}

std::vector<ExportChoice> exportChoices() {
    std::vector<ExportChoice> choices;
    for (const FormatInfo& info : kFormats) {
        choices.push_back({&info, false});
        if (info.examTitle) {
            choices.push_back({&info, true});
        }
    }
    return choices;
}

const FormatInfo& formatInfo(Format format) {
    for (const FormatInfo& info : kFormats) {
        if (info.format == format) {
            return info;
        }
    }
    return kFormats.back();
}

std::optional<Format> formatNamed(const QString& name) {
    for (const FormatInfo& info : kFormats) {
        if (name.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0) {
            return info.format;
        }
    }
    return std::nullopt;
}

QString formatName(Format format) {
    return QLatin1String(formatInfo(format).name);
}

Format guessFormat(const QString& path, const QByteArray& bytes) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatInfo& info : kFormats) {
        for (const char* known : info.suffixes) {
            if (info.read && known && suffix == QLatin1String(known)) {
                return info.format;
            }
        }
    }
    const QString start = decodeText(bytes.left(4096)).text.trimmed();
    for (const FormatInfo& info : kFormats) {
        if (info.read && info.recognises && info.recognises(start)) {
            return info.format;
        }
    }
    return Format::Csv;
}

Source readSource(QByteArray bytes, Format format, const TextChoices& choices) {
    const FormatInfo& info = formatInfo(format);
    if (!info.read) {
        throw UsageError(Tr::tr("html is written, never read"));
    }
    return info.read(std::move(bytes), choices);
}

QByteArray exportBytes(Format format, const Lists& lists, const HtmlSheet& sheet) {
    return formatInfo(format).write(lists, sheet);
}

}  // namespace tool
