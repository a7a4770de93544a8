#include "tool/backup/Answers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "memory/Database.h"
#include "tool/Base.h"

namespace tool {
namespace {

QString scratchFile(const QTemporaryDir& dir) {
    return dir.filePath(answersName());
}

}  // namespace

QString answersName() {
    return QString::fromUtf8(memory::kDatabaseName);
}

bool isAnswersName(const QString& name) {
    return name == answersName();
}

std::optional<QByteArray> answersCopy(const QString& dataFolder) {
    const std::string path = QDir(dataFolder).filePath(answersName()).toStdString();
    const QTemporaryDir scratch;
    if (!memory::databaseExists(path) || !scratch.isValid()) {
        return std::nullopt;
    }
    try {
        memory::Database(path, memory::Database::Access::Read)
            .copyTo(scratchFile(scratch).toStdString());
    } catch (const memory::Error&) {
        return std::nullopt;
    }
    QFile copy(scratchFile(scratch));
    if (!copy.open(QIODevice::ReadOnly) || copy.size() > kLargestAnswers) {
        return std::nullopt;
    }
    return copy.readAll();
}

FileSet withAnswers(const QString& dataFolder, FileSet files) {
    if (!files.count(answersName())) {
        if (const auto copy = answersCopy(dataFolder)) {
            files[answersName()] = *copy;
        }
    }
    return files;
}

QString answersDamage(const QByteArray& copy) {
    const QTemporaryDir scratch;
    QFile file(scratchFile(scratch));
    if (!scratch.isValid() || !file.open(QIODevice::WriteOnly) || file.write(copy) != copy.size()) {
        return Tr::tr("%1 cannot be checked: no room for a copy").arg(answersName());
    }
    file.close();
    try {
        const memory::Database db(file.fileName().toStdString(), memory::Database::Access::Read);
        QStringList findings;
        for (const std::string& finding : db.integrityCheck()) {
            findings << QString::fromStdString(finding);
        }
        return findings.join(QStringLiteral("; "));
    } catch (const memory::Error& e) {
        return QString::fromUtf8(e.what());
    }
}

void dropAnswersLog(const QString& dataFolder) {
    // Closing the only connection writes the log into the file and removes it, so that a
    // replacement that then fails leaves the old answers whole.
    const std::string database = QDir(dataFolder).filePath(answersName()).toStdString();
    try {
        if (memory::databaseExists(database)) {
            memory::Database(database, memory::Database::Access::Write);
        }
    } catch (const memory::Error&) {
        // a damaged one: what its log held is in the snapshot taken before
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString path = QDir(dataFolder).filePath(answersName() + QLatin1String(suffix));
        if (QFile::exists(path) && !QFile::remove(path)) {
            throw Refusal(Tr::tr("%1 cannot be removed").arg(path));
        }
    }
}

}  // namespace tool
