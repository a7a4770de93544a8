#include "tool/DataFiles.h"

#include <QFileInfo>

#include "store/Change.h"
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
        if (!info.isFile()) {
            throw Refusal(Tr::tr("%1: not a regular file").arg(path));
        }
        // As last committed: a change under way or cut short is not read.
        std::vector<unsigned char> bytes;
        try {
            bytes = store::readCommitted(path.toStdString(), std::size_t{kLargestDataFile} + 1);
        } catch (const store::IoError& e) {
            throw Refusal(Tr::tr("%1 cannot be read: %2").arg(path, QString::fromUtf8(e.what())));
        }
        if (bytes.size() > std::size_t{kLargestDataFile}) {
            throw Refusal(Tr::tr("%1 has %2 bytes, far more than a data file of ordlykta")
                              .arg(path)
                              .arg(info.size()));
        }
        files[name] = QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
    }
    return files;
}

}  // namespace tool
