#pragma once
// The writing commands hold the data folder as the program does, so that neither changes the
// files under the other.

#include <QString>
#include <memory>

#include "store/FolderLock.h"

namespace tool {

// Makes the data folder when it is missing and takes its lock, then does what a lock holder
// does first (see recoverDataFolder); throws Refusal while the program (or another writing
// command) holds it. A folder that cannot be locked is used as it
// is, as the program does.
std::unique_ptr<store::FolderLock> holdDataFolder(const QString& folder, const QString& command);

}  // namespace tool
