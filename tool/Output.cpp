#include "tool/Output.h"

#include <span>

#include "store/File.h"
#include "tool/Tool.h"

namespace tool {

void writeWhole(const QString& path, const QByteArray& bytes) {
    try {
        store::createFile(path.toStdString(), [&](store::RecordFile& file) {
            file.write(std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())));
        });
    } catch (const store::IoError& e) {
        throw Refusal(Tr::tr("%1 cannot be written: %2").arg(path, QString::fromUtf8(e.what())));
    }
}

}  // namespace tool
