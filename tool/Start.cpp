#include "tool/Start.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "tool/Tool.h"

namespace tool {
namespace {

QString ownFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}

}  // namespace

QString programPath() {
    const QString set = qEnvironmentVariable("ORDLYKTA_PROGRAM");
    if (!set.isEmpty()) {
        return QFileInfo(set).absoluteFilePath();
    }
    return QDir::cleanPath(ownFolder() + QStringLiteral("/" ORDLYKTA_PROGRAM_FROM_BINDIR));
}

bool enterDataFolder(const QString& dataFolder, std::ostream& err) {
    if (QDir().mkpath(dataFolder) && QDir::setCurrent(dataFolder)) {
        return true;
    }
    print(err, Tr::tr("ordlykta: cannot use the data folder %1\n").arg(dataFolder));
    return false;
}

int execProgram(const QString& path, std::ostream& err) {
    const QByteArray program = QFile::encodeName(path);
    char* const argv[] = {const_cast<char*>(program.constData()), nullptr};
    ::execv(program.constData(), argv);
    const int error = errno;
    print(err, Tr::tr("ordlykta: cannot start %1: %2\n")
                   .arg(path, QString::fromLocal8Bit(std::strerror(error))));
    return kRefused;
}

int startProgram(const QString& dataFolder, std::ostream& err) {
    const QString program = programPath();  // before the working folder changes
    if (!enterDataFolder(dataFolder, err)) {
        return kRefused;
    }
    return execProgram(program, err);
}

}  // namespace tool
