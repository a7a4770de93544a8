#include <QDir>

#include "tool/Archive.h"
#include "tool/Commands.h"
#include "tool/Locking.h"
#include "tool/Options.h"
#include "tool/Output.h"
#include "tool/Snapshots.h"

namespace tool {

// The archive is read and checked whole before anything changes; the files it replaces go
// into a snapshot first, so that a restore can itself be undone with --latest.
int restore(Call& call) {
    Options options(call);
    const QCommandLineOption latest(QStringLiteral("latest"));
    options.add(latest);
    if (!options.parse(1)) {
        return kDone;
    }
    const bool fromLatest = options.isSet(QStringLiteral("latest"));
    if (fromLatest == !options.positional().isEmpty()) {
        throw UsageError(Tr::tr("give either an archive or --latest"));
    }
    const QString data = options.dataFolder();
    const auto lock = holdDataFolder(data, QStringLiteral("restore"));

    QString archive;
    if (fromLatest) {
        const QStringList existing = snapshots(data);
        if (existing.isEmpty()) {
            throw Refusal(Tr::tr("%1 holds no snapshots").arg(snapshotFolder(data)));
        }
        archive = existing.first();
    } else {
        archive = options.positional().first();
    }
    const FileSet files = unpackArchive(archive);

    QString before;
    try {
        before = takeSnapshot(data);
    } catch (const Refusal& e) {
        throw Refusal(Tr::tr("nothing was restored: the files as they are cannot be kept in a "
                             "snapshot first: %1")
                          .arg(e.message()));
    }
    const QString kept =
        before.isEmpty() ? QString() : Tr::tr("the files as they were are in %1\n").arg(before);
    for (const auto& [name, bytes] : files) {
        try {
            writeWhole(data + QLatin1Char('/') + name, bytes);
        } catch (const Refusal& e) {
            throw Refusal(e.message() + QLatin1Char('\n') + kept.trimmed());
        }
    }
    const QString report =
        Tr::tr("restored %1 from %2\n").arg(namesOf(files).join(QStringLiteral(", ")), archive) +
        kept;
    print(call.out, report);
    return kDone;
}

}  // namespace tool
