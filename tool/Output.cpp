#include "tool/Output.h"

#include <span>

#include "store/File.h"
#include "tool/Base.h"

namespace tool {

void writeWhole(const QString& path, std::span<const unsigned char> bytes) {
    try {
        store::createFile(path.toStdString(), [&](store::RecordFile& file) { file.write(bytes); });
    } catch (const store::IoError& e) {
        throw Refusal(Tr::tr("%1 cannot be written: %2").arg(path, QString::fromUtf8(e.what())));
    }
}

void writeWhole(const QString& path, const QByteArray& bytes) {
    writeWhole(path, std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())));
}

}  // namespace tool
