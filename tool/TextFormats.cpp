// Anki's text format and CSV: one row per pair, a third column naming its list.

#include <QRegularExpression>
#include <algorithm>

#include "tool/Delimited.h"
#include "tool/Formats.h"
#include "tool/Tool.h"

namespace tool {
namespace {

const QString kList = QStringLiteral("Lista");
// The separators a file's rows are tried with, the first when the file holds no rows.
constexpr QChar kSeparators[] = {u',', u';', u'\t'};

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

bool isOneOf(const QString& name, std::initializer_list<const char*> names) {
    const QString trimmed = name.trimmed();
    return std::any_of(names.begin(), names.end(), [&trimmed](const char* n) {
        return trimmed.compare(QString::fromUtf8(n), Qt::CaseInsensitive) == 0;
    });
}

// A column name that says it holds the Swedish words.
bool namesSwedish(const QString& name) {
    return isOneOf(name, {"Svenska", "Swedish", "sv"});
}

bool namesList(const QString& name) {
    return isOneOf(name, {"Lista", "List", "Deck"});
}

// Columns from their names (a header row, Anki's #columns), the columns Anki's header says
// hold no word (`notWords`: guid, note type, tags) and the user's choice. Without a column
// naming the Swedish side the Swedish words are in the first column that holds words, the
// other words in the next.
Columns pickColumns(const QStringList& names, SwedishColumn swedishColumn, int list,
                    const QList<int>& notWords = {}) {
    Columns columns;
    columns.list = list;
    std::optional<int> named;
    for (int i = 0; i < names.size(); ++i) {
        if (!named && namesSwedish(names[i])) {
            named = i;
        } else if (columns.list < 0 && namesList(names[i])) {
            columns.list = i;
        }
    }
    const auto holdsWords = [&](int i) {
        const bool passedOver =
            i < names.size() &&
            isOneOf(names[i], {"tags", "notetype", "note type", "guid", "deck"});
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

Source collect(const std::vector<Row>& rows, const Columns& columns, Layout layout) {
    Source source;
    source.named = columns.list >= 0;
    layout.swedish = columns.swedish + 1;
    layout.other = columns.other + 1;
    layout.list = columns.list + 1;
    source.layout = std::move(layout);
    if (!source.named) {
        source.lists.emplace_back();
    }
    for (const Row& row : rows) {
        const SourcePair pair{field(row.fields, columns.swedish), field(row.fields, columns.other),
                              row.line, static_cast<int>(row.fields.size())};
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

// Rows are read with room for one more than a language holds, for a header.
RowLimits rowLimits(int firstLine, bool skipComments) {
    return {kMostPairs + 1, skipComments, firstLine};
}

// The one separator that gives every row the same number of fields, at least two; of several,
// `preferred` when it is one of them.
QChar detectSeparator(QStringView body, const RowLimits& limits,
                      std::optional<QChar> preferred = std::nullopt) {
    std::vector<QChar> fitting;
    std::optional<Refusal> unreadable;
    bool empty = true;
    for (const QChar separator : kSeparators) {
        try {
            const std::vector<Row> rows = readDelimited(body, separator, limits);
            empty = empty && rows.empty();
            const auto even = [&rows](const Row& row) {
                return row.fields.size() == rows.front().fields.size();
            };
            if (!rows.empty() && rows.front().fields.size() >= 2 &&
                std::all_of(rows.begin(), rows.end(), even)) {
                fitting.push_back(separator);
            }
        } catch (const Refusal& e) {
            unreadable = unreadable.value_or(e);
        }
    }
    if (fitting.size() == 1) {
        return fitting.front();
    }
    if (preferred && std::find(fitting.begin(), fitting.end(), *preferred) != fitting.end()) {
        return *preferred;
    }
    if (fitting.empty() && unreadable) {
        throw *unreadable;
    }
    if (empty) {
        return kSeparators[0];
    }
    QStringList names;
    for (const QChar separator : fitting) {
        names += QLatin1Char('"') + separatorName(separator) + QLatin1Char('"');
    }
    throw Refusal(
        fitting.empty()
            ? Tr::tr("the separator cannot be told: neither comma, semicolon nor tab gives every "
                     "row the same number of fields; give --separator , or ; or tab")
            : Tr::tr("the separator cannot be told: %1 each give every row the same number of "
                     "fields; give --separator , or ; or tab")
                  .arg(names.join(Tr::tr(" and "))));
}

// Whether a first row of these fields names columns: one names the Swedish side, or every
// field is a column name this program or the language uses.
bool looksLikeHeader(const QStringList& fields, const QStringList& headings) {
    if (std::any_of(fields.begin(), fields.end(), namesSwedish)) {
        return true;
    }
    int named = 0;
    for (const QString& name : fields) {
        if (name.trimmed().isEmpty()) {
            continue;
        }
        const bool heading =
            namesList(name) ||
            isOneOf(name, {"Ord", "Word", "\u00D6vers\u00E4ttning", "Translation", "Tags"}) ||
            std::any_of(headings.begin(), headings.end(), [&name](const QString& h) {
                return name.trimmed().compare(h, Qt::CaseInsensitive) == 0;
            });
        if (!heading) {
            return false;
        }
        ++named;
    }
    return named >= 2;
}

// Whether a field holds a tag or an entity: in a file of older Anki (no header lines) every
// field is then HTML.
bool holdsMarkup(const std::vector<Row>& rows) {
    static const QRegularExpression markup(
        QStringLiteral("<[A-Za-z/][^>]*>|&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"));
    for (const Row& row : rows) {
        for (const QString& field : row.fields) {
            if (markup.match(field).hasMatch()) {
                return true;
            }
        }
    }
    return false;
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

// The first row as column names when it is a header (or the user says so); `names` when the
// file named its columns already. The rows are read with room for one more than a language
// holds, for that header; the rest must fit.
QStringList takeHeaderRow(std::vector<Row>& rows, const TextChoices& choices, Layout& layout,
                          const QStringList& names = {}) {
    const auto requireRoom = [&rows] {
        if (rows.size() > kMostPairs) {
            throw Refusal(
                Tr::tr("line %1: more rows than a language has room for").arg(rows.back().line));
        }
    };
    const bool header = !rows.empty() && names.isEmpty() &&
                        choices.header.value_or(looksLikeHeader(rows[0].fields, choices.headings));
    if (!header) {
        requireRoom();
        return names;
    }
    QStringList first = rows[0].fields;
    rows.erase(rows.begin());
    requireRoom();
    layout.headerSkipped = true;
    return first;
}

Source readCsv(const QString& text, const TextChoices& choices) {
    const RowLimits limits = rowLimits(1, false);
    Layout layout;
    layout.separator = choices.separator ? *choices.separator : detectSeparator(text, limits);
    std::vector<Row> rows = readDelimited(text, *layout.separator, limits);
    const QStringList names = takeHeaderRow(rows, choices, layout);
    return collect(rows, pickColumns(names, choices.swedishColumn, -1), std::move(layout));
}

Source readAnki(const QString& text, const TextChoices& choices) {
    Layout layout;
    layout.separator = choices.separator;
    std::optional<bool> html;
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
            if (!layout.separator) {
                try {
                    layout.separator = separatorNamed(value.trimmed());
                } catch (const UsageError& e) {
                    throw Refusal(Tr::tr("line %1: %2").arg(QString::number(line), e.message()));
                }
            }
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
    const bool headerLines = at > 0;
    const QStringView body = QStringView(text).mid(std::min(at, text.size()));
    const RowLimits limits = rowLimits(line, true);
    if (!layout.separator) {
        // Anki writes tabs unless told otherwise; an entity's ';' must not make a tab
        // file ambiguous.
        layout.separator = detectSeparator(body, limits, QLatin1Char('\t'));
    }
    std::vector<Row> rows = readDelimited(body, *layout.separator, limits);
    const QStringList names = takeHeaderRow(
        rows, choices, layout, columns ? columns->split(*layout.separator) : QStringList());
    layout.html = html.value_or(!headerLines && holdsMarkup(rows));
    if (layout.html) {
        for (Row& row : rows) {
            for (QString& field : row.fields) {
                field = htmlToText(field);
            }
        }
    }
    return collect(rows, pickColumns(names, choices.swedishColumn, deckColumn, notWords),
                   std::move(layout));
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
    if (name.size() == 1 && name[0] != QLatin1Char('"') && name[0] != QLatin1Char('\n') &&
        name[0] != QLatin1Char('\r')) {
        return name[0];
    }
    throw UsageError(Tr::tr("unknown separator: %1; give , or ; or tab").arg(name));
}

QString separatorName(QChar separator) {
    return separator == QLatin1Char('\t') ? QStringLiteral("tab") : QString(separator);
}

}  // namespace tool
