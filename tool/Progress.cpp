#include "tool/Progress.h"

#include <QDate>

#include "memory/Clock.h"
#include "tool/Base.h"

namespace tool {

std::unique_ptr<memory::Database> openAnswers(const DataFolder& folder) {
    const std::string path = folder.file(memory::kDatabaseName);
    if (!memory::databaseExists(path)) {
        return nullptr;
    }
    try {
        return std::make_unique<memory::Database>(path, false);
    } catch (const memory::Error& e) {
        throw Refusal(Tr::tr("The answers database %1 cannot be read: %2")
                          .arg(QString::fromStdString(path), QString::fromUtf8(e.what())));
    }
}

memory::Progress readProgress(const DataFolder& folder, int language, int today) {
    const std::vector<memory::ListWords> lists =
        memory::listsOf(folder.wordList(language), language);
    const std::unique_ptr<memory::Database> answers = openAnswers(folder);
    try {
        return memory::progressOf(
            lists, answers ? answers->history(language) : std::vector<memory::PairHistory>{},
            answers ? answers->testDays(language) : std::vector<memory::TestDay>{}, today);
    } catch (const memory::Error& e) {
        throw Refusal(Tr::tr("The answers cannot be read: %1").arg(QString::fromUtf8(e.what())));
    }
}

int learnersToday() {
    return memory::dayOf(memory::systemNow());
}

std::optional<int> dayOfDate(const QString& date) {
    const QDate parsed = QDate::fromString(date, Qt::ISODate);
    if (!parsed.isValid() || date.size() != 10) {
        return std::nullopt;
    }
    return static_cast<int>(QDate(1970, 1, 1).daysTo(parsed));
}

}  // namespace tool
