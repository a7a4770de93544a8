#pragma once
// A word-list file: 100 lists of 100 records (store/Layout.h). Record 0 of a list is its
// header (pair count and name), records 1..99 its pairs (Swedish word, other word).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "store/Change.h"
#include "store/DataFiles.h"
#include "store/File.h"
#include "store/Records.h"

namespace store {

// One word record. In a header `number` is the pair count, `first` the list's name and
// `second` a text nobody reads but everybody writes back; in a pair `first` is the Swedish word.
struct WordRecord {
    std::int32_t number = 0;
    Text first;
    Text second;

    bool operator==(const WordRecord&) const = default;
};

using RecordBytes = std::array<unsigned char, kRecordSize>;
RecordBytes encode(const WordRecord& record);
WordRecord decode(const RecordBytes& bytes);

// A header's count as a loop bound or index: a damaged count is taken into 0..99.
int pairCount(const WordRecord& header);

// One opening of an existing word-list file, for operations that touch several records. Reads
// give the file as last committed (a live journal's original bytes laid over it, should a
// change have been refused and not yet written back) until a change begins.
class WordListFile {
  public:
    explicit WordListFile(int language);

    WordRecord read(int list, int slot);
    void write(int list, int slot, const WordRecord& record);
    WordRecord readHeader(int list) { return read(list, 0); }
    void writeHeader(int list, const WordRecord& header) { write(list, 0, header); }
    // Begins the change (see store::Change) of the list's header and its slots
    // firstSlot..lastSlot; from here on writes go through it. commitChange() flushes and makes
    // the change stand; a change never committed is rolled back.
    void beginChange(int list, int firstSlot, int lastSlot);
    void commitChange();
    void close() { file_.close(); }

  private:
    RecordFile file_;
    std::optional<JournalContent> committed_;  // a live journal to lay over what is read
    std::optional<Change> change_;
};

// Single operations: each opens the file, does its work and closes it; a write is flushed.
bool wordListExists(int language);
WordRecord readHeader(int language, int list);
void writeHeader(int language, int list, const WordRecord& header);
WordRecord readPair(int language, int list, int slot);
void writePair(int language, int list, int slot, const WordRecord& pair);

// The name a new file gives list L: "Tomt kapitel: L".
Text emptyListName(int list);
// Fills the bytes of one list (kSlotsPerList records) as a new file holds list `list`: the
// header and the 99 free slots alike, count 0, the empty list's name and 30 spaces.
void fillEmptyList(std::span<unsigned char> listBytes, int list);

// Writes a complete new file of 100 empty lists in the current folder (through replaceFiles: it
// is there whole or not at all); `onUserList` sees the names of lists 1..98.
void createWordList(int language, const std::function<void(const Text& name)>& onUserList = {});

struct ListOverview {
    std::vector<Text> names;  // lists 1..98
    int total = 0;            // sum of their pair counts
    int currentCount = 0;     // pair count of the current list
};
// One opening: the headers of lists 1..98, then the current list's.
ListOverview listOverview(int language, int currentList);

}  // namespace store
