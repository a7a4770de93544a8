// What Anki's text format and CSV share: rows of fields, the columns they name, the separator
// and the header row.

#include <algorithm>

#include "tool/Base.h"
#include "tool/formats/TextRows.h"

namespace tool {
namespace {

// The separators a file's rows are tried with, the first when the file holds no rows.
constexpr QChar kSeparators[] = {u',', u';', u'\t'};

}  // namespace

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

namespace {

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

}  // namespace

// Columns from their names (a header row, Anki's #columns), the columns Anki's header says
// hold no word (`notWords`: guid, note type, tags) and the user's choice. Without a column
// naming the Swedish side the Swedish words are in the first column that holds words, the
// other words in the next.
Columns pickColumns(const QStringList& names, SwedishColumn swedishColumn, int list,
                    const QList<int>& notWords) {
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

namespace {

QString field(const QStringList& fields, int column) {
    return column >= 0 && column < fields.size() ? fields[column] : QString();
}

// Anki names nested decks "Parent::Child"; the list takes the last part.
QString listName(const QString& deck) {
    return deck.section(QStringLiteral("::"), -1);
}

}  // namespace

Source collect(const std::vector<Row>& rows, const Columns& columns, Layout layout,
               const QStringList& names) {
    Source source;
    if (columns.other < names.size() && !names[columns.other].trimmed().isEmpty()) {
        source.languages += names[columns.other].trimmed();
    }
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

namespace {

// How well a separator splits a file's rows.
struct Split {
    QChar separator;
    std::size_t rows = 0;
    std::size_t paired = 0;  // rows of two fields or more
    bool even = false;       // every row of the same number of fields, two or more
};

Split split(QStringView body, const RowLimits& limits, QChar separator) {
    const std::vector<Row> rows = readDelimited(body, separator, limits);
    Split result{separator, rows.size(), 0, !rows.empty()};
    for (const Row& row : rows) {
        result.paired += row.fields.size() >= 2 ? 1 : 0;
        result.even = result.even && row.fields.size() == rows.front().fields.size();
    }
    result.even = result.even && result.paired == rows.size();
    return result;
}

}  // namespace

// The separator that gives two fields or more on most rows (the other rows are then no pair,
// named by line as any other); of several as good, the one that gives every row the same
// number of fields, then `preferred`.
QChar detectSeparator(QStringView body, const RowLimits& limits, std::optional<QChar> preferred) {
    std::vector<Split> splits;
    std::optional<Refusal> unreadable;
    for (const QChar separator : kSeparators) {
        try {
            splits.push_back(split(body, limits, separator));
        } catch (const Refusal& e) {
            unreadable = unreadable.value_or(e);
        }
    }
    if (splits.empty()) {
        throw *unreadable;
    }
    if (splits.front().rows == 0) {
        return kSeparators[0];
    }
    const auto most = std::max_element(splits.begin(), splits.end(), [](auto& a, auto& b) {
                          return a.paired < b.paired;
                      })->paired;
    std::erase_if(splits, [most](const Split& s) { return s.paired != most || 2 * most < s.rows; });
    if (splits.empty()) {
        if (unreadable) {
            throw *unreadable;
        }
        throw Refusal(
            Tr::tr("the separator cannot be told: neither comma, semicolon nor tab gives two "
                   "fields on most rows; give --separator , or ; or tab"));
    }
    if (std::count_if(splits.begin(), splits.end(), [](const Split& s) { return s.even; }) == 1) {
        std::erase_if(splits, [](const Split& s) { return !s.even; });
    }
    if (splits.size() == 1) {
        return splits.front().separator;
    }
    for (const Split& s : splits) {
        if (preferred && s.separator == *preferred) {
            return s.separator;
        }
    }
    QStringList names;
    for (const Split& s : splits) {
        names += QLatin1Char('"') + separatorName(s.separator) + QLatin1Char('"');
    }
    throw Refusal(Tr::tr("the separator cannot be told: %1 split the rows equally well; give "
                         "--separator , or ; or tab")
                      .arg(names.join(Tr::tr(" and "))));
}

namespace {

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

}  // namespace

// The first row as column names when it is a header (or the user says so); `names` when the
// file named its columns already. The rows are read with room for one more than a language
// holds, for that header; the rest must fit.
QStringList takeHeaderRow(std::vector<Row>& rows, const TextChoices& choices, Layout& layout,
                          const QStringList& names) {
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
