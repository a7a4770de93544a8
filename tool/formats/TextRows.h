#pragma once
// What Anki's text format and CSV share: one row per pair, a third column naming its list; the
// separator that fits every row, a first row that names the columns.

#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <vector>

#include "tool/formats/Delimited.h"
#include "tool/formats/Formats.h"

namespace tool {

// What both formats call the column of the lists.
inline const QString kList = QStringLiteral("Lista");

// Which field holds what, counted from 0.
struct Columns {
    int swedish = 0;
    int other = 1;
    int list = -1;
};

// Appends one row of these fields, each written as delimitedField writes it, and `end`.
void appendRow(QString& text, std::initializer_list<const QString*> fields, QChar separator,
               QLatin1String end);

// Columns from their names (a header row, Anki's #columns), the columns Anki's header says
// hold no word (`notWords`: guid, note type, tags) and the user's choice. Without a column
// naming the Swedish side the Swedish words are in the first column that holds words, the
// other words in the next.
Columns pickColumns(const QStringList& names, SwedishColumn swedishColumn, int list,
                    const QList<int>& notWords = {});

// A header's column number (from 1) counted from 0; -1 for anything that is no column.
int headerColumn(const QString& value);

// The rows as pairs of these columns, in lists when a column names them; the other column's
// name, of `names`, as the file's language.
Source collect(const std::vector<Row>& rows, const Columns& columns, Layout layout,
               const QStringList& names);

// Rows are read with room for one more than a language holds, for a header.
RowLimits rowLimits(int firstLine, bool skipComments);

// The separator that gives two fields or more on most rows; of several as good, the one that
// gives every row the same number of fields, then `preferred`. Throws Refusal when none or
// several fit.
QChar detectSeparator(QStringView body, const RowLimits& limits,
                      std::optional<QChar> preferred = std::nullopt);

// The first row as column names when it is a header (or the user says so); `names` when the
// file named its columns already. Throws Refusal when the rest holds more rows than a
// language has room for.
QStringList takeHeaderRow(std::vector<Row>& rows, const TextChoices& choices, Layout& layout,
                          const QStringList& names = {});

}  // namespace tool
