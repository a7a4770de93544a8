#include "editor/ListEdits.h"

namespace listedit {

using store::WordRecord;

namespace {

// A free slot is read before a pair is written into it: in a file cut short the read fails, so
// no write reaches past the end, where it would leave a gap that reads back as empty pairs.
void requireSlot(store::WordListFile& file, int list, int slot) {
    file.read(list, slot);
}

}  // namespace

std::vector<WordRecord> readPairs(int language, int list) {
    store::WordListFile file(language);
    const int count = store::pairCount(file.readHeader(list));
    std::vector<WordRecord> pairs;
    pairs.reserve(static_cast<std::size_t>(count));
    for (int slot = 1; slot <= count; ++slot) {
        pairs.push_back(file.read(list, slot));
    }
    file.close();
    return pairs;
}

std::optional<int> appendPair(int language, int list, const store::Text& swedish,
                              const store::Text& other) {
    store::WordListFile file(language);
    WordRecord header = file.readHeader(list);
    const int count = store::pairCount(header);
    if (count >= store::kMaxPairCount) {
        file.close();
        return std::nullopt;
    }
    const int newCount = count + 1;
    requireSlot(file, list, newCount);
    file.beginChange(list, newCount, newCount);
    file.write(list, newCount, {newCount, swedish, other});
    header.number = newCount;
    file.writeHeader(list, header);
    file.commitChange();
    return newCount;
}

std::optional<int> insertPair(int language, int list, int slot, const store::Text& swedish,
                              const store::Text& other) {
    store::WordListFile file(language);
    WordRecord header = file.readHeader(list);
    const int count = store::pairCount(header);
    if (count >= store::kMaxPairCount || slot < 1 || slot > count) {
        file.close();
        return std::nullopt;
    }
    const int newCount = count + 1;
    // The last pair first goes to the free slot, so that the new count never shows an unwritten
    // record; from here on each move leaves its pair twice at worst.
    const WordRecord last = file.read(list, count);
    requireSlot(file, list, newCount);
    file.beginChange(list, slot, newCount);
    file.write(list, newCount, {newCount, last.first, last.second});
    header.number = newCount;
    file.writeHeader(list, header);
    for (int s = count - 1; s >= slot; --s) {
        const WordRecord pair = file.read(list, s);
        file.write(list, s + 1, {newCount, pair.first, pair.second});
    }
    file.write(list, slot, {newCount, swedish, other});
    file.commitChange();
    return newCount;
}

std::optional<int> removePair(int language, int list, int slot) {
    store::WordListFile file(language);
    WordRecord header = file.readHeader(list);
    const int count = store::pairCount(header);
    if (slot < 1 || slot > count) {
        file.close();
        return std::nullopt;
    }
    const int newCount = count - 1;
    file.beginChange(list, slot, count - 1);
    // The later pairs move up while the old count still covers the last of them.
    for (int s = slot; s < count; ++s) {
        const WordRecord pair = file.read(list, s + 1);
        file.write(list, s, {newCount, pair.first, pair.second});
    }
    header.number = newCount;
    file.writeHeader(list, header);
    file.commitChange();
    return newCount;
}

}  // namespace listedit
