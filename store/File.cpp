#include "store/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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

[[noreturn]] void raise(int errorNumber) {
    throw IoError(ioErrorText(errorNumber));
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

RecordFile::RecordFile(const std::string& path) : path_(path) {
    if (int e = injected(FileOp::Open, path_)) {
        raise(e);
    }
    fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
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
    if (int e = injected(FileOp::Write, path_)) {
        fail(e);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fail(errno);
        }
        if (n == 0) {
            fail(ENOSPC);
        }
        done += static_cast<std::size_t>(n);
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
    // A temporary name of our own beside the file: "bu1.dat.new", or the first of
    // "bu1.dat.new1", "bu1.dat.new2", ... that nothing else holds.
    std::string temp;
    int fd = -1;
    for (int n = 0; fd < 0; ++n) {
        temp = path + ".new" + (n > 0 ? std::to_string(n) : std::string());
        fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || n == kTemporaryNames)) {
            raise(errno);
        }
    }
    try {
        RecordFile file(temp, fd);
        fill(file);
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
}

}  // namespace store
