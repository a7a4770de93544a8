#include "tool/Base.h"

#include <QFileInfo>

namespace tool {

void print(std::ostream& stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    stream.write(bytes.constData(), bytes.size());
    stream.flush();
}

void requireRegularFile(const QString& path, qint64 largest, const QString& tooLarge) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw Refusal(Tr::tr("%1: no such file").arg(path));
    }
    if (!info.isFile()) {
        throw Refusal(Tr::tr("%1: not a regular file").arg(path));
    }
    if (info.size() > largest) {
        throw Refusal(tooLarge);
    }
}

}  // namespace tool
