#include "tool/commands/Options.h"
#include "tool/backup/Recovery.h"
#include "tool/commands/Commands.h"

namespace tool {

// The snapshots, newest first: the path, when it was taken and its size, then which files
// differ from the folder now, or why it cannot be restored.
int backups(Call& call) {
    Options options(call);
    if (!options.parse()) {
        return kDone;
    }
    QString text;
    for (const ArchiveSummary& s : listSnapshots(options.dataFolder())) {
        const QString state = !s.problem.isEmpty() ? Tr::tr("cannot be restored: %1").arg(s.problem)
                              : s.differing.isEmpty()
                                  ? Tr::tr("as the folder is now")
                                  : Tr::tr("differs in %1").arg(s.differing.join(u' '));
        text += QStringLiteral("%1  %2  %3  %4\n")
                    .arg(s.path, s.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                         Tr::tr("%1 bytes").arg(s.size), state);
    }
    print(call.out, text);
    return kDone;
}

}  // namespace tool
