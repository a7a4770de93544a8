#pragma once
// The learning memory of a data folder as the tool and the window read it: a language's lists
// with their progress on a given day (memory/Progress.h).

#include <QString>
#include <memory>
#include <optional>

#include "memory/Database.h"
#include "memory/Progress.h"
#include "tool/Words.h"

namespace tool {

// The answers database of `folder`, or nullptr when there is none. Throws Refusal when it cannot
// be read.
std::unique_ptr<memory::Database> openAnswers(const DataFolder& folder);

// The progress of `language` (1..3) on `today`; throws Refusal when the word lists or the
// answers cannot be read.
memory::Progress readProgress(const DataFolder& folder, int language, int today);

// The learner's day now, by the machine's clock.
int learnersToday();

// "2026-12-11" as a learner's day; nothing for a text that is no date.
std::optional<int> dayOfDate(const QString& date);

}  // namespace tool
