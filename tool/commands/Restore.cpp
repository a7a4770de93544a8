#include "tool/backup/Locking.h"
#include "tool/backup/Recovery.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Options.h"

namespace tool {

// The archive is read and checked whole before anything changes; the files it replaces go
// into a snapshot first, so that a restore can itself be undone with --latest.
int restore(Call& call) {
    Options options(call);
    options.add(QCommandLineOption(QStringLiteral("latest")));
    options.add(QCommandLineOption(QStringLiteral("only"), QString(), QStringLiteral("FILE")));
    options.add(QCommandLineOption(QStringLiteral("force")));
    if (!options.parse(1)) {
        return kDone;
    }
    const bool fromLatest = options.isSet(QStringLiteral("latest"));
    if (fromLatest == !options.positional().isEmpty()) {
        throw UsageError(Tr::tr("give either an archive or --latest"));
    }
    const QString data = options.dataFolder();
    const auto lock = holdDataFolder(data, QStringLiteral("restore"));

    RestoreOptions what;
    what.archive = fromLatest ? QString() : options.positional().first();
    what.only = options.value(QStringLiteral("only"));
    what.force = options.isSet(QStringLiteral("force"));
    const RestoreResult result = restoreArchive(data, what);

    QString report;
    for (const QString& passed : result.passedOver) {
        report += Tr::tr("passed over %1\n").arg(passed);
    }
    if (result.restored.isEmpty()) {
        report += Tr::tr("%1 are as in %2 already; nothing was written\n")
                      .arg(result.unchanged.join(QStringLiteral(", ")), result.archive);
    } else {
        report += Tr::tr("restored %1 from %2\n")
                      .arg(result.restored.join(QStringLiteral(", ")), result.archive);
    }
    if (!result.snapshotBefore.isEmpty()) {
        report += Tr::tr("the files as they were are in %1\n").arg(result.snapshotBefore);
    }
    print(call.out, report);
    return kDone;
}

}  // namespace tool
