#include "window/Operations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/FolderLock.h"
#include "store/WordList.h"
#include "tool/Archive.h"
#include "tool/Html.h"
#include "tool/Importing.h"
#include "tool/Output.h"
#include "tool/Repair.h"
#include "tool/Snapshots.h"
#include "tool/Tool.h"
#include "window/Text.h"

namespace window {
namespace {

// Runs `work`, turning the tool's refusals and the store's errors into a Failure.
template <typename Work>
auto guarded(Work&& work) -> decltype(work()) {
    try {
        return work();
    } catch (const tool::Refusal& e) {
        throw Failure(e.message());
    } catch (const tool::UsageError& e) {
        throw Failure(e.message());
    } catch (const store::IoError& e) {
        throw Failure(QString::fromUtf8(e.what()));
    }
}

QString encodingShown(const QString& encoding) {
    return encoding == QLatin1String("UTF-8 with BOM") ? Tr::tr("UTF-8 med BOM") : encoding;
}

tool::ImportChoices toolChoices(const ImportChoice& choice) {
    tool::ImportChoices c;
    if (choice.format) {
        c.format = *choice.format == FileFormat::Kvtml  ? tool::Format::Kvtml
                   : *choice.format == FileFormat::Anki ? tool::Format::Anki
                                                        : tool::Format::Csv;
    }
    if (choice.encoding) {
        c.encoding = *choice.encoding == TextEncoding::Utf8 ? QStringLiteral("UTF-8")
                                                            : QStringLiteral("Windows-1252");
    }
    c.text.separator = choice.separator;
    c.text.header = choice.header;
    c.text.swedishColumn = choice.swedishColumn;
    c.rules = {choice.cut, choice.skipUnsupported, choice.skipBadRows};
    return c;
}

std::vector<TargetList> targetsOf(const std::vector<tool::Placement>& placements) {
    std::vector<TargetList> targets;
    for (const tool::Placement& p : placements) {
        const int added = static_cast<int>(p.pairs.size());
        targets.push_back({p.list, p.name, added, p.countBefore + added});
    }
    return targets;
}

// The data folder held against the trainer while a change is written.
std::unique_ptr<store::FolderLock> hold(const QString& data) {
    if (!QDir().mkpath(data)) {
        throw Failure(Tr::tr("Mappen %1 kan inte skapas.").arg(data));
    }
    auto lock = std::make_unique<store::FolderLock>(data.toStdString());
    if (lock->taken()) {
        throw Failure(Tr::tr("Ordlykta är öppet. Stäng det för att importera eller återställa."));
    }
    return lock;
}

QStringList differing(const tool::FileSet& a, const tool::FileSet& b) {
    QStringList names;
    for (const auto& [name, bytes] : a) {
        const auto other = b.find(name);
        if (other == b.end() || other->second != bytes) {
            names += name;
        }
    }
    for (const auto& [name, bytes] : b) {
        if (a.find(name) == a.end()) {
            names += name;
        }
    }
    names.sort();
    return names;
}

// The data files a restore of `files` changes: those it holds whose bytes differ from the
// folder's now; a file it does not hold is left as it is.
QStringList changed(const tool::FileSet& files, tool::FileSet now) {
    std::erase_if(now, [&](const auto& entry) { return !files.contains(entry.first); });
    return differing(files, now);
}

// A snapshot of the files as they are: a new one, or the newest when that holds them already.
QString keepFiles(const QString& data, const tool::FileSet& files) {
    if (files.empty()) {
        return {};
    }
    const QString taken = tool::takeSnapshot(data, files);
    return taken.isEmpty() ? tool::snapshots(data).value(0) : taken;
}

void writeFiles(const QString& data, const tool::FileSet& files) {
    for (const auto& [name, bytes] : files) {
        tool::writeWhole(data + QLatin1Char('/') + name, bytes);
    }
}

QString fieldName(const tool::Finding& f) {
    if (f.pair > 0) {
        return f.field == 1 ? Tr::tr("det svenska ordet") : Tr::tr("det andra ordet");
    }
    if (f.list > 0) {
        return f.field == 1 ? Tr::tr("listans namn") : Tr::tr("listans andra text");
    }
    return Tr::tr("språkets namn");
}

QString describe(const tool::Finding& f) {
    switch (f.kind) {
        case tool::Finding::WrongSize:
            return Tr::tr("%1 byte i stället för %2")
                .arg(f.value)
                .arg(f.file == QLatin1String(store::kSettingsFileName) ? store::kSettingsSize
                                                                       : store::kWordListFileSize);
        case tool::Finding::CountOutOfRange:
            return Tr::tr("listan räknar %1 par, utanför 0 till 99").arg(f.value);
        case tool::Finding::LongLength:
            return Tr::tr("längdbyten för %1 är %2, över 30").arg(fieldName(f)).arg(f.value);
        case tool::Finding::LanguageOutOfRange:
            return Tr::tr("det valda språket är %1, utanför 1 till 3").arg(f.value);
        case tool::Finding::ListOutOfRange:
            return Tr::tr("den valda listan är %1, utanför 1 till 98").arg(f.value);
        case tool::Finding::Spaces:
            return Tr::tr(
                       "%1 börjar eller slutar med mellanslag, så att ett rätt svar räknas "
                       "som fel")
                .arg(fieldName(f));
        case tool::Finding::SameSwedishWord:
            return Tr::tr("samma svenska ord som par %1").arg(f.value);
    }
    return {};
}

bool sameRun(const tool::Finding& a, const tool::Finding& b, int lastPair) {
    return a.pair > 0 && b.pair == lastPair + 1 && a.kind == b.kind && a.file == b.file &&
           a.language == b.language && a.list == b.list && a.field == b.field && a.value == b.value;
}

}  // namespace

QString separatorName(QChar c) {
    switch (c.unicode()) {
        case '\t':
            return Tr::tr("tabb");
        case ',':
            return Tr::tr("komma");
        case ';':
            return Tr::tr("semikolon");
        case ' ':
            return Tr::tr("mellanslag");
        default:
            return QString(c);
    }
}

Operations::Operations(QString dataFolder) : data_(std::move(dataFolder)) {}

bool Operations::folderBusy() const {
    if (!QFileInfo(data_).isDir()) {
        return false;
    }
    const store::FolderLock lock(data_.toStdString());
    return lock.taken();
}

QStringList Operations::languageNames() const {
    const tool::DataFolder folder(data_);
    QStringList names;
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        names += folder.languageName(l);
    }
    return names;
}

std::vector<ListInfo> Operations::lists(int language) const {
    return guarded([&] {
        const store::WordListImage image = tool::DataFolder(data_).wordList(language);
        std::vector<ListInfo> result;
        for (int l = store::kFirstUserList; l <= store::kLastUserList; ++l) {
            result.push_back({l, tool::fromStore(image.header(l).first), image.count(l)});
        }
        return result;
    });
}

ImportPreview Operations::previewImport(const ImportChoice& choice) const {
    ImportPreview preview;
    try {
        auto plan = std::make_shared<const tool::ImportPlan>(guarded([&] {
            return tool::planImport(choice.path, data_, QString::number(choice.language),
                                    QString::number(choice.firstList), toolChoices(choice));
        }));
        const tool::Layout& layout = plan->layout;
        preview.detected = Detected{plan->format == tool::Format::Kvtml  ? FileFormat::Kvtml
                                    : plan->format == tool::Format::Anki ? FileFormat::Anki
                                                                         : FileFormat::Csv,
                                    encodingShown(layout.encoding),
                                    layout.separator ? separatorName(*layout.separator) : QString(),
                                    layout.headerSkipped, layout.swedish};
        preview.targets = targetsOf(plan->placements);
        const auto add = [&](RowNote::Kind kind, const std::vector<tool::LineNote>& notes) {
            for (const tool::LineNote& n : notes) {
                preview.notes.push_back({kind, n.line, n.text});
            }
        };
        add(RowNote::Refused, plan->refused);
        add(RowNote::LeftOut, plan->leftOut);
        add(RowNote::Cut, plan->cut);
        if (!plan->refused.empty()) {
            preview.problem = Tr::tr(
                "Några rader är inga par eller har ord som inte får plats i en ordlista. Välj "
                "vad som ska göras med dem här ovanför, eller rätta filen.");
        }
        preview.plan = std::move(plan);
    } catch (const Failure& e) {
        preview.problem = e.message();
    }
    return preview;
}

ImportDone Operations::import(const ImportPreview& preview) {
    if (!preview.plan) {
        throw Failure(preview.problem);
    }
    return guarded([&] {
        const tool::ImportDone done = tool::carryOut(*preview.plan);
        // The snapshot holds the data files there were; none when it is empty.
        const QStringList before = done.snapshot.isEmpty()
                                       ? QStringList()
                                       : tool::namesOf(tool::unpackArchive(done.snapshot));
        return ImportDone{targetsOf(done.placements), done.snapshot, before};
    });
}

void Operations::undoImport(const ImportDone& done) {
    undo({done.snapshot, done.filesBefore});
}

QByteArray Operations::exportBytes(int language, std::optional<int> list, ExportFormat format,
                                   bool askOther, std::optional<unsigned> shuffleSeed) const {
    return guarded([&] {
        const tool::DataFolder folder(data_);
        const store::WordListImage image = folder.wordList(language);
        tool::Lists lists{folder.languageName(language), {}};
        for (int l = store::kFirstUserList; l <= store::kLastUserList; ++l) {
            if (list ? l == *list : image.count(l) > 0) {
                lists.lists.push_back(tool::readList(image, l));
            }
        }
        static const tool::Format kFormats[] = {tool::Format::Kvtml, tool::Format::Anki,
                                                tool::Format::Csv, tool::Format::Html,
                                                tool::Format::Html};
        const bool exam = format == ExportFormat::Exam;
        return tool::exportBytes(kFormats[static_cast<int>(format)], lists,
                                 {exam, exam && askOther, exam ? shuffleSeed : std::nullopt});
    });
}

void Operations::save(const QString& path, const QByteArray& bytes) {
    guarded([&] { tool::writeWhole(path, bytes); });
}

std::vector<BackupRow> Operations::backups(const QStringList& saved) const {
    return guarded([&] {
        const tool::FileSet now = tool::readDataFiles(data_);
        std::vector<BackupRow> rows;
        const auto add = [&](bool snapshot, const QString& path, QDateTime taken) {
            const QFileInfo info(path);
            BackupRow row{
                snapshot, path, taken.isValid() ? taken : info.lastModified(), {}, info.size()};
            try {
                row.differ = changed(tool::unpackArchive(path), now);
            } catch (const tool::Refusal&) {
                row.differ = QStringList{Tr::tr("(skadad)")};
            }
            rows.push_back(row);
        };
        for (const QString& path : tool::snapshots(data_)) {
            QDateTime taken =
                QDateTime::fromString(QFileInfo(path).fileName(),
                                      QStringLiteral("'ordlykta-'yyyyMMdd-HHmmss-zzz'.tar.gz'"));
            taken.setTimeSpec(Qt::UTC);
            add(true, path, taken.toLocalTime());
        }
        for (const QString& path : saved) {
            if (QFileInfo(path).isFile()) {
                add(false, path, {});
            }
        }
        std::stable_sort(rows.begin(), rows.end(),
                         [](const BackupRow& a, const BackupRow& b) { return a.taken > b.taken; });
        return rows;
    });
}

QStringList Operations::changesOf(const QString& archive) const {
    return guarded(
        [&] { return changed(tool::unpackArchive(archive), tool::readDataFiles(data_)); });
}

Undo Operations::restore(const QString& archive) {
    return guarded([&] {
        const auto lock = hold(data_);
        const tool::FileSet files = tool::unpackArchive(archive);
        const tool::FileSet before = tool::readDataFiles(data_);
        Undo undo{keepFiles(data_, before), tool::namesOf(before)};
        writeFiles(data_, files);
        return undo;
    });
}

void Operations::undo(const Undo& undo) {
    guarded([&] {
        const auto lock = hold(data_);
        const tool::FileSet files =
            undo.snapshot.isEmpty() ? tool::FileSet{} : tool::unpackArchive(undo.snapshot);
        writeFiles(data_, files);
        // Data files that were not there before go again.
        for (const QString& name : tool::namesOf(tool::readDataFiles(data_))) {
            if (!undo.filesBefore.contains(name) &&
                !QFile::remove(data_ + QLatin1Char('/') + name)) {
                throw Failure(Tr::tr("%1 kan inte tas bort").arg(name));
            }
        }
    });
}

void Operations::saveBackup(const QString& path) const {
    guarded([&] {
        const tool::FileSet files = tool::readDataFiles(data_);
        if (files.empty()) {
            throw Failure(Tr::tr("Mappen %1 har inga ord att spara ännu.").arg(data_));
        }
        tool::writeWhole(path, tool::packArchive(files));
    });
}

std::vector<CheckRow> Operations::check() const {
    return guarded([&] {
        const std::vector<tool::Finding> found = tool::findProblems(tool::readDataFiles(data_));
        std::vector<CheckRow> rows;
        for (std::size_t i = 0; i < found.size();) {
            const tool::Finding& f = found[i];
            std::size_t j = i + 1;
            int last = f.pair;
            while (j < found.size() && sameRun(f, found[j], last)) {
                last = found[j++].pair;
            }
            QString text = describe(f);
            if (f.pair > 0) {
                text = (last > f.pair ? Tr::tr("par %1–%2: %3").arg(f.pair).arg(last)
                                      : Tr::tr("par %1: %2").arg(f.pair))
                           .arg(text);
            }
            rows.push_back({f.file, f.language, f.list, f.pair, last, text, f.mendable()});
            i = j;
        }
        return rows;
    });
}

Undo Operations::mend() {
    return guarded([&] {
        const auto lock = hold(data_);
        const tool::FileSet files = tool::readDataFiles(data_);
        const tool::FileSet mended = tool::mend(files);
        Undo undo{keepFiles(data_, files), tool::namesOf(files)};
        writeFiles(data_, mended);
        return undo;
    });
}

}  // namespace window
