#pragma once
// One program per data folder: an exclusive advisory lock (flock) on the folder itself, so no
// file appears in it. The kernel drops the lock when the holder ends, even when it is killed,
// so a lock never goes stale.

#include <string>

namespace store {

class FolderLock {
  public:
    enum class State {
        Held,         // this process holds the folder
        Taken,        // another process holds it
        Unsupported,  // the folder cannot be locked (some network filesystems): work as before
    };

    // Tries once and never waits.
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return state_; }
    bool taken() const { return state_ == State::Taken; }

  private:
    int fd_ = -1;
    State state_ = State::Unsupported;
};

}  // namespace store
