#include "tool/Locking.h"

#include <QDir>

#include "tool/Recovery.h"
#include "tool/Tool.h"

namespace tool {

std::unique_ptr<store::FolderLock> holdDataFolder(const QString& folder, const QString& command) {
    if (!QDir().mkpath(folder)) {
        throw Refusal(Tr::tr("the folder %1 cannot be made").arg(folder));
    }
    auto lock = std::make_unique<store::FolderLock>(folder.toStdString());
    if (lock->taken()) {
        throw Refusal(
            Tr::tr("ordlykta is running in %1; end it first, then %2").arg(folder, command));
    }
    if (lock->state() == store::FolderLock::State::Held) {
        recoverDataFolder(folder);
    }
    return lock;
}

}  // namespace tool
