#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "tool/Output.h"
#include "tool/backup/Answers.h"
#include "tool/backup/Archive.h"
#include "tool/backup/Locking.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Options.h"

namespace tool {

// Reads only: it works while the program runs, and copies the files as last committed (a change
// under way or cut short is not in the archive).
int backup(Call& call) {
    Options options(call);
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("FILE"));
    options.add(output);
    if (!options.parse()) {
        return kDone;
    }
    const QString data = options.dataFolder();
    recoverIfFree(data);
    const FileSet files = readDataFiles(data);
    if (files.empty()) {
        throw Refusal(Tr::tr("%1 holds no data files to back up").arg(data));
    }
    const QString path = options.isSet(QStringLiteral("output"))
                             ? options.value(QStringLiteral("output"))
                             : QDateTime::currentDateTime().toString(
                                   QStringLiteral("'ordlykta-'yyyyMMdd-HHmmss'.tar.gz'"));
    if (!options.isSet(QStringLiteral("output")) && QFileInfo::exists(path)) {
        throw Refusal(Tr::tr("%1 exists already; name another file with --output").arg(path));
    }
    // The database through SQLite's backup API: a consistent copy while the program records.
    const FileSet members = withAnswers(data, files);
    writeWhole(path, packArchive(members));
    print(call.out, QStringLiteral("%1: %2\n")
                        .arg(QDir::toNativeSeparators(path), namesOf(members).join(u' ')));
    return kDone;
}

}  // namespace tool
