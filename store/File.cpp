#include "store/File.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string_view>
#include <vector>

namespace store {
namespace {

// Opened without waiting: a FIFO in a file's place reads as empty instead of blocking.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
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

FaultHook& faultHook() {
    static FaultHook hook;
    return hook;
}

int injected(FileOp op, const std::string& path) {
    return injectedFault(op, path);
}

// How many temporary names a creation tries before it gives up.
constexpr int kTemporaryNames = 100;
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomLength = 6;
constexpr std::string_view kRandomAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

[[noreturn]] void raise(int errorNumber) {
    throw IoError(ioErrorText(errorNumber));
}

// "dir/.bu1.dat.k3Xq9Z.tmp" for "dir/bu1.dat".
std::string temporaryPath(const std::string& path) {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kRandomAlphabet.size() - 1);
    std::string name(1, '.');
    name.append(fileNameOf(path)).append(1, '.');
    for (std::size_t i = 0; i < kRandomLength; ++i) {
        name += kRandomAlphabet[pick(random)];
    }
    name += kTemporarySuffix;
    return besidePath(path, name);
}

// Writes all of `bytes` at `offset`, or stops at the first error: 0 or that error. `fault` is
// what the test seam asked for.
int writeAt(int fd, std::int64_t offset, std::span<const unsigned char> bytes, int fault) {
    if (fault > 0) {
        return fault;
    }
    std::size_t wanted = bytes.size();
    int error = 0;
    if (fault == kShortWrite) {
        wanted = bytes.size() / 2;
        error = ENOSPC;
    } else if (fault <= kShortWriteOfBase) {
        wanted = std::min(bytes.size(), static_cast<std::size_t>(kShortWriteOfBase - fault));
        error = ENOSPC;
    }
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, wanted - done,
                                   static_cast<off_t>(offset) + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : ENOSPC;
        }
        done += static_cast<std::size_t>(n);
    }
    return error;
}

}  // namespace

int injectedFault(FileOp op, const std::string& path) {
    const FaultHook& hook = faultHook();
    return hook ? hook(op, path) : 0;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string inFolder(const std::string& folder, const std::string& name) {
    std::string path = folder;
    path.append(1, '/').append(name);
    return path;
}

std::string besidePath(const std::string& path, const std::string& name) {
    return path.find('/') == std::string::npos ? name : inFolder(folderOf(path), name);
}

void syncFolder(const std::string& folder) {
    if (int e = injected(FileOp::Sync, folder)) {
        raise(e);
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        raise(errno);
    }
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some filesystems cannot flush a folder at all; there is nothing to wait for then.
    if (result != 0 && error != EINVAL && error != ENOTSUP) {
        raise(error);
    }
}

void removeFile(const std::string& path) {
    if (int e = injected(FileOp::Remove, path)) {
        raise(e);
    }
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        raise(errno);
    }
}

std::string ioErrorText(int errorNumber) {
    switch (errorNumber) {
        case kShortRead:
            return kReadBeyondEnd;
        case ENOENT:
        case ENOTDIR:
            return "File not found";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return "File access denied";
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "Disk full";
        default:
            return "I/O error " + std::to_string(errorNumber);
    }
}

void setFaultHook(FaultHook hook) {
    faultHook() = std::move(hook);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isTemporaryNameOf(const std::string& name, const std::string& target) {
    std::string prefix(1, '.');
    prefix.append(target).append(1, '.');
    if (name.size() != prefix.size() + kRandomLength + kTemporarySuffix.size() ||
        !name.starts_with(prefix) || !name.ends_with(kTemporarySuffix)) {
        return false;
    }
    const std::string_view random = std::string_view(name).substr(prefix.size(), kRandomLength);
    return std::all_of(random.begin(), random.end(),
                       [](char c) { return kRandomAlphabet.find(c) != std::string_view::npos; });
}

int removeTemporaryFiles(const std::string& folder, std::span<const std::string> targets) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        return 0;
    }
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (std::any_of(targets.begin(), targets.end(),
                        [&](const std::string& t) { return isTemporaryNameOf(name, t); })) {
            leftovers.push_back(name);
        }
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string& name : leftovers) {
        removed += ::unlink(inFolder(folder, name).c_str()) == 0;
    }
    return removed;
}

RecordFile::RecordFile(const std::string& path, Opening opening) : path_(path) {
    const bool creates = opening != Opening::Existing;
    if (int e = injected(creates ? FileOp::Create : FileOp::Open, path_)) {
        raise(e);
    }
    const int flags = opening == Opening::Emptied ? O_CREAT | O_TRUNC
                      : opening == Opening::Kept  ? O_CREAT
                                                  : 0;
    fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC | flags, 0666);
    if (fd_ < 0) {
        raise(errno);
    }
}

RecordFile::RecordFile(const std::string& path, int fd) : path_(path), fd_(fd) {}

RecordFile::~RecordFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void RecordFile::fail(int errorNumber) const {
    raise(errorNumber);
}

void RecordFile::seek(std::int64_t offset) {
    if (int e = injected(FileOp::Seek, path_)) {
        fail(e);
    }
    if (::lseek(fd_, offset, SEEK_SET) < 0) {
        fail(errno);
    }
}

void RecordFile::read(std::span<unsigned char> bytes) {
    if (int e = injected(FileOp::Read, path_)) {
        fail(e);
    }
    if (readAll(fd_, bytes) < bytes.size()) {
        fail(kShortRead);
    }
}

void RecordFile::write(std::span<const unsigned char> bytes) {
    const int fault = injected(FileOp::Write, path_);
    const off_t offset = ::lseek(fd_, 0, SEEK_CUR);
    int error = offset < 0 ? errno : writeAt(fd_, offset, bytes, fault);
    if (error == 0) {
        if (::lseek(fd_, offset + static_cast<off_t>(bytes.size()), SEEK_SET) >= 0) {
            return;
        }
        error = errno;
    }
    fail(error);
}

void RecordFile::requireSpace(std::span<const Extent> extents) {
    struct statvfs fs {};
    if (::fstatvfs(fd_, &fs) != 0 || fs.f_bsize == 0) {
        return;  // the filesystem does not say: the writes will tell
    }
    const auto page = static_cast<std::int64_t>(fs.f_bsize);
    std::int64_t pages = 0;
    for (const Extent& e : extents) {
        if (e.length > 0) {
            pages += (e.offset + e.length - 1) / page - e.offset / page + 1;
        }
    }
    const auto free =
        static_cast<std::int64_t>(fs.f_bavail) * static_cast<std::int64_t>(fs.f_frsize);
    if (free < pages * page) {
        fail(ENOSPC);
    }
}

void RecordFile::syncData() {
    if (int e = injected(FileOp::Sync, path_)) {
        fail(e);
    }
    if (::fdatasync(fd_) != 0) {
        fail(errno);
    }
}

void RecordFile::sync() {
    if (int e = injected(FileOp::Sync, path_)) {
        fail(e);
    }
    if (::fsync(fd_) != 0) {
        fail(errno);
    }
}

void RecordFile::cutTo(std::int64_t size) {
    if (this->size() > size && ::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
        fail(errno);
    }
}

std::int64_t RecordFile::size() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        fail(errno);
    }
    return st.st_size;
}

FileIdentity RecordFile::identity() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        fail(errno);
    }
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

void RecordFile::close() {
    if (fd_ < 0) {
        return;  // closed already
    }
    int fd = fd_;
    fd_ = -1;
    if (int e = injected(FileOp::Close, path_)) {
        ::close(fd);
        fail(e);
    }
    if (::close(fd) != 0) {
        fail(errno);
    }
}

std::string writeTemporary(const std::string& path, const std::function<void(RecordFile&)>& fill) {
    if (int e = injected(FileOp::Create, path)) {
        raise(e);
    }
    // A hidden temporary name of our own beside the file, one that nothing else holds.
    std::string temp;
    int fd = -1;
    for (int n = 0; fd < 0; ++n) {
        temp = temporaryPath(path);
        fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || n == kTemporaryNames)) {
            raise(errno);
        }
    }
    try {
        RecordFile file(temp, fd);
        fill(file);
        file.sync();
        file.close();
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    return temp;
}

void renameFile(const std::string& from, const std::string& to) {
    if (int e = injected(FileOp::Rename, to)) {
        raise(e);
    }
    if (::rename(from.c_str(), to.c_str()) != 0) {
        raise(errno);
    }
}

void createFile(const std::string& path, const std::function<void(RecordFile&)>& fill) {
    const std::string temp = writeTemporary(path, fill);
    try {
        renameFile(temp, path);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    syncFolder(folderOf(path));
}

std::vector<unsigned char> readFileStart(const std::string& path, std::size_t limit,
                                         FileIdentity* identity) {
    const ReadOnlyFile file(path);
    struct stat st {};
    if (file.fd() < 0 || ::fstat(file.fd(), &st) != 0) {
        throw IoError(path + ": " + ioErrorText(errno));
    }
    if (identity) {
        *identity = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
    }
    // Room for what the file holds and one byte more, which shows a file that grew meanwhile.
    std::size_t room = limit;
    if (S_ISREG(st.st_mode) && st.st_size >= 0) {
        room = std::min(limit, static_cast<std::size_t>(st.st_size) + 1);
    }
    std::vector<unsigned char> bytes;
    std::size_t done = 0;
    while (true) {
        bytes.resize(room);
        done += readAll(file.fd(), std::span(bytes).subspan(done));
        if (done < room || room == limit) {
            break;
        }
        room = std::min(limit, room * 2);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace store
