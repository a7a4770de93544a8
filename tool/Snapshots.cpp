#include "tool/Snapshots.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "tool/Archive.h"
#include "tool/Output.h"
#include "tool/Tool.h"

namespace tool {
namespace {

// "ordlykta-20261207-131500-042.tar.gz": the time in UTC to the millisecond, so that names
// sort as the snapshots were taken, whatever the time zone or the summer time.
const QRegularExpression& snapshotName() {
    static const QRegularExpression name(
        QStringLiteral("^ordlykta-\\d{8}-\\d{6}-\\d{3}\\.tar\\.gz$"));
    return name;
}

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

bool sameAsNewest(const QString& dataFolder, const FileSet& files) {
    const QStringList existing = snapshots(dataFolder);
    if (existing.isEmpty()) {
        return false;
    }
    try {
        return unpackArchive(existing.first()) == files;
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

QString takeSnapshot(const QString& dataFolder) {
    return takeSnapshot(dataFolder, readDataFiles(dataFolder));
}

QString takeSnapshot(const QString& dataFolder, const FileSet& files) {
    if (files.empty() || sameAsNewest(dataFolder, files)) {
        return {};
    }
    const QString folder = snapshotFolder(dataFolder);
    if (!QDir().mkpath(folder)) {
        throw Refusal(Tr::tr("the folder %1 cannot be made").arg(folder));
    }
    QDateTime time = nextTime(snapshots(dataFolder));
    QString path = folder + QLatin1Char('/') + nameAt(time);
    while (QFile::exists(path)) {
        time = time.addMSecs(1);
        path = folder + QLatin1Char('/') + nameAt(time);
    }
    writeWhole(path, packArchive(files));
    const QStringList all = snapshots(dataFolder);
    for (qsizetype i = kSnapshotsKept; i < all.size(); ++i) {
        QFile::remove(all[i]);
    }
    return path;
}

}  // namespace tool
