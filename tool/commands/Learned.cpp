#include "tool/commands/Learned.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

#include "memory/Clock.h"
#include "memory/Fsrs.h"
#include "tool/Words.h"

namespace tool {
namespace {

QString words(const std::string& stored) {
    return fromStore(stored);
}

}  // namespace

namespace {

std::string databasePath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QString::fromUtf8(memory::kDatabaseName)).toStdString();
}

Refusal unreadable(const std::string& path, const memory::Error& e) {
    return Refusal(Tr::tr("ordlykta: the answers database %1 cannot be read: %2")
                       .arg(QString::fromStdString(path), QString::fromUtf8(e.what())));
}

}  // namespace

std::vector<memory::PairState> readPairs(const QString& dataFolder, int language) {
    const std::string path = databasePath(dataFolder);
    if (!memory::databaseExists(path)) {
        return {};
    }
    try {
        return memory::Database(path, memory::Database::Access::Read).pairs(language);
    } catch (const memory::Error& e) {
        throw unreadable(path, e);
    }
}

std::vector<memory::PairHistory> readHistory(const QString& dataFolder, int language) {
    const std::string path = databasePath(dataFolder);
    if (!memory::databaseExists(path)) {
        return {};
    }
    try {
        return memory::Database(path, memory::Database::Access::Read).history(language);
    } catch (const memory::Error& e) {
        throw unreadable(path, e);
    }
}

QStringList answersProblems(const QString& dataFolder) {
    const QString name = QString::fromUtf8(memory::kDatabaseName);
    const std::string path = QDir(dataFolder).filePath(name).toStdString();
    if (!memory::databaseExists(path)) {
        return {};
    }
    QStringList problems;
    try {
        const memory::Database db(path, memory::Database::Access::Read);
        for (const std::string& finding : db.integrityCheck()) {
            problems << name + QStringLiteral(": ") + QString::fromStdString(finding);
        }
    } catch (const memory::Error& e) {
        problems << Tr::tr(
                        "%1 cannot be read (%2); the program sets it aside and begins a new "
                        "one at the next answer")
                        .arg(name, QString::fromUtf8(e.what()));
    }
    return problems;
}

QStringList answersSetAside(const QString& dataFolder) {
    return QDir(dataFolder)
        .entryList({QStringLiteral("ordlykta-damaged-*.db")}, QDir::Files, QDir::Name);
}

int learnerToday() {
    return memory::dayOf(memory::systemNow());
}

QJsonObject pairObject(const memory::PairState& p, int today) {
    const memory::Schedule& s = p.schedule;
    return {
        {"language", p.pair.language},
        {"list", p.list},
        {"swedish", words(p.pair.swedish)},
        {"other", words(p.pair.other)},
        {"due", QString::fromStdString(memory::dateOf(s.dueDay()))},
        {"stability", s.stability},
        {"difficulty", s.difficulty},
        {"retrievability", memory::retrievability(s.stability, today - s.lastDay)},
        {"reps", s.reps},
        {"lapses", s.lapses},
    };
}

QStringList pairFields(const memory::PairState& p, int today) {
    const memory::Schedule& s = p.schedule;
    return {QString::number(p.pair.language),
            QString::number(p.list),
            words(p.pair.swedish),
            words(p.pair.other),
            QString::fromStdString(memory::dateOf(s.dueDay())),
            QString::number(s.stability, 'f', 4),
            QString::number(s.difficulty, 'f', 4),
            QString::number(memory::retrievability(s.stability, today - s.lastDay), 'f', 4),
            QString::number(s.reps),
            QString::number(s.lapses)};
}

QJsonObject answerObject(const memory::AnswerRecord& a) {
    return {{"at", QString::fromStdString(memory::isoTime(a.at))},
            {"right", a.right},
            {"typed", words(a.typed)},
            {"first", a.first}};
}

QStringList answerFields(const memory::AnswerRecord& a) {
    return {QString::fromStdString(memory::isoTime(a.at)), a.right ? "true" : "false",
            words(a.typed), a.first ? "true" : "false"};
}

void printJson(std::ostream& out, const QJsonArray& objects) {
    print(out, QString::fromUtf8(QJsonDocument(objects).toJson(QJsonDocument::Indented)));
}

}  // namespace tool
