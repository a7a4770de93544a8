#pragma once
// What `ordlykta progress` and `ordlykta testday` do, for the commands and their tests: the
// progress of languages as JSON on a given day, and a list's test day set or cleared.

#include <QJsonArray>
#include <optional>
#include <vector>

#include "memory/Progress.h"
#include "tool/Words.h"

namespace tool {

// The progress of `language` (1..3) on `today`; throws Refusal when the word lists or the
// answers cannot be read.
memory::Progress readProgress(const DataFolder& folder, int language, int today);

// "2026-12-11" as a learner's day; nothing for a text that is no date.
std::optional<int> dayOfDate(const QString& date);

// Per list that holds pairs, of each of `languages` on `today`: an object with the keys
// language, list, name, pairs, new, learning, known, due, hard, testday, ready and hard_words.
QJsonArray progressJson(const DataFolder& folder, const std::vector<int>& languages, int today);

// Sets the test day of a list (or with no day clears it), holding the data folder; throws
// Refusal, FolderBusy while the trainer holds it.
void setTestDay(const QString& folder, int language, int list, std::optional<int> day);

}  // namespace tool
