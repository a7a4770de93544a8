#pragma once
// The writing commands hold the data folder as the program does, so that neither changes the
// files under the other.

#include <QString>
#include <memory>

#include "store/FolderLock.h"
#include "tool/Base.h"

namespace tool {

// The refusal while the program (or another writing command) holds the data folder; the words'
// window tells it in its own words.
class FolderBusy : public Refusal {
  public:
    using Refusal::Refusal;
};

// Makes the data folder when it is missing and takes its lock, then does what a lock holder
// does first (see recoverDataFolder); throws Refusal when the folder cannot be made, and
// FolderBusy, naming `command`, while another holds it. A folder that cannot be locked is used
// as it is, as the program does. One hold a process: a second lock in the same process is
// refused as another's would be.
std::unique_ptr<store::FolderLock> holdDataFolder(const QString& folder, const QString& command);

}  // namespace tool
