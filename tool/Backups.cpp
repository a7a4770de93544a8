#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include "tool/Commands.h"
#include "tool/Options.h"
#include "tool/Snapshots.h"

namespace tool {

// The snapshots, newest first: the path, then when it was taken and its size.
int backups(Call& call) {
    Options options(call);
    if (!options.parse()) {
        return kDone;
    }
    QString text;
    for (const QString& path : snapshots(options.dataFolder())) {
        const QFileInfo info(path);
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(path, info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                         Tr::tr("%1 bytes").arg(info.size()));
    }
    print(call.out, text);
    return kDone;
}

}  // namespace tool
