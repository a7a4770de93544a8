#include "tool/commands/Start.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <vector>

#include "store/FolderLock.h"
#include "tool/Base.h"
#include "tool/backup/Archive.h"
#include "tool/backup/Recovery.h"
#include "tool/backup/Snapshots.h"

namespace tool {
namespace {

void reportNoSnapshot(const std::exception& e, std::ostream& err) {
    print(err, Tr::tr("ordlykta: no snapshot was taken (%1); starting all the same\n")
                   .arg(QString::fromUtf8(e.what())));
}

// A snapshot of the data files before the program may change them. The files are read here,
// under the folder's lock (while another program holds the folder its files may be mid-change,
// and that program's start took the snapshot already); the rest (comparing, packing, writing,
// pruning) runs in a process of its own, so that the program's start does not wait for it. A
// snapshot that cannot be written never keeps the program from starting.
void snapshotBeforeStart(const QString& dataFolder, std::ostream& err) {
    FileSet files;
    try {
        const store::FolderLock lock(dataFolder.toStdString());
        if (lock.taken()) {
            return;
        }
        if (lock.state() == store::FolderLock::State::Held) {
            recoverDataFolder(dataFolder);  // so that no change cut short goes into the snapshot
        }
        files = readDataFiles(dataFolder);
    } catch (const std::exception& e) {
        reportNoSnapshot(e, err);
        return;
    }
    if (files.empty()) {
        return;
    }
    const auto keep = [&] {
        try {
            takeSnapshot(dataFolder, files);
        } catch (const std::exception& e) {
            reportNoSnapshot(e, err);
        }
    };
    // Twice forked, so that the program is not the parent of a process it does not know.
    const pid_t child = ::fork();
    if (child < 0) {
        keep();
        return;
    }
    if (child == 0) {
        if (::fork() == 0) {
            keep();
        }
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
}

QString ownFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}

// The program's executable: $ORDLYKTA_PROGRAM, else where the package installs it beside this
// executable.
QString programPath() {
    const QString set = qEnvironmentVariable("ORDLYKTA_PROGRAM");
    if (!set.isEmpty()) {
        return QFileInfo(set).absoluteFilePath();
    }
    return QDir::cleanPath(ownFolder() + QStringLiteral("/" ORDLYKTA_PROGRAM_FROM_BINDIR));
}

// Creates the data folder when missing and makes it the working folder; false, with the reason
// on `err`, when that fails.
bool enterDataFolder(const QString& dataFolder, std::ostream& err) {
    if (QDir().mkpath(dataFolder) && QDir::setCurrent(dataFolder)) {
        return true;
    }
    print(err, Tr::tr("ordlykta: cannot use the data folder %1\n").arg(dataFolder));
    return false;
}

// Replaces this process with the program; returns only when that fails, with the reason on
// `err`.
int execProgram(const QString& path, const QStringList& arguments, std::ostream& err) {
    const QByteArray program = QFile::encodeName(path);
    std::vector<QByteArray> kept;
    for (const QString& argument : arguments) {
        kept.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argv = {const_cast<char*>(program.constData())};
    for (QByteArray& argument : kept) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    ::execv(program.constData(), argv.data());
    const int error = errno;
    print(err, Tr::tr("ordlykta: cannot start %1: %2\n")
                   .arg(path, QString::fromLocal8Bit(std::strerror(error))));
    return kRefused;
}

}  // namespace

int startProgram(const QString& dataFolder, std::ostream& err, const QStringList& arguments) {
    const QString program = programPath();  // before the working folder changes
    if (!enterDataFolder(dataFolder, err)) {
        return kRefused;
    }
    snapshotBeforeStart(QDir::currentPath(), err);
    return execProgram(program, arguments, err);
}

}  // namespace tool
