#include "store/WordList.h"

#include <algorithm>
#include <vector>

namespace store {

RecordBytes encode(const WordRecord& record) {
    RecordBytes bytes{};
    putInt32(numberField(bytes), record.number);
    putShortString(firstTextField(bytes), record.first);
    putShortString(secondTextField(bytes), record.second);
    return bytes;
}

WordRecord decode(const RecordBytes& bytes) {
    return {getInt32(numberField(bytes)), getShortString(firstTextField(bytes)),
            getShortString(secondTextField(bytes))};
}

int pairCount(const WordRecord& header) {
    return std::clamp(header.number, 0, kMaxPairCount);
}

WordListFile::WordListFile(int language)
    : file_(wordListFileName(language)), committed_(fittingJournal(file_.path())) {}

WordRecord WordListFile::read(int list, int slot) {
    RecordBytes bytes{};
    const std::int64_t at = std::int64_t{recordIndex(list, slot)} * kRecordSize;
    file_.seek(at);
    file_.read(bytes);
    if (committed_) {
        layOver(*committed_, at, bytes);
    }
    return decode(bytes);
}

void WordListFile::write(int list, int slot, const WordRecord& record) {
    const std::int64_t at = std::int64_t{recordIndex(list, slot)} * kRecordSize;
    if (change_) {
        change_->write(at, encode(record));
    } else {
        file_.seek(at);
        file_.write(encode(record));
    }
}

void WordListFile::beginChange(int list, int firstSlot, int lastSlot) {
    const auto at = [&](int slot) { return std::int64_t{recordIndex(list, slot)} * kRecordSize; };
    std::vector<Extent> extents{{at(0), kRecordSize}};
    if (lastSlot >= firstSlot && lastSlot > 0) {
        firstSlot = std::max(firstSlot, 1);
        if (firstSlot == 1) {
            extents.clear();
            firstSlot = 0;
        }
        extents.push_back({at(firstSlot), std::int64_t{lastSlot - firstSlot + 1} * kRecordSize});
    }
    change_.emplace(file_, extents);
    committed_.reset();  // the change wrote back what a live journal held
}

void WordListFile::commitChange() {
    change_->commit();
    change_.reset();
}

bool wordListExists(int language) {
    return fileExists(wordListFileName(language));
}

WordRecord readHeader(int language, int list) {
    return readPair(language, list, 0);
}

void writeHeader(int language, int list, const WordRecord& header) {
    writePair(language, list, 0, header);
}

WordRecord readPair(int language, int list, int slot) {
    WordListFile file(language);
    WordRecord record = file.read(list, slot);
    file.close();
    return record;
}

void writePair(int language, int list, int slot, const WordRecord& pair) {
    WordListFile file(language);
    file.beginChange(list, slot, slot);
    file.write(list, slot, pair);
    file.commitChange();
}

Text emptyListName(int list) {
    return "Tomt kapitel: " + std::to_string(list);
}

void fillEmptyList(std::span<unsigned char> listBytes, int list) {
    const RecordBytes empty = encode({0, emptyListName(list), Text(kShortStringCapacity, ' ')});
    for (int s = 0; s < kSlotsPerList; ++s) {
        std::copy(empty.begin(), empty.end(), listBytes.begin() + s * kRecordSize);
    }
}

void createWordList(int language, const std::function<void(const Text& name)>& onUserList) {
    std::vector<unsigned char> bytes(static_cast<std::size_t>(kWordListFileSize));
    for (int l = 0; l < kListCount; ++l) {
        fillEmptyList(listOf(bytes, l), l);
    }
    const NewFile file{wordListFileName(language), bytes};
    replaceFiles(".", {&file, 1});
    if (onUserList) {
        for (int l = kFirstUserList; l <= kLastUserList; ++l) {
            onUserList(emptyListName(l));
        }
    }
}

ListOverview listOverview(int language, int currentList) {
    ListOverview overview;
    WordListFile file(language);
    for (int l = kFirstUserList; l <= kLastUserList; ++l) {
        const WordRecord header = file.readHeader(l);
        overview.names.push_back(header.first);
        overview.total += pairCount(header);
    }
    overview.currentCount = pairCount(file.readHeader(currentList));
    file.close();
    return overview;
}

}  // namespace store
