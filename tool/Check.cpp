#include "store/Settings.h"
#include "store/WordList.h"
#include "tool/Commands.h"
#include "tool/Locking.h"
#include "tool/Options.h"
#include "tool/Output.h"
#include "tool/Repair.h"
#include "tool/Snapshots.h"

namespace tool {
namespace {

// "bu1.dat, language 1, list 5, pair 3" as far as they apply.
QString place(const Finding& f) {
    QString where = f.file;
    if (f.language > 0) {
        where += Tr::tr(", language %1").arg(f.language);
    }
    if (f.list > 0) {
        where += Tr::tr(", list %1").arg(f.list);
    }
    if (f.pair > 0) {
        where += Tr::tr(", pair %1").arg(f.pair);
    }
    return where;
}

QString describe(const Finding& f) {
    const QString word = f.field == 1 ? Tr::tr("the Swedish word") : Tr::tr("the other word");
    const QString text =
        f.pair > 0   ? word
        : f.list > 0 ? (f.field == 1 ? Tr::tr("the list's name") : Tr::tr("the list's second text"))
                     : Tr::tr("the language's name");
    switch (f.kind) {
        case Finding::WrongSize:
            return Tr::tr("%1 bytes instead of %2")
                .arg(f.value)
                .arg(f.file == QLatin1String(store::kSettingsFileName) ? store::kSettingsSize
                                                                       : store::kWordListFileSize);
        case Finding::CountOutOfRange:
            return Tr::tr("the list counts %1 pairs, outside 0 to 99").arg(f.value);
        case Finding::LongLength:
            return Tr::tr("the length byte of %1 is %2, above 30").arg(text).arg(f.value);
        case Finding::LanguageOutOfRange:
            return Tr::tr("the current language is %1, outside 1 to 3").arg(f.value);
        case Finding::ListOutOfRange:
            return Tr::tr("the current list is %1, outside 1 to 98").arg(f.value);
        case Finding::Spaces:
            return Tr::tr(
                       "%1 begins or ends with a space, so that a right answer counts as "
                       "wrong")
                .arg(word);
        case Finding::SameSwedishWord:
            return Tr::tr("the same Swedish word as pair %1").arg(f.value);
    }
    return {};
}

}  // namespace

// Reads every data file and reports what is wrong, one finding a line. With --fix it takes a
// snapshot, then mends in whole files what the program already reads one way.
int check(Call& call) {
    Options options(call);
    const QCommandLineOption fix(QStringLiteral("fix"));
    options.add(fix);
    if (!options.parse()) {
        return kDone;
    }
    const QString data = options.dataFolder();
    const bool fixing = options.isSet(QStringLiteral("fix"));
    std::unique_ptr<store::FolderLock> lock;
    if (fixing) {
        lock = holdDataFolder(data, QStringLiteral("check --fix"));
    }
    const FileSet files = readDataFiles(data);
    const std::vector<Finding> found = findProblems(files);
    QString report;
    bool unmended = false;
    for (const Finding& f : found) {
        report += place(f) + QStringLiteral(": ") + describe(f) + QLatin1Char('\n');
        unmended = unmended || !f.mendable() || !fixing;
    }
    print(call.out, report);
    if (found.empty()) {
        print(call.out, Tr::tr("%1: all is well\n").arg(data));
        return kDone;
    }
    if (!fixing) {
        return kRefused;
    }
    const FileSet mended = mend(files);
    if (!mended.empty()) {
        const QString before = takeSnapshot(data);
        for (const auto& [name, bytes] : mended) {
            writeWhole(data + QLatin1Char('/') + name, bytes);
        }
        print(call.out, Tr::tr("mended %1; the files as they were are in %2\n")
                            .arg(namesOf(mended).join(QStringLiteral(", ")),
                                 before.isEmpty() ? snapshots(data).value(0) : before));
    }
    return unmended ? kRefused : kDone;
}

}  // namespace tool
