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

enum class FileOp { Open, Create, Seek, Read, Write, Close, Rename };

// Test seam: consulted before every file operation. A non-zero result makes that operation
// fail as if the system had returned that error number; kShortRead makes a read come back short.
using FaultHook = std::function<int(FileOp, const std::string& path)>;
inline constexpr int kShortRead = -1;
void setFaultHook(FaultHook hook);

bool fileExists(const std::string& path);

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
    void write(std::span<const unsigned char> bytes);
    void close();

  private:
    friend void createFile(const std::string&, const std::function<void(RecordFile&)>&);
    RecordFile(const std::string& path, int fd);
    [[noreturn]] void fail(int errorNumber) const;

    std::string path_;
    int fd_ = -1;
};

// Writes a complete new file: `fill` writes into a temporary file of its own in the same folder
// (one that did not exist before), which is then renamed to `path`. On any failure that
// temporary file is removed and the error rethrown, so `path` either does not change or holds
// the whole new file, and nothing else in the folder is touched.
void createFile(const std::string& path, const std::function<void(RecordFile&)>& fill);

}  // namespace store
