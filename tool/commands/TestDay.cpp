#include "memory/Clock.h"
#include "tool/backup/Locking.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Learned.h"
#include "tool/commands/Options.h"
#include "tool/commands/Progress.h"

namespace tool {

void setTestDay(const QString& folder, int language, int list, std::optional<int> day) {
    const auto lock = holdDataFolder(folder, QStringLiteral("testday"));
    const DataFolder data(folder);
    try {
        // The database is made here when nothing was answered yet: the test day is kept in it.
        memory::Database(data.file(memory::kDatabaseName), true).setTestDay(language, list, day);
    } catch (const memory::Error& e) {
        throw Refusal(Tr::tr("The test day cannot be kept: %1").arg(QString::fromUtf8(e.what())));
    }
}

int testDay(Call& call) {
    Options options(call);
    options.add(QCommandLineOption(QStringLiteral("language"), QString(), QStringLiteral("L")));
    options.add(QCommandLineOption(QStringLiteral("list"), QString(), QStringLiteral("N")));
    options.add(
        QCommandLineOption(QStringLiteral("date"), QString(), QStringLiteral("YYYY-MM-DD")));
    options.add(QCommandLineOption(QStringLiteral("clear")));
    if (!options.parse()) {
        return kDone;
    }
    const bool clear = options.isSet(QStringLiteral("clear"));
    if (!options.isSet(QStringLiteral("language")) || !options.isSet(QStringLiteral("list")) ||
        clear == options.isSet(QStringLiteral("date"))) {
        throw UsageError(Tr::tr("Give --language, --list and either --date or --clear"));
    }
    const DataFolder folder(options.dataFolder());
    const int language = folder.language(options.value(QStringLiteral("language")));
    const store::WordListImage image = folder.wordList(language);
    const int list = findList(image, options.value(QStringLiteral("list")));
    const QString date = options.value(QStringLiteral("date"));
    std::optional<int> day;
    if (!clear) {
        day = dayOfDate(date);
        if (!day) {
            throw UsageError(Tr::tr("Not a date: %1 (give YYYY-MM-DD)").arg(date));
        }
        if (*day < learnerToday()) {
            throw Refusal(Tr::tr("%1 has passed; a test day is today or later").arg(date));
        }
    }
    setTestDay(folder.path(), language, list, day);
    const QString name = fromStore(image.header(list).first);
    print(call.out,
          clear ? Tr::tr("List %1 (%2) of %3 has no test day.\n")
                      .arg(QString::number(list), name, folder.languageName(language))
                : Tr::tr("List %1 (%2) of %3: test on %4.\n")
                      .arg(QString::number(list), name, folder.languageName(language), date));
    return kDone;
}

}  // namespace tool
