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

FaultHook& faultHook() {
    static FaultHook hook;
    return hook;
}

int injected(FileOp op, const std::string& path) {
    const FaultHook& hook = faultHook();
    return hook ? hook(op, path) : 0;
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

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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
    return path.find('/') == std::string::npos ? name : folderOf(path).append(1, '/').append(name);
}

// Flushes a folder, so that a rename in it survives a power cut.
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

}  // namespace

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
        removed += ::unlink(std::string(folder).append(1, '/').append(name).c_str()) == 0;
    }
    return removed;
}

RecordFile::RecordFile(const std::string& path) : path_(path) {
    if (int e = injected(FileOp::Open, path_)) {
        raise(e);
    }
    fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        raise(errno);
    }
}

RecordFile::RecordFile(const std::string& path, int fd, bool fresh)
    : path_(path), fd_(fd), fresh_(fresh) {}

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
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fail(errno);
        }
        if (n == 0) {
            fail(kShortRead);
        }
        done += static_cast<std::size_t>(n);
    }
}

void RecordFile::write(std::span<const unsigned char> bytes) {
    const int fault = injected(FileOp::Write, path_);
    if (fault > 0) {
        fail(fault);
    }
    const off_t offset = ::lseek(fd_, 0, SEEK_CUR);
    if (offset < 0) {
        fail(errno);
    }
    // What the write replaces, to put back should it stop part-way; at the end of the file
    // there is less (or nothing).
    std::vector<unsigned char> before(fresh_ ? 0 : bytes.size());
    std::size_t kept = 0;
    while (kept < before.size()) {
        ssize_t n = ::pread(fd_, before.data() + kept, before.size() - kept,
                            offset + static_cast<off_t>(kept));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fail(errno);
        }
        if (n == 0) {
            break;
        }
        kept += static_cast<std::size_t>(n);
    }
    before.resize(kept);

    const std::size_t wanted = fault == kShortWrite ? bytes.size() / 2 : bytes.size();
    std::size_t done = 0;
    int error = fault == kShortWrite ? ENOSPC : 0;
    while (done < wanted) {
        ssize_t n = ::write(fd_, bytes.data() + done, wanted - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (error != 0) {
        putBack(offset, before, done);
        fail(error);
    }
}

void RecordFile::putBack(std::int64_t offset, std::span<const unsigned char> before,
                         std::size_t written) {
    if (fresh_ || written == 0) {
        return;
    }
    // Best effort: the error the user is told of is the write's own.
    const std::size_t back = std::min(written, before.size());
    if (back > 0 && ::pwrite(fd_, before.data(), back, offset) < 0) {
        return;
    }
    if (written > before.size()) {
        // The write went past the end of the file: the file ends where it ended before.
        [[maybe_unused]] int ignored = ::ftruncate(fd_, offset + static_cast<off_t>(before.size()));
    }
}

void RecordFile::requireSpace(std::int64_t offset, std::int64_t length) {
    struct statvfs fs {};
    if (length <= 0 || ::fstatvfs(fd_, &fs) != 0 || fs.f_bsize == 0) {
        return;  // nothing is written, or the filesystem does not say: the write will tell
    }
    const auto page = static_cast<std::int64_t>(fs.f_bsize);
    const std::int64_t pages = (offset + length - 1) / page - offset / page + 1;
    const auto free =
        static_cast<std::int64_t>(fs.f_bavail) * static_cast<std::int64_t>(fs.f_frsize);
    if (free < pages * page) {
        fail(ENOSPC);
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

void RecordFile::close() {
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

void createFile(const std::string& path, const std::function<void(RecordFile&)>& fill) {
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
        RecordFile file(temp, fd, true);
        fill(file);
        file.sync();
        file.close();
        if (int e = injected(FileOp::Rename, path)) {
            raise(e);
        }
        if (::rename(temp.c_str(), path.c_str()) != 0) {
            raise(errno);
        }
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    syncFolder(folderOf(path));
}

}  // namespace store
