#pragma once
// A change in place of a data file, and what undoes one cut short. A Change is begun with every
// extent it will write: the original bytes of those extents go to the rollback journal kept
// beside the file (Journal.h), flushed, before the first byte of the file changes. Its writes
// go through it; commit() flushes and closes the file, then marks the journal empty. A change
// that fails part-way, or is never committed, is written back from its original bytes; should
// that fail too (a full disk), the journal stays live, every reader sees the file as it was
// before the change (readCommitted), and the next holder of the folder, or the next change of
// the file, writes it back once it can.
//
// A journal is trusted only for the file it names (device and inode), at that file's fixed
// size, with extents on whole records inside it. Any other journal, however whole, is left
// alone: never written back, and reported by `check` (journalFit).

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/DataFiles.h"
#include "store/File.h"
#include "store/Journal.h"

namespace store {

class Change {
  public:
    // Begins a change of `file`, a data file open for writing, that will write `extents`
    // (whole records). A live journal an earlier change left is written back first. Fails with
    // "Disk full" unless the disk has room for every page the change writes, the journal's
    // included; with "Read beyond end of file" when the file is shorter than its fixed size.
    // In a folder that takes no new file, where no journal is kept yet, the journal is kept in
    // memory only. Throws IoError; nothing of the file has changed then.
    Change(RecordFile& file, std::span<const Extent> extents);
    // Rolls the change back unless it was committed.
    ~Change();
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

    // Writes at `offset`, inside the extents begun with. A failure rolls the change back.
    void write(std::int64_t offset, std::span<const unsigned char> bytes);
    // Flushes and closes the file, then marks the journal empty: from here on the change
    // stands. Should any of that fail, the change is rolled back and the error thrown.
    void commit();

  private:
    // Writes the original bytes back (the file is opened again if it was closed) and marks the
    // journal empty once the file is whole again and flushed. Best effort: should it fail, the
    // journal stays live.
    void rollBack();

    RecordFile& file_;
    JournalContent original_;
    std::unique_ptr<RecordFile> journal_;  // the kept journal file, open; none when in memory
    bool done_ = false;
};

// Whether a live journal may be written back into the data file `path` as it is now.
enum class JournalFit {
    None,       // no live journal beside it
    Fits,       // a live journal of this very file
    LeftAlone,  // a live journal of another file, size or extents: never written back
};
JournalFit journalFit(const std::string& path);

// The live journal beside the data file `path` when it fits that file, else nothing.
std::optional<JournalContent> fittingJournal(const std::string& path);
// Lays the original bytes of `journal` over `bytes`, which were read from `offset` of its file.
void layOver(const JournalContent& journal, std::int64_t offset, std::span<unsigned char> bytes);

// Writes the live journal beside `path` back into that file, flushes it and marks the journal
// empty, when the journal fits the file; true then. Anything else is left as it is. Throws
// IoError when the write back fails; the journal then stays live.
bool rollBackJournal(const std::string& path);

// The bytes of the data file `path` (at most `limit`) as last committed: the file with the
// original bytes of a live journal that fits it laid over it, read again should a change begin
// meanwhile. What a reader that does not hold the folder reads. Throws IoError.
std::vector<unsigned char> readCommitted(const std::string& path, std::size_t limit);

// What a lock holder does first, in this order: rolls back the journals of `names`, finishes
// an intent, removes leftover temporary files of `names`. Throws IoError.
struct Recovered {
    std::vector<std::string> rolledBack;  // names whose journal was written back
    bool intentCompleted = false;
    int temporariesRemoved = 0;
};
Recovered recoverFolder(const std::string& folder, std::span<const std::string> names);

}  // namespace store
