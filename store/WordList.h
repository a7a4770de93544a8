#pragma once
// A word-list file: 100 lists of 100 records (store/Layout.h). Record 0 of a list is its
// header (pair count and name), records 1..99 its pairs (Swedish word, other word).

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

// The file name of language 1, 2 or 3: "bu1.dat".
std::string wordListFileName(int language);
// The language whose word-list file has that name (without a folder), or 0.
int languageOfFileName(const std::string& name);

// One opening of an existing word-list file, for operations that touch several records.
class WordListFile {
  public:
    explicit WordListFile(int language) : file_(wordListFileName(language)) {}

    WordRecord read(int list, int slot);
    void write(int list, int slot, const WordRecord& record);
    WordRecord readHeader(int list) { return read(list, 0); }
    void writeHeader(int list, const WordRecord& header) { write(list, 0, header); }
    // Fails with "Disk full" unless the disk has room for every page of the list's records.
    void requireSpace(int list);
    // Journals the list's header and its slots firstSlot..lastSlot before they are written in
    // place (see RecordFile::beginChange); commitChange() flushes and makes the change stand.
    void beginChange(int list, int firstSlot, int lastSlot);
    void commitChange() { file_.commitChange(); }
    void sync() { file_.sync(); }
    void close() { file_.close(); }

  private:
    RecordFile file_;
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

// Writes a complete new file of 100 empty lists; `onUserList` sees the names of lists 1..98.
void createWordList(int language, const std::function<void(const Text& name)>& onUserList = {});

struct ListOverview {
    std::vector<Text> names;  // lists 1..98
    int total = 0;            // sum of their pair counts
    int currentCount = 0;     // pair count of the current list
};
// One opening: the headers of lists 1..98, then the current list's.
ListOverview listOverview(int language, int currentList);

}  // namespace store
