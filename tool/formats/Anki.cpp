// Anki's text format: header lines "#key:value", then one row per note, tab-separated unless
// the header says otherwise; a deck column names the lists.

#include <QRegularExpression>

#include "tool/Base.h"
#include "tool/formats/TextRows.h"

namespace tool {
namespace {

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
    int blankRows = 0;
    std::vector<Row> rows = readDelimited(body, *layout.separator, limits, &blankRows);
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
    const Columns picked = pickColumns(names, choices.swedishColumn, deckColumn, notWords);
    Source source = collect(rows, picked, std::move(layout), names);
    source.emptyRows = blankRows;
    // A deck "Tyska::Verb" is the language's deck with its lists below it.
    for (const Row& row : rows) {
        const QString deck = row.fields.value(picked.list);
        if (deck.contains(QLatin1String("::"))) {
            const QString top = deck.section(QLatin1String("::"), 0, 0).trimmed();
            if (!top.isEmpty() && !source.languages.contains(top)) {
                source.languages += top;
            }
        }
    }
    return source;
}

}  // namespace tool
