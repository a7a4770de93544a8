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

// Throws Refusal for a quoted field that is never closed. With `skipComments`, a row that
// starts with an unquoted '#' is left out.
std::vector<Row> readDelimited(QStringView text, QChar separator, bool skipComments = false,
                               int firstLine = 1);

// `field` as written between separators: in double quotes, with its quotes doubled, when it
// holds the separator, a quote or a line break.
QString delimitedField(const QString& field, QChar separator);

}  // namespace tool
