#pragma once
// Checked access to files of fixed-size records. Every call is tested at once; a failure
// throws IoError with the text the user sees in the error box.

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

namespace store {

class IoError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The user-facing text for a system error number: "File not found", "File access denied",
// "Disk full" or "I/O error %d".
std::string ioErrorText(int errorNumber);
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";

enum class FileOp { Open, Create, Seek, Read, Write, Close, Rename, Sync };
inline constexpr int kFileOpCount = 8;

// Test seam: consulted before every file operation. A non-zero result makes that operation
// fail as if the system had returned that error number; kShortRead makes a read come back
// short, and kShortWrite makes a write stop part-way (half its bytes written, then Disk full),
// as a full disk does at a page boundary.
using FaultHook = std::function<int(FileOp, const std::string& path)>;
inline constexpr int kShortRead = -1;
inline constexpr int kShortWrite = -2;
void setFaultHook(FaultHook hook);

bool fileExists(const std::string& path);

// The temporary file of a new file is hidden and carries a random part: ".bu1.dat.k3Xq9Z.tmp"
// for "bu1.dat". No file of the user's has a name of that kind, so what an interrupted
// creation left can be recognised and removed.
bool isTemporaryNameOf(const std::string& name, const std::string& target);
// Removes the temporary files of these targets (file names without folders) from `folder`;
// call it only while holding the folder's lock. Returns how many were removed.
int removeTemporaryFiles(const std::string& folder, std::span<const std::string> targets);

// An existing file opened for reading and writing. The destructor closes a file that is still
// open without checking; call close() to have the close checked.
class RecordFile {
  public:
    explicit RecordFile(const std::string& path);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    void seek(std::int64_t offset);
    void read(std::span<unsigned char> bytes);
    // A write that fails part-way puts back the bytes it overwrote (as far as the disk lets
    // it) before it throws, so no record is left half old and half new.
    void write(std::span<const unsigned char> bytes);
    // Fails with "Disk full" unless the filesystem has room for every page of these bytes: on
    // a copy-on-write filesystem even a write in place needs new pages.
    void requireSpace(std::int64_t offset, std::int64_t length);
    // Flushes what was written to the disk.
    void sync();
    void close();

  private:
    friend void createFile(const std::string&, const std::function<void(RecordFile&)>&);
    RecordFile(const std::string& path, int fd, bool fresh);
    [[noreturn]] void fail(int errorNumber) const;
    void putBack(std::int64_t offset, std::span<const unsigned char> before, std::size_t written);

    std::string path_;
    int fd_ = -1;
    bool fresh_ = false;  // a new file of our own: nothing in it to put back
};

// Writes a complete new file: `fill` writes into a temporary file of its own in the same folder
// (one that did not exist before), which is flushed and then renamed to `path`; the folder is
// flushed after. On any failure that temporary file is removed and the error rethrown, so
// `path` either does not change or holds the whole new file, and nothing else in the folder is
// touched.
void createFile(const std::string& path, const std::function<void(RecordFile&)>& fill);

}  // namespace store
