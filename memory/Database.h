#pragma once
// The answers database beside the word-list files: every answer typed in a quiz, every pair a
// learn screen showed, and each pair's schedule (SQLite, WAL). A pair is known by its language
// and its two words as the word-list file stores them (Windows-1252 bytes), so that its history
// follows it from list to list and a pair whose words change starts afresh. Each recording is
// one transaction.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "memory/Clock.h"
#include "memory/Fsrs.h"

struct sqlite3;

namespace memory {

inline constexpr const char* kDatabaseName = "ordlykta.db";

struct PairKey {
    int language = 0;
    std::string swedish;  // as stored: Windows-1252
    std::string other;

    bool operator==(const PairKey&) const = default;
};

// One typed answer as a quiz screen gives it.
struct Answer {
    PairKey pair;
    int list = 0;       // the list it was asked from
    std::string typed;  // as compared: Windows-1252, cut to the word length
    bool right = false;
    bool first = true;  // false for a repeat of the wrongly answered pairs
};

struct AnswerRecord {
    Moment at;
    bool right = false;
    std::string typed;
    bool first = true;
};

// A pair with a schedule: answered at least once.
struct PairState {
    PairKey pair;
    int list = 0;  // the list it was last asked from
    Schedule schedule;
};

struct PairHistory {
    PairState state;
    std::vector<AnswerRecord> answers;  // oldest first
};

// A test day set for a list: until then the list's schedule plans for it (memory/TestDay.h).
struct TestDay {
    int language = 0;
    int list = 0;
    int day = 0;  // the learner's day of the test

    bool operator==(const TestDay&) const = default;
};

// What went wrong, so that the keeper knows whether to set the file aside.
class Error : public std::runtime_error {
  public:
    enum class Kind { Damaged, Busy, Full, Other };
    Error(Kind kind, const std::string& text) : std::runtime_error(text), kind_(kind) {}
    Kind kind() const { return kind_; }

  private:
    Kind kind_;
};

class Database {
  public:
    enum class Access { Create, Write, Read };
    // Opens the database at `path`; unless made (Create) a missing file is an Error of kind
    // Other and nothing is made. Checks that the file is a database of this program's kind.
    // Read opens it for reading only and changes nothing.
    Database(const std::string& path, Access access);
    Database(const std::string& path, bool create)
        : Database(path, create ? Access::Create : Access::Write) {}
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Records an answer at `at`; the day's first answer of the pair moves its schedule.
    void recordAnswer(const Answer& answer, const Moment& at);
    // Records that a learn screen showed the pair.
    void recordShown(const PairKey& pair, int list, const Moment& at);

    // Every pair with a schedule, of one language (1..3) or all (0), by language, list, words.
    std::vector<PairState> pairs(int language) const;
    // Of those the pairs due by `today` (due day <= today), in the same order.
    std::vector<PairState> dueBy(int language, int today) const;
    // The earliest due day after `today`; -1 when no pair is due after it.
    int nextDueAfter(int language, int today) const;
    // The same with their answers.
    std::vector<PairHistory> history(int language) const;

    // Sets the test day of a list, or with no day clears it.
    void setTestDay(int language, int list, std::optional<int> day);
    // The test days set, of one language (1..3) or all (0), by language and list.
    std::vector<TestDay> testDays(int language) const;

    // SQLite's integrity check: empty when sound, else its findings.
    std::vector<std::string> integrityCheck() const;
    // A consistent copy of the whole database into a new file at `path`.
    void copyTo(const std::string& path) const;

  private:
    void exec(const char* sql) const;
    // The first column of the first row.
    int single(const char* sql) const;
    sqlite3* db_ = nullptr;
};

// True when an existing file at `path` exists (a database or not).
bool databaseExists(const std::string& path);

}  // namespace memory
