#include "tool/backup/Recovery.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "store/Change.h"
#include "store/DataFiles.h"
#include "store/File.h"
#include "store/Journal.h"
#include "tool/Base.h"
#include "tool/backup/Answers.h"
#include "tool/backup/Snapshots.h"

namespace tool {
namespace {

QString ioText(const store::IoError& e) {
    return QString::fromUtf8(e.what());
}

// Why these files of an archive cannot be restored, or empty.
QString problemWith(const ArchiveContent& content, const QStringList& names, bool force) {
    for (const QString& name : names) {
        if (!content.files.count(name) && !content.unsound.count(name)) {
            return Tr::tr("it holds no %1").arg(name);
        }
        if (content.unsound.count(name)) {
            return content.unsound.at(name);
        }
        if (!force && content.damaged.count(name)) {
            return Tr::tr("%1 is damaged (%2); --force restores it all the same")
                .arg(name, content.damaged.at(name));
        }
    }
    return {};
}

QStringList namesToRestore(const ArchiveContent& content, const QString& only) {
    if (!only.isEmpty()) {
        return {only};
    }
    QStringList names = namesOf(content.files);
    for (const auto& entry : content.unsound) {
        if (!names.contains(entry.first)) {
            names.append(entry.first);
        }
    }
    return names;
}

}  // namespace

void recoverDataFolder(const QString& dataFolder) {
    try {
        store::recoverFolder(dataFolder.toStdString(), store::kDataFileNames);
    } catch (const store::IoError& e) {
        throw Refusal(Tr::tr("%1: an interrupted change cannot be undone or finished: %2")
                          .arg(dataFolder, ioText(e)));
    }
    removeSnapshotLeftovers(dataFolder);
}

void replaceDataFiles(const QString& dataFolder, const FileSet& files) {
    std::vector<store::NewFile> newFiles;
    std::vector<std::string> names;
    names.reserve(files.size());
    for (const auto& [name, bytes] : files) {
        names.push_back(name.toStdString());
        newFiles.push_back({names.back(),
                            {reinterpret_cast<const unsigned char*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size())}});
    }
    try {
        store::replaceFiles(dataFolder.toStdString(), newFiles);
    } catch (const store::IoError& e) {
        throw Refusal(Tr::tr("%1 cannot be written: %2")
                          .arg(namesOf(files).join(QStringLiteral(", ")), ioText(e)));
    }
}

void removeDataFiles(const QString& dataFolder, const QStringList& names) {
    for (const QString& name : names) {
        try {
            store::removeFile((dataFolder + QLatin1Char('/') + name).toStdString());
            store::syncFolder(dataFolder.toStdString());
        } catch (const store::IoError& e) {
            throw Refusal(Tr::tr("%1 cannot be removed: %2").arg(name, ioText(e)));
        }
    }
}

RestoreResult restoreArchive(const QString& dataFolder, const RestoreOptions& options) {
    if (!options.only.isEmpty() && !store::isDataFileName(options.only.toStdString()) &&
        !isAnswersName(options.only)) {
        throw Refusal(Tr::tr("%1 is not a data file of ordlykta (agen.dat, bu1.dat, bu2.dat, "
                             "bu3.dat, ordlykta.db)")
                          .arg(options.only));
    }
    RestoreResult result;
    const QStringList candidates =
        options.archive.isEmpty() ? snapshots(dataFolder) : QStringList{options.archive};
    if (candidates.isEmpty()) {
        throw Refusal(Tr::tr("%1 holds no snapshots").arg(snapshotFolder(dataFolder)));
    }
    FileSet chosen;
    for (const QString& path : candidates) {
        QString problem;
        try {
            const ArchiveContent content = readArchive(path);
            const QStringList names = namesToRestore(content, options.only);
            problem = problemWith(content, names, options.force);
            if (problem.isEmpty()) {
                for (const QString& name : names) {
                    chosen[name] = content.files.at(name);
                }
            }
        } catch (const Refusal& e) {
            problem = e.message();
        }
        if (problem.isEmpty()) {
            result.archive = path;
            break;
        }
        if (!options.archive.isEmpty()) {
            throw Refusal(Tr::tr("%1 cannot be restored: %2").arg(path, problem));
        }
        result.passedOver.append(QStringLiteral("%1: %2").arg(path, problem));
    }
    if (result.archive.isEmpty()) {
        throw Refusal(Tr::tr("no snapshot can be restored:\n%1")
                          .arg(result.passedOver.join(QLatin1Char('\n'))));
    }

    const FileSet dataFiles = readDataFiles(dataFolder);
    result.filesBefore = namesOf(dataFiles);
    const FileSet current = withAnswers(dataFolder, dataFiles);
    FileSet changed;
    for (const auto& [name, bytes] : chosen) {
        const auto now = current.find(name);
        if (now != current.end() && now->second == bytes) {
            result.unchanged.append(name);
        } else {
            changed[name] = bytes;
            result.restored.append(name);
        }
    }
    if (changed.empty()) {
        return result;
    }
    try {
        result.snapshotBefore = snapshotHolding(dataFolder, current, reasonBeforeRestore());
    } catch (const Refusal& e) {
        throw Refusal(Tr::tr("nothing was restored: the files as they are cannot be kept in a "
                             "snapshot first: %1")
                          .arg(e.message()));
    }
    if (changed.count(answersName())) {
        dropAnswersLog(dataFolder);
    }
    replaceDataFiles(dataFolder, changed);
    return result;
}

ArchiveSummary summarize(const QString& archivePath, const QString& dataFolder) {
    ArchiveSummary summary;
    const QFileInfo info(archivePath);
    summary.path = archivePath;
    summary.taken = info.lastModified();
    summary.size = info.size();
    summary.reason = snapshotReason(archivePath);
    FileSet current;
    try {
        current = withAnswers(dataFolder, readDataFiles(dataFolder));
    } catch (const Refusal&) {
        // every file of the archive then counts as differing
    }
    try {
        const ArchiveContent content = readArchive(archivePath);
        summary.files = namesToRestore(content, {});
        summary.problem = problemWith(content, summary.files, false);
        for (const QString& name : summary.files) {
            const auto held = content.files.find(name);
            const auto now = current.find(name);
            if (held == content.files.end() || now == current.end() ||
                held->second != now->second) {
                summary.differing.append(name);
            }
        }
    } catch (const Refusal& e) {
        summary.problem = e.message();
    }
    return summary;
}

std::vector<ArchiveSummary> listSnapshots(const QString& dataFolder) {
    std::vector<ArchiveSummary> list;
    for (const QString& path : snapshots(dataFolder)) {
        list.push_back(summarize(path, dataFolder));
    }
    return list;
}

bool CheckResult::allMended() const {
    return std::all_of(findings.begin(), findings.end(), [&](const CheckFinding& f) {
        return f.finding.mendable() && mended.contains(f.finding.file);
    });
}

CheckResult checkFolder(const QString& dataFolder, bool fix) {
    CheckResult result;
    const FileSet files = readDataFiles(dataFolder);
    result.filesBefore = namesOf(files);
    for (const std::string& name : store::kDataFileNames) {
        const std::string path = (dataFolder + QLatin1Char('/')).toStdString() + name;
        if (store::journalFit(path) == store::JournalFit::LeftAlone) {
            result.journalsLeftAlone.append(QString::fromStdString(store::journalPath(path)));
        }
    }
    for (const Finding& f : findProblems(files)) {
        result.findings.push_back({f, placeOf(f), describeFinding(f)});
        if (f.kind == Finding::WrongSize && !result.soundCopies.count(f.file)) {
            result.soundCopies[f.file] = QString();
            for (const QString& path : snapshots(dataFolder)) {
                try {
                    if (problemWith(readArchive(path), {f.file}, false).isEmpty()) {
                        result.soundCopies[f.file] = path;
                        break;
                    }
                } catch (const Refusal&) {
                    // a damaged snapshot holds no sound copy
                }
            }
        }
    }
    if (!fix) {
        return result;
    }
    const FileSet mended = mend(files);
    if (mended.empty()) {
        return result;
    }
    result.snapshotBefore = snapshotHolding(dataFolder, files, reasonBeforeRepair());
    replaceDataFiles(dataFolder, mended);
    result.mended = namesOf(mended);
    return result;
}

}  // namespace tool
