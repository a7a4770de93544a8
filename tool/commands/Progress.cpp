#include "tool/commands/Progress.h"

#include <QDate>
#include <QJsonObject>

#include "memory/Clock.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Learned.h"
#include "tool/commands/Options.h"

namespace tool {
namespace {

std::vector<memory::TestDay> readTestDays(const DataFolder& folder, int language) {
    const std::string path = folder.file(memory::kDatabaseName);
    if (!memory::databaseExists(path)) {
        return {};
    }
    try {
        return memory::Database(path, false).testDays(language);
    } catch (const memory::Error& e) {
        throw Refusal(Tr::tr("ordlykta: the answers database %1 cannot be read: %2")
                          .arg(QString::fromStdString(path), QString::fromUtf8(e.what())));
    }
}

QJsonObject hardWordJson(const memory::HardWord& hard) {
    QJsonArray wrong;
    for (const auto& [typed, times] : hard.wrong) {
        wrong.append(fromStore(typed));
    }
    return {{"swedish", fromStore(hard.pair.swedish)},
            {"other", fromStore(hard.pair.other)},
            {"lapses", hard.lapses},
            {"wrong", wrong}};
}

QJsonObject listJson(int language, const memory::ListProgress& list) {
    QJsonArray hard;
    for (const memory::HardWord& word : list.hard) {
        hard.append(hardWordJson(word));
    }
    return {
        {"language", language},
        {"list", list.list},
        {"name", fromStore(list.name)},
        {"pairs", list.pairs},
        {"new", list.fresh},
        {"learning", list.learning},
        {"known", list.known},
        {"due", list.due},
        {"hard", static_cast<int>(list.hard.size())},
        {"testday", list.testDay ? QJsonValue(QString::fromStdString(memory::dateOf(*list.testDay)))
                                 : QJsonValue()},
        {"ready", list.ready ? QJsonValue(*list.ready) : QJsonValue()},
        {"hard_words", hard}};
}

QString listText(const QString& language, const memory::ListProgress& list) {
    QString text = Tr::tr(
                       "%1, list %2 (%3): %4 pairs, %5 new, %6 learning, %7 known, %8 due, "
                       "%9 hard")
                       .arg(language, QString::number(list.list), fromStore(list.name))
                       .arg(list.pairs)
                       .arg(list.fresh)
                       .arg(list.learning)
                       .arg(list.known)
                       .arg(list.due)
                       .arg(list.hard.size());
    if (list.testDay) {
        text += Tr::tr("; test on %1").arg(QString::fromStdString(memory::dateOf(*list.testDay)));
    }
    if (list.ready) {
        text += Tr::tr(", ready %1 %").arg(qRound(*list.ready * 100));
    }
    text += QLatin1Char('\n');
    for (const memory::HardWord& hard : list.hard) {
        QStringList wrong;
        for (const auto& [typed, times] : hard.wrong) {
            wrong << QStringLiteral("%1 (%2)").arg(fromStore(typed)).arg(times);
        }
        text += QStringLiteral("  %1 – %2: %3\n")
                    .arg(fromStore(hard.pair.swedish), fromStore(hard.pair.other),
                         wrong.join(QStringLiteral(", ")));
    }
    return text;
}

}  // namespace

memory::Progress readProgress(const DataFolder& folder, int language, int today) {
    return memory::progressOf(memory::listsOf(folder.wordList(language), language),
                              readHistory(folder.path(), language), readTestDays(folder, language),
                              today);
}

std::optional<int> dayOfDate(const QString& date) {
    const QDate parsed = QDate::fromString(date, Qt::ISODate);
    if (!parsed.isValid() || date.size() != 10) {
        return std::nullopt;
    }
    return static_cast<int>(QDate(1970, 1, 1).daysTo(parsed));
}

QJsonArray progressJson(const DataFolder& folder, const std::vector<int>& languages, int today) {
    QJsonArray lists;
    for (const int language : languages) {
        const memory::Progress progress = readProgress(folder, language, today);
        for (const memory::ListProgress& list : progress.lists) {
            lists.append(listJson(language, list));
        }
    }
    return lists;
}

int progress(Call& call) {
    Options options(call);
    options.addLanguage();
    options.add(QCommandLineOption(QStringLiteral("json")));
    if (!options.parse()) {
        return kDone;
    }
    const DataFolder folder(options.dataFolder());
    std::vector<int> languages;
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        if (options.language(folder) == 0 || options.language(folder) == l) {
            languages.push_back(l);
        }
    }
    const QJsonArray lists = progressJson(folder, languages, learnerToday());
    if (options.isSet(QStringLiteral("json"))) {
        printJson(call.out, lists);
        return kDone;
    }
    QString text;
    for (const int language : languages) {
        for (const memory::ListProgress& list :
             readProgress(folder, language, learnerToday()).lists) {
            text += listText(folder.languageName(language), list);
        }
    }
    print(call.out, text.isEmpty() ? Tr::tr("No list holds pairs.\n") : text);
    return kDone;
}

}  // namespace tool
