#pragma once
// An answers database as three full languages answered over two months leave it, for the
// benchmarks and the start-up measurement.

#include <sqlite3.h>

#include <string>

#include "memory/Clock.h"
#include "memory/Database.h"

namespace bench {

// 98 lists of 100 pairs in each language, answered over the last 60 days, each due again 20 to
// 80 days after its last answer: about one pair in four is due.
inline void fillAnswers(const std::string& path) {
    { memory::Database create(path, true); }
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* pair = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO pairs(language, swedish, other, list, stability, difficulty, "
                       "last_day, interval, reps, lapses) VALUES(?, ?, 'annat ord', ?, ?, 5, ?, "
                       "?, 3, 1)",
                       -1, &pair, nullptr);
    sqlite3_stmt* answer = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO answers(pair, at, offset, list, typed, right, first) "
                       "VALUES(?, ?, 3600, ?, 'annat ord', 1, 1)",
                       -1, &answer, nullptr);
    const memory::Moment now = memory::systemNow();
    const int today = memory::dayOf(now);
    int answers = 0;
    int id = 0;
    for (int language = 1; language <= 3; ++language) {
        for (int list = 1; list <= 98; ++list) {
            for (int slot = 1; slot <= 100; ++slot) {
                ++id;
                const std::string word = "ord " + std::to_string(list) + " " + std::to_string(slot);
                sqlite3_bind_int(pair, 1, language);
                sqlite3_bind_text(pair, 2, word.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(pair, 3, list);
                sqlite3_bind_double(pair, 4, 1 + id % 40);
                sqlite3_bind_int(pair, 5, today - id % 60);
                sqlite3_bind_int(pair, 6, 20 + id % 61);
                sqlite3_step(pair);
                sqlite3_reset(pair);
                for (int k = 0; k < 4 && answers < 100000; ++k, ++answers) {
                    sqlite3_bind_int(answer, 1, id);
                    sqlite3_bind_int64(answer, 2, now.seconds - (id % 60) * 86400 - k);
                    sqlite3_bind_int(answer, 3, list);
                    sqlite3_step(answer);
                    sqlite3_reset(answer);
                }
            }
        }
    }
    sqlite3_finalize(pair);
    sqlite3_finalize(answer);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

}  // namespace bench
