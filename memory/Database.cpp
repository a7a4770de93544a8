#include "memory/Database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <limits>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace memory {
namespace {

// This program's mark in the database header, so that another program's database is not taken
// for ours.
constexpr int kApplicationId = 0x4f4c4b54;  // "OLKT"
constexpr int kBusyMilliseconds = 200;

const char* const kSchema = R"(
CREATE TABLE IF NOT EXISTS pairs(
  id INTEGER PRIMARY KEY, language INTEGER NOT NULL, swedish BLOB NOT NULL, other BLOB NOT NULL,
  list INTEGER NOT NULL, stability REAL NOT NULL DEFAULT 0, difficulty REAL NOT NULL DEFAULT 0,
  last_day INTEGER NOT NULL DEFAULT 0, interval INTEGER NOT NULL DEFAULT 0,
  reps INTEGER NOT NULL DEFAULT 0, lapses INTEGER NOT NULL DEFAULT 0,
  UNIQUE(language, swedish, other));
CREATE TABLE IF NOT EXISTS answers(
  id INTEGER PRIMARY KEY, pair INTEGER NOT NULL REFERENCES pairs(id), at INTEGER NOT NULL,
  offset INTEGER NOT NULL, list INTEGER NOT NULL, typed BLOB NOT NULL, right INTEGER NOT NULL,
  first INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS answers_by_pair ON answers(pair, id);
CREATE TABLE IF NOT EXISTS shown(
  id INTEGER PRIMARY KEY, pair INTEGER NOT NULL REFERENCES pairs(id), at INTEGER NOT NULL,
  offset INTEGER NOT NULL, list INTEGER NOT NULL);
)";

// Made with the first test day, so that a database made before test days still opens as it is.
const char* const kTestDays =
    "CREATE TABLE IF NOT EXISTS testdays(language INTEGER NOT NULL, list INTEGER NOT NULL, "
    "day INTEGER NOT NULL, PRIMARY KEY(language, list))";

Error::Kind kindOf(int rc) {
    switch (rc & 0xff) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return Error::Kind::Damaged;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Error::Kind::Busy;
        case SQLITE_FULL:
            return Error::Kind::Full;
        default:
            return Error::Kind::Other;
    }
}

[[noreturn]] void fail(sqlite3* db, int rc) {
    const std::string text = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw Error(kindOf(rc), text);
}

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        fail(db, rc);
    }
}

// One prepared statement, finalized however the caller leaves.
class Statement {
  public:
    Statement(sqlite3* db, const char* sql) : db_(db) {
        check(db, sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr));
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::int64_t value) {
        check(db_, sqlite3_bind_int64(statement_, index, value));
        return *this;
    }
    Statement& bind(int index, double value) {
        check(db_, sqlite3_bind_double(statement_, index, value));
        return *this;
    }
    Statement& bind(int index, const std::string& bytes) {
        check(db_, sqlite3_bind_blob(statement_, index, bytes.data(),
                                     static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
        return *this;
    }
    // True while there is a row.
    bool step() {
        const int rc = sqlite3_step(statement_);
        check(db_, rc);
        return rc == SQLITE_ROW;
    }
    std::int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }
    int number(int column) const { return sqlite3_column_int(statement_, column); }
    double real(int column) const { return sqlite3_column_double(statement_, column); }
    std::string bytes(int column) const {
        const void* data = sqlite3_column_blob(statement_, column);
        const int size = sqlite3_column_bytes(statement_, column);
        return data != nullptr
                   ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(size))
                   : std::string();
    }

  private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

// A write transaction, rolled back unless committed.
class Transaction {
  public:
    explicit Transaction(sqlite3* db) : db_(db) {
        check(db, sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr));
    }
    ~Transaction() {
        if (!done_) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    void commit() {
        check(db_, sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr));
        done_ = true;
    }

  private:
    sqlite3* db_;
    bool done_ = false;
};

// The pair's row, made when it is first met; its list becomes the one it was asked from.
std::int64_t pairId(sqlite3* db, const PairKey& pair, int list) {
    Statement upsert(db,
                     "INSERT INTO pairs(language, swedish, other, list) VALUES(?, ?, ?, ?) "
                     "ON CONFLICT(language, swedish, other) DO UPDATE SET list = excluded.list "
                     "RETURNING id");
    upsert.bind(1, std::int64_t{pair.language}).bind(2, pair.swedish).bind(3, pair.other);
    upsert.bind(4, std::int64_t{list});
    upsert.step();
    const std::int64_t id = upsert.integer(0);
    while (upsert.step()) {
    }
    return id;
}

const char* const kPairColumns =
    "p.language, p.swedish, p.other, p.list, p.stability, p.difficulty, p.last_day, p.interval, "
    "p.reps, p.lapses";

PairState pairOf(const Statement& row) {
    PairState p;
    p.pair = {row.number(0), row.bytes(1), row.bytes(2)};
    p.list = row.number(3);
    p.schedule = {row.real(4),   row.real(5),   row.number(6),
                  row.number(7), row.number(8), row.number(9)};
    return p;
}

}  // namespace

bool databaseExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

Database::Database(const std::string& path, Access access) {
    const bool create = access == Access::Create;
    if (!create && !databaseExists(path)) {
        throw Error(Error::Kind::Other, "no database");
    }
    const int flags = access == Access::Read
                          ? SQLITE_OPEN_READONLY
                          : SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string text = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        throw Error(kindOf(rc), text);
    }
    try {
        sqlite3_busy_timeout(db_, kBusyMilliseconds);
        sqlite3_extended_result_codes(db_, 1);
        const int application = single("PRAGMA application_id");
        const int tables = single("SELECT count(*) FROM sqlite_schema");
        if (application != kApplicationId && tables > 0) {
            throw Error(Error::Kind::Damaged, "not an answers database");
        }
        if (access == Access::Read) {
            return;
        }
        exec("PRAGMA journal_mode = WAL");
        // Each answer's commit survives a kill of the program; a power cut may take the last
        // few answers with it (never the database's soundness), which keeps an answer's commit
        // well under a millisecond.
        exec("PRAGMA synchronous = NORMAL");
        if (tables == 0) {
            exec("BEGIN IMMEDIATE");
            exec(kSchema);
            exec(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
            exec("COMMIT");
        }
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
}

Database::~Database() {
    sqlite3_close(db_);
}

int Database::single(const char* sql) const {
    Statement query(db_, sql);
    query.step();
    return query.number(0);
}

void Database::exec(const char* sql) const {
    check(db_, sqlite3_exec(db_, sql, nullptr, nullptr, nullptr));
}

void Database::recordAnswer(const Answer& answer, const Moment& at) {
    Transaction transaction(db_);
    const std::int64_t id = pairId(db_, answer.pair, answer.list);
    Statement read(db_,
                   (std::string("SELECT ") + kPairColumns + " FROM pairs p WHERE id = ?").c_str());
    read.bind(1, id);
    read.step();
    const Schedule before = pairOf(read).schedule;
    const int day = dayOf(at);
    // Only the day's first answer rates the pair; a clock put back changes nothing either.
    if (before.isNew() || day > before.lastDay) {
        const Schedule after = rate(before, answer.right, day);
        Statement update(db_,
                         "UPDATE pairs SET stability = ?, difficulty = ?, last_day = ?, "
                         "interval = ?, reps = ?, lapses = ? WHERE id = ?");
        update.bind(1, after.stability).bind(2, after.difficulty);
        update.bind(3, std::int64_t{after.lastDay}).bind(4, std::int64_t{after.interval});
        update.bind(5, std::int64_t{after.reps}).bind(6, std::int64_t{after.lapses}).bind(7, id);
        update.step();
    }
    Statement insert(db_,
                     "INSERT INTO answers(pair, at, offset, list, typed, right, first) "
                     "VALUES(?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, id).bind(2, at.seconds).bind(3, std::int64_t{at.offset});
    insert.bind(4, std::int64_t{answer.list}).bind(5, answer.typed);
    insert.bind(6, std::int64_t{answer.right}).bind(7, std::int64_t{answer.first});
    insert.step();
    transaction.commit();
}

void Database::recordShown(const PairKey& pair, int list, const Moment& at) {
    Transaction transaction(db_);
    const std::int64_t id = pairId(db_, pair, list);
    Statement insert(db_, "INSERT INTO shown(pair, at, offset, list) VALUES(?, ?, ?, ?)");
    insert.bind(1, id).bind(2, at.seconds).bind(3, std::int64_t{at.offset});
    insert.bind(4, std::int64_t{list});
    insert.step();
    transaction.commit();
}

std::vector<PairState> Database::pairs(int language) const {
    return dueBy(language, std::numeric_limits<int>::max());
}

std::vector<PairState> Database::dueBy(int language, int today) const {
    // Only the due rows leave SQLite: on a full history most pairs are not due, and reading
    // and sorting them all took most of `ordlykta due`'s time. One pass over the table and a
    // sort of what is due beats walking the words' index, which seeks each row apart.
    Statement select(db_,
                     (std::string("SELECT ") + kPairColumns +
                      " FROM pairs p NOT INDEXED WHERE p.reps > 0 AND (? = 0 OR p.language = ?) "
                      "AND p.last_day + p.interval <= ? "
                      "ORDER BY p.language, p.list, p.swedish, p.other")
                         .c_str());
    select.bind(1, std::int64_t{language}).bind(2, std::int64_t{language});
    select.bind(3, std::int64_t{today});
    std::vector<PairState> result;
    while (select.step()) {
        result.push_back(pairOf(select));
    }
    return result;
}

int Database::nextDueAfter(int language, int today) const {
    Statement select(db_,
                     "SELECT coalesce(min(last_day + interval), -1) FROM pairs WHERE reps > 0 "
                     "AND (? = 0 OR language = ?) AND last_day + interval > ?");
    select.bind(1, std::int64_t{language}).bind(2, std::int64_t{language});
    select.bind(3, std::int64_t{today});
    select.step();
    return select.number(0);
}

std::vector<PairHistory> Database::history(int language) const {
    // Two plain scans, the answers in the order they were kept: sorting a join of every answer
    // with its pair's words costs far more once there are many.
    Statement pairs(db_, (std::string("SELECT ") + kPairColumns +
                          ", p.id FROM pairs p WHERE ? = 0 OR p.language = ?")
                             .c_str());
    pairs.bind(1, std::int64_t{language}).bind(2, std::int64_t{language});
    std::vector<PairHistory> result;
    std::unordered_map<std::int64_t, std::size_t> byId;
    while (pairs.step()) {
        byId.emplace(pairs.integer(10), result.size());
        result.push_back({pairOf(pairs), {}});
    }
    Statement answers(db_, "SELECT pair, at, offset, right, typed, first FROM answers ORDER BY id");
    while (answers.step()) {
        const auto found = byId.find(answers.integer(0));
        if (found != byId.end()) {
            result[found->second].answers.push_back({{answers.integer(1), answers.number(2)},
                                                     answers.number(3) != 0,
                                                     answers.bytes(4),
                                                     answers.number(5) != 0});
        }
    }
    // Pairs only shown have no answers, and no history.
    std::erase_if(result, [](const PairHistory& h) { return h.answers.empty(); });
    std::sort(result.begin(), result.end(), [](const PairHistory& a, const PairHistory& b) {
        const PairState& x = a.state;
        const PairState& y = b.state;
        return std::tie(x.pair.language, x.list, x.pair.swedish, x.pair.other) <
               std::tie(y.pair.language, y.list, y.pair.swedish, y.pair.other);
    });
    return result;
}

void Database::setTestDay(int language, int list, std::optional<int> day) {
    Transaction transaction(db_);
    exec(kTestDays);
    Statement change(db_, day ? "INSERT OR REPLACE INTO testdays(language, list, day) "
                                "VALUES(?, ?, ?)"
                              : "DELETE FROM testdays WHERE language = ? AND list = ?");
    change.bind(1, std::int64_t{language}).bind(2, std::int64_t{list});
    if (day) {
        change.bind(3, std::int64_t{*day});
    }
    change.step();
    transaction.commit();
}

std::vector<TestDay> Database::testDays(int language) const {
    std::vector<TestDay> result;
    if (single("SELECT count(*) FROM sqlite_schema WHERE name = 'testdays'") == 0) {
        return result;
    }
    Statement select(db_,
                     "SELECT language, list, day FROM testdays WHERE ? = 0 OR language = ? "
                     "ORDER BY language, list");
    select.bind(1, std::int64_t{language}).bind(2, std::int64_t{language});
    while (select.step()) {
        result.push_back({select.number(0), select.number(1), select.number(2)});
    }
    return result;
}

std::vector<std::string> Database::integrityCheck() const {
    Statement check(db_, "PRAGMA integrity_check");
    std::vector<std::string> findings;
    while (check.step()) {
        const std::string line = check.bytes(0);
        if (line != "ok") {
            findings.push_back(line);
        }
    }
    return findings;
}

void Database::copyTo(const std::string& path) const {
    sqlite3* target = nullptr;
    int rc =
        sqlite3_open_v2(path.c_str(), &target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(target, "main", db_, "main");
        if (backup == nullptr) {
            rc = sqlite3_errcode(target);
        } else {
            sqlite3_backup_step(backup, -1);
            rc = sqlite3_backup_finish(backup);
        }
    }
    if (rc != SQLITE_OK) {
        const std::string text = target != nullptr ? sqlite3_errmsg(target) : sqlite3_errstr(rc);
        sqlite3_close(target);
        throw Error(kindOf(rc), text);
    }
    // One file: the copy holds every page itself, no write-ahead log beside it.
    sqlite3_exec(target, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    sqlite3_close(target);
}

}  // namespace memory
