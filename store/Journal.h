#pragma once
// Rollback journals and replacement intents: what lets an interrupted change be undone, or an
// interrupted replacement of several files be finished, by whoever holds the folder next.
//
// A rollback journal lies beside its data file, hidden and named after it (".bu1.dat.journal"),
// and holds the original bytes of every extent a change in place will write, the file's size
// and a checksum over all of it. It is flushed before the first byte of the file changes, so a
// journal whose checksum fails was never complete and the file was never touched.
//
// A replacement intent (".ordlykta.intent" in the folder) names temporary files, each already
// whole and flushed, and the names they are renamed to; once it is on the disk every rename is
// carried out, by the process that wrote it or by the next holder of the folder's lock.

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
    std::int64_t fileSize = 0;  // the file's size before the change
    std::vector<JournalEntry> entries;

    bool operator==(const JournalContent&) const = default;
};

// ".bu1.dat.journal" beside "bu1.dat".
std::string journalPath(const std::string& path);

std::vector<unsigned char> encodeJournal(const JournalContent& content);
// Nothing when the bytes are not one whole journal (cut short, damaged, or something else).
std::optional<JournalContent> decodeJournal(std::span<const unsigned char> bytes);

// Writes a journal left beside `path` back into the file, flushes it and removes the journal;
// a journal that is not whole is only removed. True when bytes were written back. Throws
// IoError when that fails; the journal then stays.
bool rollBackJournal(const std::string& path);

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
// flushed (after checking that the folder has room for all of them), then an intent naming
// the renames is written and flushed, the renames are made and the intent removed. A failure
// before the intent is on the disk leaves every old file; after it, every file is new by the
// time the next lock holder has run recoverFolder. Throws IoError.
void replaceFiles(const std::string& folder, std::span<const NewFile> files);

// Finishes the renames of an intent left in `folder` and removes it; an intent that is not
// whole is removed with its temporaries untouched (removeTemporaryFiles takes those). True when
// renames were made. Throws IoError when they fail; the intent then stays.
bool completeIntent(const std::string& folder);

// What a lock holder does first, in this order: rolls back the journals of `names`, finishes
// an intent, removes leftover temporary files of `names`. Throws IoError.
struct Recovered {
    std::vector<std::string> rolledBack;  // names whose journal was written back
    bool intentCompleted = false;
    int temporariesRemoved = 0;
};
Recovered recoverFolder(const std::string& folder, std::span<const std::string> names);

}  // namespace store
