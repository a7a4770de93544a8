#pragma once
// Delimited text as RFC 4180 describes it, with any separator: a field in double quotes may
// hold separators, line breaks and doubled quotes. Shared by the CSV and Anki formats.

#include <QString>
#include <QStringList>
#include <vector>

namespace tool {

struct Row {
    int line = 0;  // where the row starts, from 1
    QStringList fields;
};

struct RowLimits {
    std::size_t most = 0;       // rows beyond this many are refused
    bool skipComments = false;  // leave out rows that start with an unquoted '#'
    int firstLine = 1;          // the line `text` starts on
};

// The most fields a row may hold: a word pair, its list and what Anki adds beside them.
inline constexpr qsizetype kMostFields = 64;

// The rows of `text`, blank ones left out and counted in `blankRows` when given. Throws
// Refusal for a quoted field that is never closed, for more rows than `limits.most` and for a
// row of more than kMostFields fields, so that memory stays bounded.
std::vector<Row> readDelimited(QStringView text, QChar separator, const RowLimits& limits,
                               int* blankRows = nullptr);

// `field` as written between separators: in double quotes, with its quotes doubled, when it
// holds the separator, a quote or a line break.
QString delimitedField(const QString& field, QChar separator);

}  // namespace tool
