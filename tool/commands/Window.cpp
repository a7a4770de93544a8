#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "tool/commands/Commands.h"
#include "tool/commands/Options.h"

namespace tool {
namespace {

// The window's executable: $ORDLYKTA_WINDOW, else where the package installs it beside this
// executable.
QString windowPath() {
    const QString set = qEnvironmentVariable("ORDLYKTA_WINDOW");
    if (!set.isEmpty()) {
        return QFileInfo(set).absoluteFilePath();
    }
    const QString own =
        QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
    return QDir::cleanPath(own + QStringLiteral("/" ORDLYKTA_WINDOW_FROM_BINDIR));
}

}  // namespace

// Replaces this process with the window on the data folder, on the page asked for, or on the
// import page with the file given; returns only when that fails.
int window(Call& call) {
    Options options(call);
    options.add(QCommandLineOption(QStringLiteral("page"), QString(), QStringLiteral("PAGE")));
    if (!options.parse(1)) {
        return kDone;
    }
    const QString path = windowPath();
    QStringList arguments{path, QStringLiteral("--data"),
                          QFileInfo(options.dataFolder()).absoluteFilePath()};
    if (options.isSet(QStringLiteral("page"))) {
        arguments += {QStringLiteral("--page"), options.value(QStringLiteral("page"))};
    }
    if (!options.positional().isEmpty()) {
        arguments += QFileInfo(options.positional().first()).absoluteFilePath();
    }
    std::vector<QByteArray> bytes;
    for (const QString& argument : arguments) {
        bytes.push_back(QFile::encodeName(argument));
    }
    std::vector<char*> argv;
    for (QByteArray& b : bytes) {
        argv.push_back(b.data());
    }
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    const int error = errno;
    throw Refusal(
        Tr::tr("cannot start %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

}  // namespace tool
