#pragma once
// Rollback journals and replacement intents: what lets an interrupted change be undone, or an
// interrupted replacement of several files be finished, by whoever holds the folder next.
//
// A rollback journal lies beside its data file, hidden and named after it (".bu1.dat.journal"),
// and holds the original bytes of every extent a change in place will write, the file's size,
// the file's device and inode numbers, the change's generation and a random nonce, and a
// checksum (zlib's CRC-32) over all of it. The journal file is kept once made, at a size that
// holds the largest change (a whole list's records, with room to spare), so that a change
// overwrites pages the file already has and its flush carries data only. Store::Change writes
// and applies journals; this is their format and the reading and writing of the kept file.
//
// A journal is live when it is whole (its checksum holds) and not marked empty. The empty mark
// zeroes the magic, the length and the nonce, and the checksum covers the nonce, so the whole
// body is dead: a write of the next journal cut short (which puts back the magic first) never
// revives it, since no nonce it writes, whole or in part, is the old one. The generation stays
// through the mark and grows by one with each change, so that a reader can tell whether a
// change began while it read.
//
// A replacement intent (".ordlykta.intent" in the folder) names temporary files, each already
// whole and flushed, and the names they are renamed to; once it is in the folder every rename
// is carried out, by the process that wrote it or by the next holder of the folder's lock.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "store/File.h"

namespace store {

struct JournalEntry {
    std::int64_t offset = 0;
    std::vector<unsigned char> bytes;

    bool operator==(const JournalEntry&) const = default;
};

struct JournalContent {
    std::uint64_t generation = 0;  // one more than the change before
    std::uint64_t nonce = 0;       // random, never 0
    std::int64_t fileSize = 0;     // the file's size before the change
    std::vector<JournalEntry> entries;
    FileIdentity file;  // the file the change is made to

    bool operator==(const JournalContent&) const = default;
};

// ".bu1.dat.journal" beside "bu1.dat".
std::string journalPath(const std::string& path);

std::vector<unsigned char> encodeJournal(const JournalContent& content);
// Nothing when the bytes are not one whole journal (cut short, damaged, or something else).
std::optional<JournalContent> decodeJournal(std::span<const unsigned char> bytes);

// What the kept journal file holds: the live journal, if there is one, and the generation of
// the last change (live or marked empty; 0 when the file never held a journal).
struct JournalState {
    std::optional<JournalContent> live;
    std::uint64_t generation = 0;
};
JournalState readJournal(RecordFile& journal);
// The same for the journal file at `path`, opened for reading only; a missing file holds none.
JournalState readJournalAt(const std::string& path);
// How many bytes writeJournal writes for `content` over a kept journal of `kept` bytes.
std::int64_t journalWriteSize(const JournalContent& content, std::int64_t kept);
// Writes `content` over the kept journal and flushes it. A journal file too small for it (a
// new one) is first made large enough for the largest change, flushed with its folder.
void writeJournal(RecordFile& journal, const JournalContent& content);
// Kills the journal's body (see above), keeping `generation`, without a flush: the change
// stands. Should the mark be lost in a power cut, the next lock holder rolls back a change that
// was complete, which leaves the file as it was before the change: consistent, though the
// change is gone.
void markJournalEmpty(RecordFile& journal, std::uint64_t generation);

// A file to put in place: the temporary's name and the name it gets, both in one folder.
using Rename = std::pair<std::string, std::string>;

inline constexpr const char* kIntentName = ".ordlykta.intent";

std::vector<unsigned char> encodeIntent(std::span<const Rename> renames);
std::optional<std::vector<Rename>> decodeIntent(std::span<const unsigned char> bytes);

// A new file for replaceFiles: its name in the folder and its bytes.
struct NewFile {
    std::string name;
    std::span<const unsigned char> bytes;
};

// Replaces files of `folder` all at once: every new file is written under a temporary name and
// flushed (after checking that the folder has room for all of them), the journals of the files
// replaced are removed (none outlives its file), then an intent naming the renames is put in
// the folder and its renames are made. A failure before the intent is in the folder, or before
// the first rename, leaves every old file and no temporary; once a rename is made the
// temporaries are only ever renamed, here or by the next lock holder's recoverFolder, so that
// every file is new then. A failure after the last rename leaves the new files and no intent.
// Throws IoError. Call it while holding the folder's lock, after recoverFolder (Change.h).
void replaceFiles(const std::string& folder, std::span<const NewFile> files);

// Finishes the renames of an intent left in `folder`: flushes the folder (so that the intent is
// on the disk before the first rename), renames, flushes the folder again and removes the
// intent. An intent that is not whole is removed with its temporaries untouched
// (removeTemporaryFiles takes those). True when renames were made. Throws IoError when they
// fail; the intent then stays.
bool completeIntent(const std::string& folder);

}  // namespace store
