// A printable page: each list on a page of its own, its name as heading, a table whose head
// repeats on every printed page. The exam sheet numbers its rows, leaves the answers (at least
// half the width) empty and has lines for the pupil's name, the date and the score. The page is
// Swedish, as its "Svenska" column is, whatever the locale.

#include "tool/formats/Formats.h"

#include <algorithm>
#include <random>

namespace tool {
namespace {

const char* const kStyle =
    "body{font-family:sans-serif;margin:2em}"
    "table{border-collapse:collapse;width:100%}"
    "th,td{border:1px solid #444;padding:.35em .6em;text-align:left}"
    ".exam table{border-collapse:separate;border-spacing:0}"
    "th{background:#eee}"
    ".exam td{height:1.4em}"
    ".exam td.n,.exam th.n{width:2.5em;text-align:right}"
    "p.lines{line-height:2.2}"
    "@media print{body{margin:0}section{break-after:page;page-break-after:always}"
    "section:last-child{break-after:auto;page-break-after:auto}th{background:none}"
    "thead{display:table-header-group}tr{break-inside:avoid}}";

QString cell(const char* tag, const QString& text) {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

QString numberCell(const char* tag, const QString& text) {
    return QStringLiteral("<%1 class=\"n\">%2</%1>").arg(QLatin1String(tag), text);
}

// A list after the first begins a page, in print and in Qt's own printing of rich text alike.
QString heading(const QString& name, bool first) {
    return first ? cell("h1", name)
                 : QStringLiteral("<h1 style=\"page-break-before:always\">%1</h1>")
                       .arg(name.toHtmlEscaped());
}

QString section(const WordList& list, const QString& language, const HtmlSheet& sheet,
                std::mt19937* random, bool first) {
    std::vector<Pair> pairs = list.pairs;
    if (random != nullptr) {
        std::shuffle(pairs.begin(), pairs.end(), *random);
    }
    QString text = QStringLiteral("<section>\n%1\n").arg(heading(list.name, first));
    if (!sheet.exam) {
        text += QStringLiteral("<table>\n<thead><tr>%1%2</tr></thead>\n<tbody>\n")
                    .arg(cell("th", kSwedish), cell("th", language));
        for (const Pair& pair : pairs) {
            text += QStringLiteral("<tr>%1%2</tr>\n")
                        .arg(cell("td", pair.swedish), cell("td", pair.other));
        }
        return text + QStringLiteral("</tbody>\n</table>\n</section>\n");
    }
    const QString asked = sheet.askOther ? language : kSwedish;
    const QString answered = sheet.askOther ? kSwedish : language;
    text += QStringLiteral(
                "<p class=\"lines\">%1 ____________________________ %2 ____________"
                "<br>%3</p>\n")
                .arg(QStringLiteral("Namn:"), QStringLiteral("Datum:"),
                     QStringLiteral("Resultat: ___ av %1").arg(pairs.size()));
    // Each cell a box of its own (no shared borders), so that a page break closes every box;
    // the answers get half the width and more, room for a word written by hand.
    text += QStringLiteral(
                "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" "
                "width=\"100%\">\n<thead><tr>%1%2<th width=\"55%\">%3</th></tr>"
                "</thead>\n<tbody>\n")
                .arg(QStringLiteral("<th class=\"n\" width=\"7%\">#</th>"), cell("th", asked),
                     answered.toHtmlEscaped());
    int number = 0;
    for (const Pair& pair : pairs) {
        text += QStringLiteral("<tr>%1%2%3</tr>\n")
                    .arg(numberCell("td", QString::number(++number)),
                         cell("td", sheet.askOther ? pair.other : pair.swedish), cell("td", {}));
    }
    return text + QStringLiteral("</tbody>\n</table>\n</section>\n");
}

}  // namespace

QByteArray writeHtml(const Lists& lists, const HtmlSheet& sheet) {
    QString page = QStringLiteral(
                       "<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%1</title>\n<style>%2</style>\n</head>\n<body%3>\n")
                       .arg(lists.language.toHtmlEscaped(), QLatin1String(kStyle),
                            sheet.exam ? QStringLiteral(" class=\"exam\"") : QString());
    std::optional<std::mt19937> random;
    if (sheet.shuffleSeed) {
        random.emplace(*sheet.shuffleSeed);
    }
    bool first = true;
    for (const WordList& list : lists.lists) {
        page += section(list, lists.language, sheet, random ? &*random : nullptr, first);
        first = false;
    }
    page += QStringLiteral("</body>\n</html>\n");
    return page.toUtf8();
}

}  // namespace tool
