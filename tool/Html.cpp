// A printable page: each list on a page of its own, its name as heading, a two-column table.

#include "tool/Formats.h"

namespace tool {
namespace {

const char* const kStyle =
    "body{font-family:sans-serif;margin:2em}"
    "table{border-collapse:collapse;width:100%}"
    "th,td{border:1px solid #444;padding:.35em .6em;text-align:left;width:50%}"
    "th{background:#eee}"
    ".exam td:nth-child(2){height:1.4em}"
    "@media print{body{margin:0}section{break-after:page;page-break-after:always}"
    "section:last-child{break-after:auto;page-break-after:auto}th{background:none}}";

QString cell(const char* tag, const QString& text) {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

}  // namespace

QByteArray writeHtml(const Lists& lists, bool exam) {
    QString page = QStringLiteral(
                       "<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%1</title>\n<style>%2</style>\n</head>\n<body%3>\n")
                       .arg(lists.language.toHtmlEscaped(), QLatin1String(kStyle),
                            exam ? QStringLiteral(" class=\"exam\"") : QString());
    for (const WordList& list : lists.lists) {
        page += QStringLiteral("<section>\n%1\n<table>\n<tr>%2%3</tr>\n")
                    .arg(cell("h1", list.name), cell("th", kSwedish), cell("th", lists.language));
        for (const Pair& pair : list.pairs) {
            page += QStringLiteral("<tr>%1%2</tr>\n")
                        .arg(cell("td", pair.swedish), cell("td", exam ? QString() : pair.other));
        }
        page += QStringLiteral("</table>\n</section>\n");
    }
    page += QStringLiteral("</body>\n</html>\n");
    return page.toUtf8();
}

}  // namespace tool
