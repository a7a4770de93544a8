#include "tool/Base.h"

#include <QFile>
#include <QFileInfo>

namespace tool {

void print(std::ostream& stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    stream.write(bytes.constData(), bytes.size());
    stream.flush();
}

QByteArray readRegularFile(const QString& path, qint64 largest, const QString& tooLarge) {
    QFile file(path);
    const QFileInfo info(file);
    if (!info.exists()) {
        throw Refusal(Tr::tr("%1: no such file").arg(path));
    }
    if (!info.isFile()) {
        throw Refusal(Tr::tr("%1: not a regular file").arg(path));
    }
    if (info.size() > largest) {
        throw Refusal(tooLarge);
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw Refusal(Tr::tr("%1 cannot be read: %2").arg(path, file.errorString()));
    }
    QByteArray bytes = file.read(largest + 1);
    if (bytes.size() > largest) {
        throw Refusal(tooLarge);
    }
    return bytes;
}

}  // namespace tool
