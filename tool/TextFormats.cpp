// Anki's text format and CSV: one row per pair, a third column naming its list.

#include <QRegularExpression>

#include "tool/Delimited.h"
#include "tool/Formats.h"
#include "tool/Tool.h"

namespace tool {
namespace {

const QString kList = QStringLiteral("Lista");

void appendRow(QString& text, std::initializer_list<const QString*> fields, QChar separator,
               QLatin1String end) {
    bool first = true;
    for (const QString* field : fields) {
        if (!first) {
            text += separator;
        }
        first = false;
        text += delimitedField(*field, separator);
    }
    text += end;
}

// Which field holds what, counted from 0.
struct Columns {
    int swedish = 0;
    int other = 1;
    int list = -1;
};

// Columns from their names (a header row, Anki's #columns), the columns Anki's header says
// hold no word (`notWords`: guid, note type, tags) and the user's choice. Without a column
// named Svenska the Swedish words are in the first column that holds words, the other words in
// the next.
Columns pickColumns(const QStringList& names, SwedishColumn swedishColumn, int list,
                    const QList<int>& notWords = {}) {
    static const QRegularExpression notAWord(
        QStringLiteral("^(tags|notetype|note type|guid|deck)$"),
        QRegularExpression::CaseInsensitiveOption);
    Columns columns;
    columns.list = list;
    std::optional<int> named;
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i].trimmed();
        if (name.compare(kSwedish, Qt::CaseInsensitive) == 0) {
            named = i;
        } else if (columns.list < 0 && name.compare(kList, Qt::CaseInsensitive) == 0) {
            columns.list = i;
        }
    }
    const auto holdsWords = [&](int i) {
        const bool passedOver = i < names.size() && notAWord.match(names[i].trimmed()).hasMatch();
        return i != columns.list && !notWords.contains(i) && !passedOver;
    };
    const auto firstWordColumn = [&](int except) {
        int i = 0;
        while (i == except || !holdsWords(i)) {
            ++i;
        }
        return i;
    };
    columns.swedish = swedishColumn ? *swedishColumn - 1 : named.value_or(firstWordColumn(-1));
    columns.other = firstWordColumn(columns.swedish);
    return columns;
}

// A header's column number (from 1) counted from 0; -1 for anything that is no column.
int headerColumn(const QString& value) {
    const int number = value.trimmed().toInt();
    return number >= 1 ? number - 1 : -1;
}

QString field(const QStringList& fields, int column) {
    return column >= 0 && column < fields.size() ? fields[column] : QString();
}

// Anki names nested decks "Parent::Child"; the list takes the last part.
QString listName(const QString& deck) {
    return deck.section(QStringLiteral("::"), -1);
}

Source collect(const std::vector<Row>& rows, const Columns& columns) {
    Source source;
    source.named = columns.list >= 0;
    if (!source.named) {
        source.lists.emplace_back();
    }
    for (const Row& row : rows) {
        const SourcePair pair{field(row.fields, columns.swedish), field(row.fields, columns.other),
                              row.line};
        if (source.named) {
            const QString name = listName(field(row.fields, columns.list)).trimmed();
            if (source.lists.empty() || source.lists.back().name != name) {
                source.lists.push_back({name, {}});
            }
        }
        source.lists.back().pairs.push_back(pair);
    }
    return source;
}

QChar separatorNamed(const QString& name) {
    static const std::pair<const char*, char> kNames[] = {
        {"tab", '\t'},  {"comma", ','}, {"semicolon", ';'},
        {"space", ' '}, {"pipe", '|'},  {"colon", ':'},
    };
    for (const auto& [word, c] : kNames) {
        if (name.compare(QLatin1String(word), Qt::CaseInsensitive) == 0) {
            return QLatin1Char(c);
        }
    }
    if (name.size() == 1) {
        return name[0];
    }
    throw Refusal(Tr::tr("unknown separator: %1").arg(name));
}

QChar guessSeparator(QStringView firstLine) {
    for (const char c : {'\t', ',', ';'}) {
        if (firstLine.contains(QLatin1Char(c))) {
            return QLatin1Char(c);
        }
    }
    return QLatin1Char('\t');
}

// With #html:true a field is markup: tags go, the common entities become their characters.
QString plainText(QString html) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.remove(tag);
    html.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&quot;"), QLatin1String("\""));
    html.replace(QLatin1String("&#39;"), QLatin1String("'"));
    html.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return html;
}

}  // namespace

QByteArray writeAnki(const Lists& lists) {
    const QChar tab = QLatin1Char('\t');
    QString text = QStringLiteral("#separator:tab\n#html:false\n#columns:%1\n#deck column:3\n")
                       .arg(QStringList{kSwedish, lists.language, kList}.join(tab));
    for (const WordList& list : lists.lists) {
        const QString deck = lists.language + QStringLiteral("::") + list.name;
        for (const Pair& pair : list.pairs) {
            appendRow(text, {&pair.swedish, &pair.other, &deck}, tab, QLatin1String("\n"));
        }
    }
    return text.toUtf8();
}

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
    return text.toUtf8();
}

// Without named columns, a first row that names a column "Svenska" is a header, never a pair:
// it gives the names. The rows are read with room for one more than a language holds, for
// that header; the rest must fit.
QStringList takeHeaderRow(std::vector<Row>& rows, const QStringList& names = {}) {
    const auto requireRoom = [&rows] {
        if (rows.size() > kMostPairs) {
            throw Refusal(
                Tr::tr("line %1: more rows than a language has room for").arg(rows.back().line));
        }
    };
    const auto isSwedish = [](const QString& name) {
        return name.trimmed().compare(kSwedish, Qt::CaseInsensitive) == 0;
    };
    if (!names.isEmpty() || rows.empty() ||
        std::none_of(rows[0].fields.begin(), rows[0].fields.end(), isSwedish)) {
        requireRoom();
        return names;
    }
    QStringList header = rows[0].fields;
    rows.erase(rows.begin());
    requireRoom();
    return header;
}

Source readCsv(const QString& text, SwedishColumn swedishColumn) {
    // One row more than a language holds, for a header.
    std::vector<Row> rows = readDelimited(text, QLatin1Char(','), {kMostPairs + 1});
    const QStringList names = takeHeaderRow(rows);
    return collect(rows, pickColumns(names, swedishColumn, -1));
}

Source readAnki(const QString& text, SwedishColumn swedishColumn) {
    std::optional<QChar> separator;
    bool html = false;
    std::optional<QString> columns;  // split once the separator is known
    int deckColumn = -1;
    QList<int> notWords;
    qsizetype at = 0;
    int line = 1;
    // The header: lines "#key:value" before the first pair.
    while (at < text.size() && text[at] == QLatin1Char('#')) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), at);
        end = end < 0 ? text.size() : end;
        const QString header = text.mid(at + 1, end - at - 1).trimmed();
        const QString key = header.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
        const QString value = header.section(QLatin1Char(':'), 1);
        if (key == QLatin1String("separator")) {
            separator = separatorNamed(value.trimmed());
        } else if (key == QLatin1String("html")) {
            html = value.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        } else if (key == QLatin1String("columns")) {
            columns = value;
        } else if (key == QLatin1String("deck column")) {
            deckColumn = headerColumn(value);
        } else if (key == QLatin1String("guid column") || key == QLatin1String("notetype column") ||
                   key == QLatin1String("tags column")) {
            notWords += headerColumn(value);
        }
        at = end + 1;
        ++line;
    }
    const QStringView body = QStringView(text).mid(std::min(at, text.size()));
    if (!separator) {
        separator = guessSeparator(body.left(body.indexOf(QLatin1Char('\n'))));
    }
    // One row more than a language holds, for a header: without a #columns line, a first row
    // naming "Svenska" (as a spreadsheet saves it) is one.
    std::vector<Row> rows = readDelimited(body, *separator, {kMostPairs + 1, true, line});
    const QStringList names =
        takeHeaderRow(rows, columns ? columns->split(*separator) : QStringList());
    if (html) {
        for (Row& row : rows) {
            for (QString& field : row.fields) {
                field = plainText(field);
            }
        }
    }
    return collect(rows, pickColumns(names, swedishColumn, deckColumn, notWords));
}

}  // namespace tool
