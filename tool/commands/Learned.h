#pragma once
// What `due` and `history` share: the answers database of the data folder read, and a pair's
// fields as text and as JSON, with the same keys for both commands.

#include <QJsonArray>
#include <QString>
#include <vector>

#include "memory/Database.h"
#include "memory/Memory.h"
#include "tool/commands/Commands.h"
#include "tool/commands/JsonWriter.h"

namespace tool {

// The answers database of a data folder, read; a missing one holds nothing. Throws Refusal for
// one that cannot be read.
std::vector<memory::PairHistory> readHistory(const QString& dataFolder, int language);
// The pairs due on `today` as the drill takes them (test days first) and the next due day.
memory::Today readDue(const QString& dataFolder, int language, int today);

// What SQLite's integrity check finds in the answers database, one line each; a database that
// cannot be read is one finding. Nothing when there is none.
QStringList answersProblems(const QString& dataFolder);
// The answers databases the program set aside as damaged, by name.
QStringList answersSetAside(const QString& dataFolder);

// Today, the learner's day by the machine's clock.
int learnerToday();

// {answers (when given), difficulty, due, language, lapses, list, other, reps, retrievability,
// stability, swedish}, each answer {at, first, right, typed}.
void writePair(JsonWriter& json, const memory::PairState& pair, int today,
               const std::vector<memory::AnswerRecord>* answers = nullptr);
// language, list, swedish, other, due, stability, difficulty, retrievability, reps, lapses.
QStringList pairFields(const memory::PairState& pair, int today);
// at, right, typed, first
QStringList answerFields(const memory::AnswerRecord& answer);

// Prints `objects` as one JSON array.
void printJson(std::ostream& out, const QJsonArray& objects);
// Prints what `json` wrote.
void printJson(std::ostream& out, const JsonWriter& json);

}  // namespace tool
