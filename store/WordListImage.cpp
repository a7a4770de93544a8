#include "store/WordListImage.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace store {
namespace {

constexpr int kNameOffset = 4;

class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~ReadOnlyFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    int fd() const { return fd_; }

  private:
    int fd_;
};

// Reads up to bytes.size() bytes; returns how many there were.
std::size_t readAll(int fd, std::span<unsigned char> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw IoError(ioErrorText(errno));
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

}  // namespace

WordListImage::WordListImage() : bytes_(static_cast<std::size_t>(kWordListFileSize)) {
    for (int l = 0; l < kListCount; ++l) {
        const RecordBytes empty = encode({0, emptyListName(l), Text(kShortStringCapacity, ' ')});
        for (int s = 0; s < kSlotsPerList; ++s) {
            std::copy(empty.begin(), empty.end(), record(l, s).begin());
        }
    }
}

WordListImage WordListImage::load(const std::string& path) {
    const ReadOnlyFile file(path);
    if (file.fd() < 0) {
        throw IoError(path + ": " + ioErrorText(errno));
    }
    WordListImage image;
    // One byte more than a whole file shows a file that is too long.
    std::vector<unsigned char> bytes(image.bytes_.size() + 1);
    if (readAll(file.fd(), bytes) != image.bytes_.size()) {
        throw IoError(path + ": not a word-list file of " + std::to_string(kWordListFileSize) +
                      " bytes");
    }
    bytes.pop_back();
    image.bytes_ = std::move(bytes);
    return image;
}

std::span<unsigned char> WordListImage::record(int list, int slot) {
    return std::span(bytes_).subspan(std::size_t(recordIndex(list, slot)) * kRecordSize,
                                     kRecordSize);
}

std::span<const unsigned char> WordListImage::record(int list, int slot) const {
    return std::span(bytes_).subspan(std::size_t(recordIndex(list, slot)) * kRecordSize,
                                     kRecordSize);
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
    putInt32(record(list, 0), newCount);
    return true;
}

void WordListImage::rename(int list, const Text& name) {
    putShortString(record(list, 0).subspan(kNameOffset), name);
}

void WordListImage::save(const std::string& path) const {
    createFile(path, [this](RecordFile& file) { file.write(bytes_); });
}

}  // namespace store
