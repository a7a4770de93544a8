#pragma once
// Checked access to files of fixed-size records. Every call is tested at once; a failure
// throws IoError with the text the user sees in the error box.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace store {

class IoError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The user-facing text for a system error number: "File not found", "File access denied",
// "Disk full" or "I/O error %d".
std::string ioErrorText(int errorNumber);
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";

enum class FileOp { Open, Create, Seek, Read, Write, Close, Rename, Sync, Remove };
inline constexpr int kFileOpCount = 9;

// Test seam: consulted before every file operation. A non-zero result makes that operation
// fail as if the system had returned that error number; kShortRead makes a read come back
// short, and kShortWrite makes a write stop part-way (half its bytes written, then Disk full),
// as a full disk does at a page boundary; shortWrite(n) makes it stop after n bytes.
using FaultHook = std::function<int(FileOp, const std::string& path)>;
inline constexpr int kShortRead = -1;
inline constexpr int kShortWrite = -2;
inline constexpr int kShortWriteOfBase = -1000;
constexpr int shortWrite(int bytes) {
    return kShortWriteOfBase - bytes;
}
void setFaultHook(FaultHook hook);
// Asks the hook about an operation: 0, or the error (or kind of fault) to act out.
int injectedFault(FileOp op, const std::string& path);

// The folder of a path ("." for a bare name) and the name in it.
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);
// `name` in `folder`: "folder/name".
std::string inFolder(const std::string& folder, const std::string& name);
// `name` beside the file `path`: "dir/name" for "dir/file", `name` alone for a bare file name.
std::string besidePath(const std::string& path, const std::string& name);
// Flushes a folder, so that a rename or a new name in it survives a power cut.
void syncFolder(const std::string& folder);
// Removes a file; a file that is not there is no error.
void removeFile(const std::string& path);

bool fileExists(const std::string& path);

// The temporary file of a new file is hidden and carries a random part: ".bu1.dat.k3Xq9Z.tmp"
// for "bu1.dat". No file of the user's has a name of that kind, so what an interrupted
// creation left can be recognised and removed.
bool isTemporaryNameOf(const std::string& name, const std::string& target);
// Removes the temporary files of these targets (file names without folders) from `folder`;
// call it only while holding the folder's lock. Returns how many were removed.
int removeTemporaryFiles(const std::string& folder, std::span<const std::string> targets);

// Bytes of a file, by where they start and how many.
struct Extent {
    std::int64_t offset = 0;
    std::int64_t length = 0;
};

// What tells one file from another: a file put in place by a rename is another file, even
// under the same name.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool operator==(const FileIdentity&) const = default;
};

// Up to `limit` bytes from the start of a file, opened for reading only and without waiting (a
// FIFO in a file's place reads as empty). Throws IoError ("path: text") when it cannot be read.
// `identity`, when given, gets the file's device and inode.
std::vector<unsigned char> readFileStart(const std::string& path, std::size_t limit,
                                         FileIdentity* identity = nullptr);

// An existing file opened for reading and writing, every call checked. The destructor closes a
// file that is still open without checking; call close() to have the close checked. A change in
// place goes through store::Change (Change.h), which keeps its rollback journal.
class RecordFile {
  public:
    // Emptied: created or cut to nothing; Kept: created when missing, else as it is.
    enum class Opening { Existing, Emptied, Kept };
    explicit RecordFile(const std::string& path, Opening opening = Opening::Existing);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    void seek(std::int64_t offset);
    void read(std::span<unsigned char> bytes);
    void write(std::span<const unsigned char> bytes);
    // Fails with "Disk full" unless the filesystem holding this file has room for every page
    // these extents touch (of this file or of another on the same filesystem): on a
    // copy-on-write filesystem even a write in place needs new pages.
    void requireSpace(std::span<const Extent> extents);
    // Makes a longer file end at `size`; a shorter one stays as it is.
    void cutTo(std::int64_t size);
    std::int64_t size();
    FileIdentity identity();
    const std::string& path() const { return path_; }
    bool isOpen() const { return fd_ >= 0; }
    // Flushes what was written to the disk.
    void sync();
    // The same for the bytes and the size only, not the times: what a change in place needs.
    void syncData();
    void close();

  private:
    friend std::string writeTemporary(const std::string&, const std::function<void(RecordFile&)>&);
    RecordFile(const std::string& path, int fd);
    [[noreturn]] void fail(int errorNumber) const;

    std::string path_;
    int fd_ = -1;
};

// Writes a complete new file: `fill` writes into a temporary file of its own in the same folder
// (one that did not exist before), which is flushed and then renamed to `path`; the folder is
// flushed after. On any failure that temporary file is removed and the error rethrown, so
// `path` either does not change or holds the whole new file, and nothing else in the folder is
// touched.
void createFile(const std::string& path, const std::function<void(RecordFile&)>& fill);
// The first half of that: the new file under its temporary name, flushed and closed; returns
// that name. On failure nothing is left.
std::string writeTemporary(const std::string& path, const std::function<void(RecordFile&)>& fill);
// Renames, checked (and seen by the test seam as a Rename of `to`).
void renameFile(const std::string& from, const std::string& to);

}  // namespace store
