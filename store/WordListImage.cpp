#include "store/WordListImage.h"

#include <algorithm>

#include "store/Change.h"
#include "store/Journal.h"

namespace store {

WordListImage::WordListImage() : bytes_(static_cast<std::size_t>(kWordListFileSize)) {
    for (int l = 0; l < kListCount; ++l) {
        fillEmptyList(listOf(bytes_, l), l);
    }
}

WordListImage WordListImage::load(const std::string& path) {
    // One byte more than a whole file shows a file that is too long.
    std::vector<unsigned char> bytes =
        readCommitted(path, static_cast<std::size_t>(kWordListFileSize) + 1);
    if (bytes.size() != static_cast<std::size_t>(kWordListFileSize)) {
        throw IoError(path + ": not a word-list file of " + std::to_string(kWordListFileSize) +
                      " bytes");
    }
    return WordListImage(std::move(bytes));
}

std::span<unsigned char> WordListImage::record(int list, int slot) {
    return recordOf(bytes_, list, slot);
}

std::span<const unsigned char> WordListImage::record(int list, int slot) const {
    return recordOf(bytes_, list, slot);
}

WordRecord WordListImage::read(int list, int slot) const {
    RecordBytes bytes{};
    const auto from = record(list, slot);
    std::copy(from.begin(), from.end(), bytes.begin());
    return decode(bytes);
}

bool WordListImage::append(int list, const Text& swedish, const Text& other) {
    const int newCount = count(list) + 1;
    if (newCount > kMaxPairsPerList) {
        return false;
    }
    const RecordBytes pair = encode({newCount, swedish, other});
    std::copy(pair.begin(), pair.end(), record(list, newCount).begin());
    putInt32(numberField(record(list, 0)), newCount);
    return true;
}

void WordListImage::rename(int list, const Text& name) {
    putShortString(firstTextField(record(list, 0)), name);
}

void WordListImage::save(const std::string& path) const {
    const NewFile file{fileNameOf(path), bytes_};
    replaceFiles(folderOf(path), {&file, 1});
}

}  // namespace store
