#include "tool/backup/Locking.h"
#include "tool/backup/Recovery.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Learned.h"
#include "tool/commands/Options.h"

namespace tool {

// Reads every data file and reports what is wrong, one finding a line. With --fix it takes a
// snapshot, then mends in whole files, all at once, what the program already reads one way. A
// file it cannot mend is named with the newest snapshot that holds a sound copy of it.
int check(Call& call) {
    Options options(call);
    options.add(QCommandLineOption(QStringLiteral("fix")));
    if (!options.parse()) {
        return kDone;
    }
    const QString data = options.dataFolder();
    const bool fixing = options.isSet(QStringLiteral("fix"));
    std::unique_ptr<store::FolderLock> lock;
    if (fixing) {
        lock = holdDataFolder(data, QStringLiteral("check --fix"));
    }
    const CheckResult result = checkFolder(data, fixing);
    QString report;
    for (const CheckFinding& f : result.findings) {
        report += f.place + QStringLiteral(": ") + f.text + QLatin1Char('\n');
    }
    for (const auto& [name, snapshot] : result.soundCopies) {
        report += snapshot.isEmpty()
                      ? Tr::tr(
                            "%1 cannot be mended, and no snapshot holds a sound copy of it; "
                            "restore it from a backup of your own with: ordlykta restore "
                            "BACKUP --only %1 --data %2\n")
                            .arg(name, data)
                      : Tr::tr(
                            "%1 cannot be mended; the newest sound copy is in %2. Restore "
                            "it with: ordlykta restore %2 --only %1 --data %3\n")
                            .arg(name, snapshot, data);
    }
    // The answers database is checked, never mended: a damaged one is set aside by the program.
    const QStringList answers = answersProblems(data);
    for (const QString& problem : answers) {
        report += problem + QLatin1Char('\n');
    }
    for (const QString& name : answersSetAside(data)) {
        report += Tr::tr(
                      "%1: answers the program set aside as damaged; kept for you to look at, "
                      "no longer counted\n")
                      .arg(name);
    }
    print(call.out, report);
    if (!answers.isEmpty()) {
        return kRefused;
    }
    if (result.findings.empty()) {
        print(call.out, Tr::tr("%1: all is well\n").arg(data));
        return kDone;
    }
    if (!result.mended.isEmpty()) {
        print(call.out, Tr::tr("mended %1; the files as they were are in %2\n")
                            .arg(result.mended.join(QStringLiteral(", ")), result.snapshotBefore));
    }
    return fixing && result.allMended() ? kDone : kRefused;
}

}  // namespace tool
