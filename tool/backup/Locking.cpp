#include "tool/backup/Locking.h"

#include <QFileInfo>
#include <filesystem>

#include "tool/Base.h"
#include "tool/backup/Recovery.h"

namespace tool {

std::unique_ptr<store::FolderLock> holdDataFolder(const QString& folder, const QString& command) {
    std::error_code error;
    std::filesystem::create_directories(folder.toStdString(), error);
    if (error || !QFileInfo(folder).isDir()) {
        const QString reason = error ? QString::fromStdString(error.message())
                                     : Tr::tr("something else than a folder is there");
        throw Refusal(Tr::tr("the folder %1 cannot be made: %2").arg(folder, reason));
    }
    auto lock = std::make_unique<store::FolderLock>(folder.toStdString());
    if (lock->taken()) {
        throw FolderBusy(
            Tr::tr("ordlykta is running in %1; end it first, then %2").arg(folder, command));
    }
    if (lock->state() == store::FolderLock::State::Held) {
        recoverDataFolder(folder);
    }
    return lock;
}

}  // namespace tool
