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

// What `read` gives of the database of `dataFolder`, opened for reading; nothing without one.
template <class Result, class Read>
Result readDatabase(const QString& dataFolder, const Read& read) {
    const std::string path = databasePath(dataFolder);
    if (!memory::databaseExists(path)) {
        return {};
    }
    try {
        return read(memory::Database(path, memory::Database::Access::Read));
    } catch (const memory::Error& e) {
        throw unreadable(path, e);
    }
}

}  // namespace

memory::Today readDue(const QString& dataFolder, int language, int today) {
    return readDatabase<memory::Today>(dataFolder, [&](const memory::Database& db) {
        return memory::todayOf(db, dataFolder.toStdString(), language, today);
    });
}

std::vector<memory::PairHistory> readHistory(const QString& dataFolder, int language) {
    return readDatabase<std::vector<memory::PairHistory>>(
        dataFolder, [&](const memory::Database& db) { return db.history(language); });
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

void writePair(JsonWriter& json, const memory::PairState& p, int today,
               const std::vector<memory::AnswerRecord>* answers) {
    const memory::Schedule& s = p.schedule;
    // The names sorted, as Qt's documents keep them.
    json.beginObject();
    if (answers != nullptr) {
        json.name("answers").beginArray();
        for (const memory::AnswerRecord& a : *answers) {
            json.beginObject();
            json.name("at").value(QString::fromStdString(memory::isoTime(a.at)));
            json.name("first").value(a.first);
            json.name("right").value(a.right);
            json.name("typed").value(words(a.typed));
            json.endObject();
        }
        json.endArray();
    }
    json.name("difficulty").value(s.difficulty);
    json.name("due").value(QString::fromStdString(memory::dateOf(s.dueDay())));
    json.name("language").value(p.pair.language);
    json.name("lapses").value(s.lapses);
    json.name("list").value(p.list);
    json.name("other").value(words(p.pair.other));
    json.name("reps").value(s.reps);
    json.name("retrievability").value(memory::retrievability(s.stability, today - s.lastDay));
    json.name("stability").value(s.stability);
    json.name("swedish").value(words(p.pair.swedish));
    json.endObject();
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

QStringList answerFields(const memory::AnswerRecord& a) {
    return {QString::fromStdString(memory::isoTime(a.at)), a.right ? "true" : "false",
            words(a.typed), a.first ? "true" : "false"};
}

void printJson(std::ostream& out, const QJsonArray& objects) {
    const QByteArray text = QJsonDocument(objects).toJson(QJsonDocument::Indented);
    out.write(text.constData(), text.size());
    out.flush();
}

void printJson(std::ostream& out, const JsonWriter& json) {
    out.write(json.text().constData(), json.text().size());
    out.flush();
}

}  // namespace tool
