#include "window/Operations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

#include "memory/PairFile.h"
#include "store/FolderLock.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tool/Output.h"
#include "tool/Tool.h"
#include "tool/backup/Answers.h"
#include "tool/backup/Archive.h"
#include "tool/backup/Locking.h"
#include "tool/backup/Recovery.h"
#include "tool/backup/Snapshots.h"
#include "tool/formats/Formats.h"
#include "tool/import/Importing.h"
#include "tool/import/Undo.h"
#include "window/Text.h"

namespace window {
namespace {

// Runs `work`, turning the tool's refusals and the store's errors into a Failure; the refusal
// while the trainer holds the folder in the window's own words.
template <typename Work>
auto guarded(Work&& work) -> decltype(work()) {
    try {
        return work();
    } catch (const tool::FolderBusy&) {
        throw Failure(folderBusyText());
    } catch (const tool::Error& e) {
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
    c.format = choice.format;
    c.text.encoding = choice.encoding;
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

bool sameList(const tool::Finding& a, const tool::Finding& b) {
    return a.file == b.file && a.language == b.language && a.list == b.list;
}

// Whether `b` goes on the run of `a` that has reached `lastPair`.
bool sameRun(const tool::Finding& a, const tool::Finding& b, int lastPair) {
    return a.pair > 0 && b.pair == lastPair + 1 && a.kind == b.kind && sameList(a, b) &&
           a.field == b.field && a.value == b.value;
}

}  // namespace

QString folderBusyText() {
    return Tr::tr("Ordlykta är öppet. Stäng det för att importera eller återställa.");
}

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
            return tool::planImport(
                choice.path, data_,
                choice.language > 0 ? QString::number(choice.language) : QString(),
                choice.firstList > 0 ? QString::number(choice.firstList) : QString(),
                toolChoices(choice));
        }));
        preview.language = plan->language;
        preview.renameLanguage = plan->renameLanguage;
        preview.emptyRows = plan->emptyRows;
        preview.alreadyThere = plan->alreadyThere;
        for (const tool::PreviewRow& row : plan->rows) {
            preview.pairs.push_back({row.swedish, row.other, row.reason});
        }
        const tool::Layout& layout = plan->layout;
        preview.detected = Detected{plan->format, encodingShown(layout.encoding),
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
        } else if (plan->language == 0) {
            preview.problem = Tr::tr("Välj vilket språk orden ska till.");
        } else if (plan->placements.empty()) {
            const std::vector<ListInfo> all = lists(plan->language);
            QStringList holders;
            for (const int l :
                 plan->heldWhole.empty() ? std::vector<int>{plan->list} : plan->heldWhole) {
                holders += Tr::tr("%1 \"%2\"").arg(l).arg(all[std::size_t(l - 1)].name);
            }
            preview.heldBy = holders.join(QStringLiteral(", "));
            preview.problem =
                Tr::tr("Alla par i filen finns redan i lista %1.").arg(preview.heldBy);
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
        tool::ImportDone done = tool::carryOut(*preview.plan);
        return ImportDone{targetsOf(done.placements), preview.plan->language,
                          std::make_shared<const tool::ImportRecord>(std::move(done.record))};
    });
}

ImportUndone Operations::undoImport(const tool::ImportRecord& record) {
    return guarded([&] {
        ImportUndone result;
        result.changes = tool::changesSince(record);
        if (result.changes.isEmpty()) {
            tool::undoImport(record);
            result.done = true;
            return result;
        }
        // What would be lost is reckoned as if the folder became the snapshot, without the data
        // files made since (the import's own among them): going back does just that.
        if (!record.snapshot.isEmpty()) {
            result.lost = tool::lostByRestoring(data_, record.snapshot);
            result.back = {record.snapshot,
                           tool::namesOf(tool::readArchive(record.snapshot).files)};
        }
        return result;
    });
}

void Operations::makeCurrent(int language, int list) {
    guarded([&] {
        const auto lock = tool::holdDataFolder(data_, QStringLiteral("window"));
        store::Settings settings = store::readSettingsOrDefaults(data_.toStdString());
        settings.language = language;
        settings.lists[static_cast<std::size_t>(language - 1)] = list;
        const store::SettingsBytes bytes = store::encode(settings);
        tool::replaceDataFiles(data_, {{QString::fromLatin1(store::kSettingsFileName),
                                        QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<qsizetype>(bytes.size()))}});
    });
}

void Operations::startTrainer(bool quiz) {
    startTrainer(QStringList{QStringLiteral("--screen"),
                             quiz ? QStringLiteral("quiz") : QStringLiteral("learn")});
}

void Operations::startReview(int language,
                             const std::optional<std::vector<memory::PairKey>>& only) {
    QStringList arguments{QStringLiteral("--review"), QString::number(language)};
    if (!only) {
        startTrainer(arguments);
        return;
    }
    QTemporaryFile file(data_ + QStringLiteral("/.ordlykta-par-XXXXXX"));
    file.setAutoRemove(false);
    const std::string lines = memory::pairLines(*only);
    if (!file.open() || file.write(lines.data(), static_cast<qint64>(lines.size())) !=
                            static_cast<qint64>(lines.size())) {
        const QString reason = file.errorString();
        file.remove();
        throw Failure(Tr::tr("Orden kunde inte lämnas till Ordlykta: %1").arg(reason));
    }
    file.close();
    try {
        startTrainer(arguments << QStringLiteral("--pairs") << file.fileName());
    } catch (const Failure&) {
        file.remove();
        throw;
    }
}

void Operations::startTrainer(const QStringList& arguments) {
    guarded([&] {
        QString program = qEnvironmentVariable("ORDLYKTA_PROGRAM");
        const QString here = QCoreApplication::applicationDirPath();
        for (const QString& candidate : {here + QStringLiteral("/ordlykta"),
                                         here + QStringLiteral("/../app/program/ordlykta")}) {
            if (program.isEmpty() && QFileInfo(candidate).isExecutable()) {
                program = QFileInfo(candidate).absoluteFilePath();
            }
        }
        try {
            tool::takeSnapshot(data_, tool::reasonAtStart());
        } catch (const tool::Refusal&) {
            // as at every start: the trainer starts without one
        }
        if (program.isEmpty() || !QProcess::startDetached(program, arguments, data_)) {
            throw Failure(Tr::tr("Ordlykta kunde inte startas."));
        }
    });
}

QByteArray Operations::exportBytes(int language, std::optional<int> list,
                                   const tool::ExportChoice& choice, bool askOther,
                                   std::optional<unsigned> shuffleSeed) const {
    return guarded([&] {
        const tool::DataFolder folder(data_);
        const tool::Lists lists =
            tool::listsOf(folder.languageName(language), folder.wordList(language), list);
        const bool exam = choice.exam;
        return tool::exportBytes(choice.info->format, lists,
                                 {exam, exam && askOther, exam ? shuffleSeed : std::nullopt});
    });
}

void Operations::save(const QString& path, const QByteArray& bytes) {
    guarded([&] { tool::writeWhole(path, bytes); });
}

std::vector<BackupRow> Operations::backups(const QStringList& saved) const {
    return guarded([&] {
        std::vector<BackupRow> rows;
        const auto add = [&](bool snapshot, const tool::ArchiveSummary& s) {
            rows.push_back({snapshot, s.path, s.taken, s.differing, s.size, s.problem, s.reason});
        };
        for (const tool::ArchiveSummary& s : tool::listSnapshots(data_)) {
            add(true, s);
        }
        for (const QString& path : saved) {
            if (QFileInfo(path).isFile()) {
                add(false, tool::summarize(path, data_));
            }
        }
        std::stable_sort(rows.begin(), rows.end(),
                         [](const BackupRow& a, const BackupRow& b) { return a.taken > b.taken; });
        return rows;
    });
}

QStringList Operations::changesOf(const QString& archive) const {
    return guarded([&] {
        const tool::ArchiveSummary summary = tool::summarize(archive, data_);
        if (!summary.problem.isEmpty()) {
            throw Failure(summary.problem);
        }
        return summary.differing;
    });
}

Undo Operations::restore(const QString& archive, const QString& only) {
    return guarded([&] {
        const auto lock = tool::holdDataFolder(data_, QStringLiteral("restore"));
        tool::RestoreOptions options;
        options.archive = archive;
        options.only = only;
        const tool::RestoreResult result = tool::restoreArchive(data_, options);
        return Undo{result.snapshotBefore, result.filesBefore};
    });
}

// The snapshot taken before goes back all at once; a data file that was not there before goes
// only then, once the files as they are now are kept in a snapshot too.
void Operations::undo(const Undo& undo) {
    guarded([&] {
        const auto lock = tool::holdDataFolder(data_, QStringLiteral("restore"));
        const tool::FileSet now = tool::readDataFiles(data_);
        QStringList added = tool::namesOf(now);
        added.removeIf([&](const QString& name) { return undo.filesBefore.contains(name); });
        if (!added.isEmpty()) {
            tool::takeSnapshot(data_, now);
        }
        if (!undo.snapshot.isEmpty()) {
            tool::RestoreOptions options;
            options.archive = undo.snapshot;
            options.force = true;  // the files as they were, damaged or not
            tool::restoreArchive(data_, options);
        }
        tool::removeDataFiles(data_, added);
    });
}

void Operations::saveBackup(const QString& path) const {
    guarded([&] {
        const tool::FileSet files = tool::readDataFiles(data_);
        if (files.empty()) {
            throw Failure(Tr::tr("Mappen %1 har inga ord att spara ännu.").arg(data_));
        }
        tool::writeWhole(path, tool::packArchive(tool::withAnswers(data_, files)));
    });
}

// A run is the same finding in pairs one after the other of one list, whatever is found in
// between: "par 2–99: ..." is one row.
std::vector<CheckRow> Operations::check() const {
    return guarded([&] {
        const tool::CheckResult result = tool::checkFolder(data_, false);
        std::vector<CheckRow> rows;
        std::vector<const tool::Finding*> firsts;  // what each row's run began with
        std::size_t listStart = 0;
        for (const tool::CheckFinding& c : result.findings) {
            const tool::Finding& f = c.finding;
            if (!rows.empty() && !sameList(*firsts.back(), f)) {
                listStart = rows.size();
            }
            std::size_t r = listStart;
            while (r < rows.size() && !sameRun(*firsts[r], f, rows[r].lastPair)) {
                ++r;
            }
            if (r < rows.size()) {
                rows[r].lastPair = f.pair;
                continue;
            }
            const auto copy = result.soundCopies.find(f.file);
            const QString sound =
                f.kind == tool::Finding::WrongSize && copy != result.soundCopies.end()
                    ? copy->second
                    : QString();
            rows.push_back({f.file, f.language, f.list, f.pair, f.pair, c.text, f.mendable(), sound,
                            sound.isEmpty() ? QDateTime() : QFileInfo(sound).lastModified()});
            firsts.push_back(&f);
        }
        for (CheckRow& row : rows) {
            if (row.firstPair > 0) {
                row.text = (row.lastPair > row.firstPair
                                ? Tr::tr("par %1–%2: %3").arg(row.firstPair).arg(row.lastPair)
                                : Tr::tr("par %1: %2").arg(row.firstPair))
                               .arg(row.text);
            }
        }
        return rows;
    });
}

Undo Operations::mend() {
    return guarded([&] {
        const auto lock = tool::holdDataFolder(data_, QStringLiteral("check --fix"));
        const tool::CheckResult result = tool::checkFolder(data_, true);
        return Undo{result.snapshotBefore, result.filesBefore};
    });
}

}  // namespace window
