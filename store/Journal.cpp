#include "store/Journal.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string_view>

#include "store/Layout.h"

namespace store {
namespace {

constexpr std::string_view kJournalMagic = "OLKJRNL3";
constexpr std::string_view kIntentMagic = "OLKINTN1";
constexpr std::string_view kJournalSuffix = ".journal";
// Journals and intents are small: a list's records, or a few names.
constexpr std::size_t kLargestRecord = 1 << 20;

// A journal's parts: its start (the magic, its length, the generation and the nonce), what it
// says of the file (device, inode, size, the number of entries) and the checksum; each entry's
// offset and length. The empty mark rewrites the start.
constexpr std::size_t kGenerationAt = kJournalMagic.size() + 4;
constexpr std::size_t kJournalStart = kGenerationAt + 8 + 8;
constexpr std::size_t kJournalFixed = kJournalStart + 8 + 8 + 8 + 4 + 4;
constexpr std::size_t kEntryFixed = 8 + 4;
// A journal file is kept at a size of whole pages that holds the largest change the editor
// makes: a whole list's records, moved by an insert or a remove at its front.
constexpr std::size_t kPage = 4096;
constexpr std::size_t kLargestChange =
    kJournalFixed + kEntryFixed + std::size_t{kSlotsPerList} * kRecordSize;

std::size_t keptSize(std::size_t needed) {
    return (std::max(needed, kLargestChange) + kPage - 1) / kPage * kPage;
}

std::uint32_t littleEndian32(std::span<const unsigned char> bytes) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        v |= std::uint32_t{bytes[i]} << (8 * i);
    }
    return v;
}

std::uint64_t littleEndian64(std::span<const unsigned char> bytes) {
    return littleEndian32(bytes.first(4)) | std::uint64_t{littleEndian32(bytes.subspan(4, 4))}
                                                << 32;
}

std::uint32_t checksum(std::span<const unsigned char> bytes) {
    return static_cast<std::uint32_t>(
        ::crc32_z(::crc32_z(0, nullptr, 0), bytes.data(), bytes.size()));
}

class Writer {
  public:
    void raw(std::span<const unsigned char> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    void text(std::string_view s) {
        raw({reinterpret_cast<const unsigned char*>(s.data()), s.size()});
    }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            out_.push_back(static_cast<unsigned char>(v >> (8 * i)));
        }
    }
    void i64(std::int64_t v) { u64(static_cast<std::uint64_t>(v)); }
    void u64(std::uint64_t v) {
        u32(static_cast<std::uint32_t>(v));
        u32(static_cast<std::uint32_t>(v >> 32));
    }
    std::vector<unsigned char> sealed() {
        u32(checksum(out_));
        return std::move(out_);
    }

  private:
    std::vector<unsigned char> out_;
};

// Reads what Writer wrote; every read past the end makes ok() false.
class Reader {
  public:
    // Checks the magic and the checksum at the end; the rest is read after.
    Reader(std::span<const unsigned char> bytes, std::string_view magic) {
        if (bytes.size() < magic.size() + 4 || bytes.size() > kLargestRecord) {
            return;
        }
        body_ = bytes.first(bytes.size() - 4);
        Reader tail;
        tail.body_ = bytes.last(4);
        ok_ = tail.u32() == checksum(body_) &&
              std::string_view(reinterpret_cast<const char*>(body_.data()), magic.size()) == magic;
        at_ = magic.size();
    }
    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == body_.size(); }
    std::span<const unsigned char> raw(std::size_t n) {
        if (!ok_ || body_.size() - at_ < n) {
            ok_ = false;
            return {};
        }
        const auto part = body_.subspan(at_, n);
        at_ += n;
        return part;
    }
    std::uint32_t u32() { return littleEndian32(raw(4)); }
    std::int64_t i64() { return static_cast<std::int64_t>(u64()); }
    std::uint64_t u64() {
        const std::uint64_t low = u32();
        return low | (std::uint64_t{u32()} << 32);
    }
    std::string text() {
        const auto b = raw(u32());
        return {b.begin(), b.end()};
    }

  private:
    Reader() : ok_(true) {}
    std::span<const unsigned char> body_;
    std::size_t at_ = 0;
    bool ok_ = false;
};

// The whole of an intent, or nothing when there is none. Throws IoError.
std::optional<std::vector<unsigned char>> readIntent(const std::string& path) {
    if (int e = injectedFault(FileOp::Open, path)) {
        throw IoError(ioErrorText(e));
    }
    if (!fileExists(path)) {
        return std::nullopt;
    }
    return readFileStart(path, kLargestRecord + 1);
}

bool isPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Fails with "Disk full" unless `folder` has room for files of these sizes, each rounded up to
// whole blocks, and one block more for the intent.
void requireRoom(const std::string& folder, std::span<const NewFile> files) {
    struct statvfs fs {};
    if (::statvfs(folder.c_str(), &fs) != 0 || fs.f_bsize == 0) {
        return;  // the filesystem does not say: the writes will tell
    }
    const auto block = static_cast<std::int64_t>(fs.f_bsize);
    std::int64_t needed = block;
    for (const NewFile& file : files) {
        needed += (static_cast<std::int64_t>(file.bytes.size()) + block - 1) / block * block;
    }
    const auto free =
        static_cast<std::int64_t>(fs.f_bavail) * static_cast<std::int64_t>(fs.f_frsize);
    if (free < needed) {
        throw IoError(ioErrorText(ENOSPC));
    }
}

// The renames of an intent in `folder`, counted in `renamed` as they are made: the folder flushed
// (so that the intent is on the disk before the first rename), the renames, the folder flushed
// again and the intent removed.
void carryOut(const std::string& folder, std::span<const Rename> renames, std::size_t& renamed) {
    syncFolder(folder);
    for (const auto& [from, to] : renames) {
        // A temporary that is gone was renamed before the last attempt stopped.
        if (fileExists(inFolder(folder, from))) {
            renameFile(inFolder(folder, from), inFolder(folder, to));
        }
        ++renamed;
    }
    syncFolder(folder);
    removeFile(inFolder(folder, kIntentName));
}

}  // namespace

std::string journalPath(const std::string& path) {
    std::string name(1, '.');
    name.append(fileNameOf(path)).append(kJournalSuffix);
    return besidePath(path, name);
}

std::vector<unsigned char> encodeJournal(const JournalContent& content) {
    std::size_t length = kJournalFixed;
    for (const JournalEntry& entry : content.entries) {
        length += kEntryFixed + entry.bytes.size();
    }
    Writer w;
    w.text(kJournalMagic);
    w.u32(static_cast<std::uint32_t>(length));
    w.u64(content.generation);
    w.u64(content.nonce);
    w.i64(static_cast<std::int64_t>(content.file.device));
    w.i64(static_cast<std::int64_t>(content.file.inode));
    w.i64(content.fileSize);
    w.u32(static_cast<std::uint32_t>(content.entries.size()));
    for (const JournalEntry& entry : content.entries) {
        w.i64(entry.offset);
        w.u32(static_cast<std::uint32_t>(entry.bytes.size()));
        w.raw(entry.bytes);
    }
    return w.sealed();
}

std::optional<JournalContent> decodeJournal(std::span<const unsigned char> bytes) {
    Reader r(bytes, kJournalMagic);
    const std::uint32_t length = r.u32();
    JournalContent content;
    content.generation = r.u64();
    content.nonce = r.u64();
    content.file.device = static_cast<std::uint64_t>(r.i64());
    content.file.inode = static_cast<std::uint64_t>(r.i64());
    content.fileSize = r.i64();
    const std::uint32_t count = r.u32();
    for (std::uint32_t i = 0; i < count && r.ok(); ++i) {
        JournalEntry entry;
        entry.offset = r.i64();
        const auto part = r.raw(r.u32());
        entry.bytes.assign(part.begin(), part.end());
        if (entry.offset < 0) {
            return std::nullopt;
        }
        content.entries.push_back(std::move(entry));
    }
    if (!r.ok() || !r.atEnd() || length != bytes.size() || content.fileSize < 0 ||
        content.nonce == 0) {
        return std::nullopt;
    }
    return content;
}

JournalState readJournal(RecordFile& journal) {
    JournalState state;
    const std::int64_t size = journal.size();
    std::array<unsigned char, kJournalStart> start{};
    if (size < static_cast<std::int64_t>(start.size())) {
        return state;
    }
    journal.seek(0);
    journal.read(start);
    state.generation = littleEndian64(std::span(start).subspan(kGenerationAt, 8));
    // What follows the journal in the kept file is left from earlier, longer ones.
    const std::uint32_t length = littleEndian32(std::span(start).subspan(kJournalMagic.size(), 4));
    if (!std::equal(kJournalMagic.begin(), kJournalMagic.end(), start.begin()) || length > size ||
        length > kLargestRecord) {
        return state;
    }
    std::vector<unsigned char> bytes(length);
    journal.seek(0);
    journal.read(bytes);
    state.live = decodeJournal(bytes);
    return state;
}

JournalState readJournalAt(const std::string& path) {
    JournalState state;
    // Opened for reading only and without waiting: a reader that holds nothing may call it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) {
            return state;
        }
        throw IoError(path + ": " + ioErrorText(errno));
    }
    const auto readAt = [&](std::span<unsigned char> bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        return done == bytes.size();
    };
    std::array<unsigned char, kJournalStart> start{};
    if (readAt(start)) {
        state.generation = littleEndian64(std::span(start).subspan(kGenerationAt, 8));
        const std::uint32_t length =
            littleEndian32(std::span(start).subspan(kJournalMagic.size(), 4));
        if (std::equal(kJournalMagic.begin(), kJournalMagic.end(), start.begin()) &&
            length <= kLargestRecord) {
            std::vector<unsigned char> bytes(length);
            state.live = readAt(bytes) ? decodeJournal(bytes) : std::nullopt;
        }
        // Written again between the two readings: not the journal whose start was read.
        if (state.live && state.live->generation != state.generation) {
            state.live.reset();
        }
    }
    ::close(fd);
    return state;
}

std::int64_t journalWriteSize(const JournalContent& content, std::int64_t kept) {
    const std::size_t bytes = encodeJournal(content).size();
    return static_cast<std::int64_t>(static_cast<std::int64_t>(bytes) > kept ? keptSize(bytes)
                                                                             : bytes);
}

void writeJournal(RecordFile& journal, const JournalContent& content) {
    std::vector<unsigned char> bytes = encodeJournal(content);
    const bool grows = static_cast<std::int64_t>(bytes.size()) > journal.size();
    if (grows) {
        bytes.resize(keptSize(bytes.size()));  // written, so that the pages are the file's
    }
    journal.seek(0);
    journal.write(bytes);
    if (grows) {
        journal.sync();
        syncFolder(folderOf(journal.path()));
    } else {
        // The bytes only: the size and the pages are the same as before.
        journal.syncData();
    }
}

void markJournalEmpty(RecordFile& journal, std::uint64_t generation) {
    std::array<unsigned char, kJournalStart> start{};
    for (std::size_t i = 0; i < 8; ++i) {
        start[kGenerationAt + i] = static_cast<unsigned char>(generation >> (8 * i));
    }
    journal.seek(0);
    journal.write(start);
}

std::vector<unsigned char> encodeIntent(std::span<const Rename> renames) {
    Writer w;
    w.text(kIntentMagic);
    w.u32(static_cast<std::uint32_t>(renames.size()));
    for (const auto& [from, to] : renames) {
        w.u32(static_cast<std::uint32_t>(from.size()));
        w.text(from);
        w.u32(static_cast<std::uint32_t>(to.size()));
        w.text(to);
    }
    return w.sealed();
}

std::optional<std::vector<Rename>> decodeIntent(std::span<const unsigned char> bytes) {
    Reader r(bytes, kIntentMagic);
    std::vector<Rename> renames;
    const std::uint32_t count = r.u32();
    for (std::uint32_t i = 0; i < count && r.ok(); ++i) {
        std::string from = r.text();
        std::string to = r.text();
        if (!isPlainName(from) || !isPlainName(to)) {
            return std::nullopt;
        }
        renames.emplace_back(std::move(from), std::move(to));
    }
    if (!r.ok() || !r.atEnd()) {
        return std::nullopt;
    }
    return renames;
}

void replaceFiles(const std::string& folder, std::span<const NewFile> files) {
    requireRoom(folder, files);
    const std::string intentPath = inFolder(folder, kIntentName);
    std::vector<Rename> renames;
    std::string intentTemporary;
    try {
        for (const NewFile& file : files) {
            const std::string temp = writeTemporary(inFolder(folder, file.name),
                                                    [&](RecordFile& f) { f.write(file.bytes); });
            renames.emplace_back(fileNameOf(temp), file.name);
        }
        // The new files are other files: no journal of an old one may meet them. None is live
        // here (the lock holder rolled back what it found); the intent's flush of the folder
        // makes the removals durable before any rename.
        for (const NewFile& file : files) {
            removeFile(journalPath(inFolder(folder, file.name)));
        }
        const std::vector<unsigned char> intent = encodeIntent(renames);
        intentTemporary = writeTemporary(intentPath, [&](RecordFile& f) { f.write(intent); });
        renameFile(intentTemporary, intentPath);
    } catch (...) {
        // No intent names the temporaries yet.
        for (const auto& rename : renames) {
            ::unlink(inFolder(folder, rename.first).c_str());
        }
        if (!intentTemporary.empty()) {
            ::unlink(intentTemporary.c_str());
        }
        throw;
    }
    // From here the intent names the temporaries: they are only ever renamed, here or, should
    // that fail part-way, by the next lock holder's completeIntent. Failed before the first
    // rename or after the last, the intent names nothing left to do, and goes.
    std::size_t renamed = 0;
    try {
        carryOut(folder, renames, renamed);
    } catch (...) {
        if (renamed == 0 || renamed == renames.size()) {
            for (std::size_t i = renamed; i < renames.size(); ++i) {
                ::unlink(inFolder(folder, renames[i].first).c_str());
            }
            ::unlink(intentPath.c_str());
        }
        throw;
    }
}

bool completeIntent(const std::string& folder) {
    const std::string path = inFolder(folder, kIntentName);
    const auto bytes = readIntent(path);
    if (!bytes) {
        return false;
    }
    const auto renames = decodeIntent(*bytes);
    if (!renames) {
        removeFile(path);
        return false;
    }
    std::size_t renamed = 0;
    carryOut(folder, *renames, renamed);
    return true;
}

}  // namespace store
