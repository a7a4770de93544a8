#pragma once
// The file formats word lists go out in and come in from.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "tool/Words.h"

namespace tool {

enum class Format { Kvtml, Anki, Csv, Html };

// What every format calls the Swedish words' column (or language), writing and reading.
inline const QString kSwedish = QStringLiteral("Svenska");

std::optional<Format> formatNamed(const QString& name);

QByteArray writeKvtml(const Lists& lists);
QByteArray writeAnki(const Lists& lists);
QByteArray writeCsv(const Lists& lists);
// One printable page; `exam` leaves the other language's column empty.
QByteArray writeHtml(const Lists& lists, bool exam);

// The most pairs a language holds; a file with more is refused as it is read.
inline constexpr std::size_t kMostPairs =
    std::size_t{store::kMaxPairsPerList} * (store::kLastUserList - store::kFirstUserList + 1);

// A pair as read, with the line it starts on.
struct SourcePair {
    QString swedish;
    QString other;
    int line = 0;
};

struct SourceList {
    QString name;
    std::vector<SourcePair> pairs;
};

// What a file holds. `named` when it names its lists (a list or deck column, several
// lessons): each list then goes to an empty list of its own.
struct Source {
    bool named = false;
    std::vector<SourceList> lists;
};

// The column (from 1) of the Swedish words, when the user gave one.
using SwedishColumn = std::optional<int>;

// Each throws Refusal for a file it cannot read.
Source readKvtml(const QByteArray& bytes, SwedishColumn swedishColumn);
Source readAnki(const QString& text, SwedishColumn swedishColumn);
Source readCsv(const QString& text, SwedishColumn swedishColumn);

}  // namespace tool
