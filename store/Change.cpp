#include "store/Change.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <random>
#include <stdexcept>
#include <thread>

namespace store {
namespace {

// How often a reader tries again while changes go on under it, and how long it waits between.
constexpr int kReadAttempts = 100;
constexpr auto kReadPause = std::chrono::milliseconds(5);

FileShape shapeOf(const std::string& path) {
    const auto shape = dataFileShape(fileNameOf(path));
    if (!shape) {
        throw std::logic_error(path + " is no data file");
    }
    return *shape;
}

bool onRecords(const Extent& e, const FileShape& shape) {
    return e.offset >= 0 && e.length >= 0 && e.offset % shape.record == 0 &&
           e.length % shape.record == 0 && e.offset <= shape.size - e.length;
}

// Whether `journal` may be written back into a data file of `shape` that is `file` and
// `size` bytes long now.
bool fits(const JournalContent& journal, const FileShape& shape, const FileIdentity& file,
          std::int64_t size) {
    return journal.file == file && journal.fileSize == shape.size && size == shape.size &&
           std::all_of(journal.entries.begin(), journal.entries.end(), [&](const JournalEntry& e) {
               return onRecords({e.offset, static_cast<std::int64_t>(e.bytes.size())}, shape);
           });
}

std::uint64_t randomNonce() {
    static std::mt19937_64 random{std::random_device{}()};
    std::uint64_t nonce = 0;
    while (nonce == 0) {
        nonce = random();
    }
    return nonce;
}

void writeBack(RecordFile& file, const JournalContent& journal) {
    for (const JournalEntry& entry : journal.entries) {
        file.seek(entry.offset);
        file.write(entry.bytes);
    }
    file.sync();
}

// The kept journal beside `path`, opened or made; none in a folder that denies new files where
// the file itself may be written (the change is made as before there was a journal, rolled back
// from memory should it fail). A journal file that is there but cannot be opened may be live:
// that is an error.
std::unique_ptr<RecordFile> openJournal(const std::string& path) {
    const std::string name = journalPath(path);
    try {
        return std::make_unique<RecordFile>(name, RecordFile::Opening::Kept);
    } catch (const IoError& e) {
        if (e.what() != ioErrorText(EACCES) || fileExists(name)) {
            throw;
        }
        return nullptr;
    }
}

}  // namespace

Change::Change(RecordFile& file, std::span<const Extent> extents) : file_(file) {
    const FileShape shape = shapeOf(file.path());
    for (const Extent& e : extents) {
        if (!onRecords(e, shape)) {
            throw std::logic_error("a change of " + file.path() + " off its records");
        }
    }
    journal_ = openJournal(file.path());
    std::int64_t kept = 0;
    if (journal_) {
        const JournalState state = readJournal(*journal_);
        original_.generation = state.generation + 1;
        kept = journal_->size();
        if (state.live && fits(*state.live, shape, file.identity(), file.size())) {
            writeBack(file, *state.live);  // an earlier change that could not be written back
        }
    }
    const std::int64_t size = file.size();
    if (size != shape.size) {
        throw IoError(size < shape.size ? kReadBeyondEnd : ioErrorText(EFBIG));
    }
    original_.nonce = randomNonce();
    original_.fileSize = size;
    original_.file = file.identity();
    for (const Extent& extent : extents) {
        JournalEntry entry{extent.offset,
                           std::vector<unsigned char>(static_cast<std::size_t>(extent.length))};
        file.seek(extent.offset);
        file.read(entry.bytes);
        original_.entries.push_back(std::move(entry));
    }
    std::vector<Extent> pages(extents.begin(), extents.end());
    if (journal_) {
        pages.push_back({0, journalWriteSize(original_, kept)});
    }
    file.requireSpace(pages);
    if (journal_) {
        try {
            writeJournal(*journal_, original_);
        } catch (const IoError&) {
            // Nothing of the file changed: a journal written whole but not flushed must not be
            // taken for a change (were it, it would write back what is there).
            try {
                markJournalEmpty(*journal_, original_.generation);
            } catch (const IoError&) {
            }
            throw;
        }
    }
}

Change::~Change() {
    if (!done_) {
        rollBack();  // best effort: what failed was told already; a journal left stays
    }
}

void Change::write(std::int64_t offset, std::span<const unsigned char> bytes) {
    try {
        file_.seek(offset);
        file_.write(bytes);
    } catch (const IoError&) {
        rollBack();
        throw;
    }
}

void Change::commit() {
    // Closed before the journal is marked empty, so that no error of this file can come after
    // the change stands; an error up to here undoes it, as the caller is told.
    try {
        file_.syncData();
        file_.close();
        if (journal_) {
            markJournalEmpty(*journal_, original_.generation);
            journal_->close();
        }
    } catch (const IoError&) {
        rollBack();
        throw;
    }
    done_ = true;
    journal_.reset();
}

void Change::rollBack() {
    done_ = true;
    const std::unique_ptr<RecordFile> journal = std::move(journal_);
    try {
        if (file_.isOpen()) {
            writeBack(file_, original_);
        } else {
            RecordFile file(file_.path());  // closed by commit
            writeBack(file, original_);
            file.close();
        }
        if (journal) {
            markJournalEmpty(*journal, original_.generation);
            journal->close();
        }
    } catch (const IoError&) {
        // The journal stays live for the next change or lock holder; readers see the file as it
        // was before the change.
    }
}

std::optional<JournalContent> fittingJournal(const std::string& path) {
    const auto shape = dataFileShape(fileNameOf(path));
    JournalState state = readJournalAt(journalPath(path));
    if (!shape || !state.live || !fileExists(path)) {
        return std::nullopt;
    }
    RecordFile file(path);
    const bool fit = fits(*state.live, *shape, file.identity(), file.size());
    file.close();
    return fit ? std::move(state.live) : std::nullopt;
}

JournalFit journalFit(const std::string& path) {
    if (!readJournalAt(journalPath(path)).live) {
        return JournalFit::None;
    }
    return fittingJournal(path) ? JournalFit::Fits : JournalFit::LeftAlone;
}

void layOver(const JournalContent& journal, std::int64_t offset, std::span<unsigned char> bytes) {
    const std::int64_t end = offset + static_cast<std::int64_t>(bytes.size());
    for (const JournalEntry& entry : journal.entries) {
        const std::int64_t entryEnd = entry.offset + static_cast<std::int64_t>(entry.bytes.size());
        const std::int64_t from = std::max(offset, entry.offset);
        const std::int64_t to = std::min(end, entryEnd);
        if (from < to) {
            std::copy(entry.bytes.begin() + (from - entry.offset),
                      entry.bytes.begin() + (to - entry.offset), bytes.begin() + (from - offset));
        }
    }
}

bool rollBackJournal(const std::string& path) {
    const auto journal = fittingJournal(path);
    if (!journal) {
        return false;
    }
    RecordFile file(path);
    writeBack(file, *journal);
    file.close();
    RecordFile kept(journalPath(path));
    markJournalEmpty(kept, journal->generation);
    kept.close();
    return true;
}

std::vector<unsigned char> readCommitted(const std::string& path, std::size_t limit) {
    const std::string journal = journalPath(path);
    const auto shape = dataFileShape(fileNameOf(path));
    for (int attempt = 1; attempt <= kReadAttempts; ++attempt) {
        const JournalState before = readJournalAt(journal);
        FileIdentity file;
        std::vector<unsigned char> bytes = readFileStart(path, limit, &file);
        // No change began while the file was read: it is the file of `before`, changed or not.
        if (readJournalAt(journal).generation == before.generation) {
            if (before.live && shape &&
                fits(*before.live, *shape, file, static_cast<std::int64_t>(bytes.size()))) {
                layOver(*before.live, 0, bytes);
            }
            return bytes;
        }
        std::this_thread::sleep_for(kReadPause);
    }
    throw IoError(path + ": " + ioErrorText(EBUSY));
}

Recovered recoverFolder(const std::string& folder, std::span<const std::string> names) {
    Recovered recovered;
    for (const std::string& name : names) {
        if (rollBackJournal(inFolder(folder, name))) {
            recovered.rolledBack.push_back(name);
        }
    }
    recovered.intentCompleted = completeIntent(folder);
    std::vector<std::string> targets(names.begin(), names.end());
    targets.emplace_back(kIntentName);
    recovered.temporariesRemoved = removeTemporaryFiles(folder, targets);
    return recovered;
}

}  // namespace store
