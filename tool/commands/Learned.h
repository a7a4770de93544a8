#pragma once
// What `due` and `history` share: the answers database of the data folder read, and a pair's
// fields as text and as JSON, with the same keys for both commands.

#include <QJsonObject>
#include <QString>
#include <vector>

#include "memory/Database.h"
#include "tool/commands/Commands.h"

namespace tool {

// The answers database of a data folder, read; a missing one holds nothing. Throws Refusal for
// one that cannot be read.
std::vector<memory::PairHistory> readHistory(const QString& dataFolder, int language);
// The same without the answers: each pair's schedule.
std::vector<memory::PairState> readPairs(const QString& dataFolder, int language);

// What SQLite's integrity check finds in the answers database, one line each; a database that
// cannot be read is one finding. Nothing when there is none.
QStringList answersProblems(const QString& dataFolder);
// The answers databases the program set aside as damaged, by name.
QStringList answersSetAside(const QString& dataFolder);

// Today, the learner's day by the machine's clock.
int learnerToday();

// language, list, swedish, other, due, stability, difficulty, retrievability, reps, lapses.
QJsonObject pairObject(const memory::PairState& pair, int today);
// The same fields in that order, as text.
QStringList pairFields(const memory::PairState& pair, int today);
// {at, right, typed, first}
QJsonObject answerObject(const memory::AnswerRecord& answer);
QStringList answerFields(const memory::AnswerRecord& answer);

// Prints `objects` as one JSON array.
void printJson(std::ostream& out, const QJsonArray& objects);

}  // namespace tool
