#include "tool/backup/Snapshots.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <QThread>

#include "store/File.h"
#include "store/FolderLock.h"
#include "tool/Base.h"
#include "tool/Output.h"
#include "tool/backup/Answers.h"
#include "tool/backup/Archive.h"

namespace tool {
namespace {

// "ordlykta-20261207-131500-042.tar.gz": the time in UTC to the millisecond, so that names
// sort as the snapshots were taken, whatever the time zone or the summer time.
const QRegularExpression& snapshotName() {
    static const QRegularExpression name(
        QStringLiteral("^ordlykta-\\d{8}-\\d{6}-\\d{3}\\.tar\\.gz$"));
    return name;
}

// The reason a snapshot was taken lies beside it in a file of this suffix: a word of
// kReasons, a space and what it concerns (a file's name), in UTF-8.
const QString kReasonSuffix = QStringLiteral(".why");

const QString kNameFormat = QStringLiteral("'ordlykta-'yyyyMMdd-HHmmss-zzz'.tar.gz'");

QString nameAt(const QDateTime& time) {
    return time.toUTC().toString(kNameFormat);
}

// Now, or just after the newest snapshot should the clock have been put back since.
QDateTime nextTime(const QStringList& existing) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (existing.isEmpty()) {
        return now;
    }
    QDateTime newest = QDateTime::fromString(existing.first().section('/', -1), kNameFormat);
    newest.setTimeSpec(Qt::UTC);
    return newest.isValid() && newest >= now ? newest.addMSecs(1) : now;
}

// The snapshots' own lock, waited for: another snapshot is seldom more than a moment.
std::unique_ptr<store::FolderLock> holdSnapshots(const QString& folder) {
    constexpr int kTries = 200;
    constexpr int kPauseMs = 50;
    for (int i = 0;; ++i) {
        auto lock = std::make_unique<store::FolderLock>(folder.toStdString());
        if (!lock->taken() || i == kTries) {
            return lock;
        }
        QThread::msleep(kPauseMs);
    }
}

bool sameAsNewest(const QString& dataFolder, const FileSet& files) {
    const QStringList existing = snapshots(dataFolder);
    if (existing.isEmpty()) {
        return false;
    }
    try {
        return readArchive(existing.first()).files == files;
    } catch (const Refusal&) {
        return false;  // a damaged snapshot is no copy of anything
    }
}

}  // namespace

QString snapshotFolder(const QString& dataFolder) {
    return QDir::cleanPath(dataFolder + QStringLiteral("/backups"));
}

QStringList snapshots(const QString& dataFolder) {
    const QDir folder(snapshotFolder(dataFolder));
    QStringList paths;
    const QStringList names = folder.entryList(QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString& name : names) {
        if (snapshotName().match(name).hasMatch()) {
            paths.append(folder.filePath(name));
        }
    }
    return paths;
}

QString takeSnapshot(const QString& dataFolder, const QString& reason) {
    return takeSnapshot(dataFolder, readDataFiles(dataFolder), reason);
}

QString takeSnapshot(const QString& dataFolder, const FileSet& dataFiles, const QString& reason) {
    if (dataFiles.empty()) {
        return {};
    }
    // A copy of the database as it is now: a change of the answers alone is a change too.
    const FileSet files = withAnswers(dataFolder, dataFiles);
    const QString folder = snapshotFolder(dataFolder);
    if (!QDir().mkpath(folder)) {
        throw Refusal(Tr::tr("the folder %1 cannot be made").arg(folder));
    }
    const auto lock = holdSnapshots(folder);
    if (lock->taken()) {
        throw Refusal(Tr::tr("another snapshot is being taken in %1").arg(folder));
    }
    if (sameAsNewest(dataFolder, files)) {
        return {};  // the one taken while this waited
    }
    QDateTime time = nextTime(snapshots(dataFolder));
    QString path = folder + QLatin1Char('/') + nameAt(time);
    while (QFile::exists(path)) {
        time = time.addMSecs(1);
        path = folder + QLatin1Char('/') + nameAt(time);
    }
    if (!reason.isEmpty()) {
        writeWhole(path + kReasonSuffix, reason.toUtf8());
    }
    writeWhole(path, packArchive(files));
    const QStringList all = snapshots(dataFolder);
    for (qsizetype i = kSnapshotsKept; i < all.size(); ++i) {
        QFile::remove(all[i]);
        QFile::remove(all[i] + kReasonSuffix);
    }
    return path;
}

QString snapshotHolding(const QString& dataFolder, const FileSet& files, const QString& reason) {
    const QString taken = takeSnapshot(dataFolder, files, reason);
    return taken.isEmpty() && !files.empty() ? snapshots(dataFolder).value(0) : taken;
}

int removeSnapshotLeftovers(const QString& dataFolder) {
    const QString folder = snapshotFolder(dataFolder);
    if (!QDir(folder).exists()) {
        return 0;
    }
    const auto lock = holdSnapshots(folder);
    if (lock->taken()) {
        return 0;  // a snapshot is under way: what lies there may be its own
    }
    std::vector<std::string> targets;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        // ".ordlykta-20261207-131500-042.tar.gz.k3Xq9Z.tmp": the name it was to have inside.
        const QString target = name.mid(1, name.size() - 12);
        const QString snapshot =
            target.endsWith(kReasonSuffix) ? target.chopped(kReasonSuffix.size()) : target;
        if (name.startsWith(u'.') && snapshotName().match(snapshot).hasMatch()) {
            targets.push_back(target.toStdString());
        }
    }
    return store::removeTemporaryFiles(folder.toStdString(), targets);
}

}  // namespace tool

namespace tool {

QString reasonAtStart() {
    return QStringLiteral("start");
}

QString reasonBeforeImport(const QString& file) {
    return QStringLiteral("import ") + QFileInfo(file).fileName();
}

QString reasonBeforeRestore() {
    return QStringLiteral("restore");
}

QString reasonBeforeRepair() {
    return QStringLiteral("repair");
}

QString reasonBeforeUndo(const QString& file) {
    return QStringLiteral("undo ") + QFileInfo(file).fileName();
}

QString snapshotReason(const QString& path) {
    QFile file(path + kReasonSuffix);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString kept = QString::fromUtf8(file.read(1024)).trimmed();
    const QString word = kept.section(QLatin1Char(' '), 0, 0);
    const QString subject = kept.section(QLatin1Char(' '), 1);
    if (word == QLatin1String("start")) {
        return Tr::tr("at start");
    }
    if (word == QLatin1String("import")) {
        return Tr::tr("before import of %1").arg(subject);
    }
    if (word == QLatin1String("restore")) {
        return Tr::tr("before restore");
    }
    if (word == QLatin1String("repair")) {
        return Tr::tr("before repair");
    }
    if (word == QLatin1String("undo")) {
        return Tr::tr("before undoing the import of %1").arg(subject);
    }
    return {};
}

}  // namespace tool
