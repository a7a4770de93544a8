#include "tool/formats/Delimited.h"

#include <algorithm>

#include "tool/Base.h"

namespace tool {
namespace {

class Reader {
  public:
    Reader(QStringView text, QChar separator, int line)
        : text_(text), separator_(separator), line_(line) {}

    bool atEnd() const { return at_ >= text_.size(); }
    int line() const { return line_; }
    bool startsComment() const { return !atEnd() && text_[at_] == QLatin1Char('#'); }

    void skipLine() {
        while (!atEnd() && !isBreak(text_[at_])) {
            ++at_;
        }
        if (!atEnd()) {
            lineBreak(text_[at_++]);
        }
    }

    // Reads one row and the line break after it.
    QStringList row() {
        QStringList fields;
        const int line = line_;
        for (;;) {
            if (fields.size() == kMostFields) {
                throw Refusal(Tr::tr("line %1: more than %2 fields in a row")
                                  .arg(QString::number(line), QString::number(kMostFields)));
            }
            fields += field();
            if (atEnd()) {
                return fields;
            }
            const QChar c = text_[at_++];
            if (c == separator_) {
                continue;
            }
            lineBreak(c);
            return fields;
        }
    }

  private:
    QString field() {
        if (atEnd() || text_[at_] != QLatin1Char('"')) {
            const qsizetype start = at_;
            while (!atEnd() && text_[at_] != separator_ && !isBreak(text_[at_])) {
                ++at_;
            }
            return text_.mid(start, at_ - start).toString();
        }
        const int opened = line_;
        QString value;
        ++at_;
        for (;;) {
            if (atEnd()) {
                throw Refusal(Tr::tr("line %1: a quoted field is not closed").arg(opened));
            }
            const QChar c = text_[at_++];
            if (c == QLatin1Char('"')) {
                if (atEnd() || text_[at_] != QLatin1Char('"')) {
                    break;
                }
                ++at_;
            } else if (c == QLatin1Char('\n')) {
                ++line_;
            }
            value += c;
        }
        // Text between the closing quote and the separator is kept, as lenient readers do.
        while (!atEnd() && text_[at_] != separator_ && !isBreak(text_[at_])) {
            value += text_[at_++];
        }
        return value;
    }

    static bool isBreak(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

    void lineBreak(QChar c) {
        if (c == QLatin1Char('\r') && !atEnd() && text_[at_] == QLatin1Char('\n')) {
            ++at_;
        }
        ++line_;
    }

    QStringView text_;
    QChar separator_;
    qsizetype at_ = 0;
    int line_;
};

}  // namespace

std::vector<Row> readDelimited(QStringView text, QChar separator, const RowLimits& limits,
                               int* blankRows) {
    std::vector<Row> rows;
    Reader reader(text, separator, limits.firstLine);
    while (!reader.atEnd()) {
        if (limits.skipComments && reader.startsComment()) {
            reader.skipLine();
            continue;
        }
        const int line = reader.line();
        QStringList fields = reader.row();
        if (fields.join(QString()).trimmed().isEmpty()) {
            if (blankRows) {
                ++*blankRows;
            }
            continue;
        }
        if (rows.size() == limits.most) {
            throw Refusal(Tr::tr("line %1: more rows than a language has room for")
                              .arg(QString::number(line)));
        }
        rows.push_back({line, std::move(fields)});
    }
    return rows;
}

QString delimitedField(const QString& field, QChar separator) {
    const auto plain = [separator](QChar c) {
        return c != separator && c != QLatin1Char('"') && c != QLatin1Char('\n') &&
               c != QLatin1Char('\r');
    };
    if (std::all_of(field.begin(), field.end(), plain)) {
        return field;
    }
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace tool
