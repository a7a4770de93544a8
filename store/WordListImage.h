#pragma once
// A whole word-list file in memory: read at once, changed in memory and written back whole
// through replaceFiles, so that the file on disk is either the old one or the new one.

#include <span>
#include <string>
#include <vector>

#include "store/WordList.h"

namespace store {

class WordListImage {
  public:
    // The file createWordList writes: 100 empty lists.
    WordListImage();
    // Reads the file at `path` whole, as last committed (store::readCommitted). Throws IoError when
    // it cannot be read or is not exactly kWordListFileSize bytes long.
    static WordListImage load(const std::string& path);

    WordRecord read(int list, int slot) const;
    WordRecord header(int list) const { return read(list, 0); }
    int count(int list) const { return pairCount(header(list)); }

    // Appends a pair as the list editor does: the pair carries the new count, and only the
    // header's count changes. False when the list already holds kMaxPairsPerList pairs.
    bool append(int list, const Text& swedish, const Text& other);
    // Sets a list's name; the rest of its header stays as it is.
    void rename(int list, const Text& name);

    void save(const std::string& path) const;
    std::span<const unsigned char> bytes() const { return bytes_; }

  private:
    explicit WordListImage(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
    std::span<unsigned char> record(int list, int slot);
    std::span<const unsigned char> record(int list, int slot) const;

    std::vector<unsigned char> bytes_;
};

}  // namespace store
