// CSV as spreadsheets write it: comma, semicolon or tab, a header row naming the columns;
// written in UTF-8 with a byte-order mark.

#include "tool/Base.h"
#include "tool/formats/TextRows.h"

namespace tool {

QByteArray writeCsv(const Lists& lists) {
    const QChar comma = QLatin1Char(',');
    const QLatin1String end("\r\n");
    QString text;
    appendRow(text, {&kSwedish, &lists.language, &kList}, comma, end);
    for (const WordList& list : lists.lists) {
        for (const Pair& pair : list.pairs) {
            appendRow(text, {&pair.swedish, &pair.other, &list.name}, comma, end);
        }
    }
    // The byte-order mark tells spreadsheet programs the text is UTF-8, not their own code page.
    return "\xEF\xBB\xBF" + text.toUtf8();
}

Source readCsv(const QString& text, const TextChoices& choices) {
    const RowLimits limits = rowLimits(1, false);
    Layout layout;
    layout.separator = choices.separator ? *choices.separator : detectSeparator(text, limits);
    int blankRows = 0;
    std::vector<Row> rows = readDelimited(text, *layout.separator, limits, &blankRows);
    const QStringList names = takeHeaderRow(rows, choices, layout);
    Source source =
        collect(rows, pickColumns(names, choices.swedishColumn, -1), std::move(layout), names);
    source.emptyRows = blankRows;
    return source;
}

}  // namespace tool
