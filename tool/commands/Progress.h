#pragma once
// What `ordlykta progress` and `ordlykta testday` do, for the commands and their tests: the
// progress of languages as JSON on a given day, and a list's test day set or cleared.

#include <QJsonArray>
#include <optional>
#include <vector>

#include "tool/Words.h"

namespace tool {

// Per list that holds pairs, of each of `languages` on `today`: an object with the keys
// language, list, name, pairs, new, learning, known, due, hard, testday, ready and hard_words.
QJsonArray progressJson(const DataFolder& folder, const std::vector<int>& languages, int today);

// Sets the test day of a list (or with no day clears it), holding the data folder; throws
// Refusal, FolderBusy while the trainer holds it.
void setTestDay(const QString& folder, int language, int list, std::optional<int> day);

}  // namespace tool
