#include "tool/DataFiles.h"

#include <QFileInfo>

#include "store/DataFiles.h"
#include "tool/Base.h"

namespace tool {
namespace {

// No data file comes near this: the largest, a word-list file, has 680,000 bytes.
constexpr qint64 kLargestDataFile = 4 * 1024 * 1024;

}  // namespace

QStringList namesOf(const FileSet& files) {
    QStringList names;
    for (const auto& entry : files) {
        names.append(entry.first);
    }
    return names;
}

FileSet readDataFiles(const QString& folder) {
    FileSet files;
    for (const std::string& known : store::kDataFileNames) {
        const QString name = QString::fromStdString(known);
        const QString path = folder + QLatin1Char('/') + name;
        const QFileInfo info(path);
        if (!info.exists()) {
            continue;
        }
        // A FIFO or a device, which would block the reading or never end it, is refused unread.
        files[name] =
            readRegularFile(path, kLargestDataFile,
                            Tr::tr("%1 has %2 bytes, far more than a data file of ordlykta")
                                .arg(path)
                                .arg(info.size()));
    }
    return files;
}

}  // namespace tool
