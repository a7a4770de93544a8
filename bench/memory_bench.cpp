// The learning memory: keeping one answer (on disk, with its commit), and `ordlykta due` over
// three full languages (29,400 pairs) with 100,000 answers kept.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <sstream>

#include "BenchSupport.h"
#include "memory/Database.h"
#include "memory/Memory.h"
#include "tool/Tool.h"

namespace {

void RecordAnswer(benchmark::State& state) {
    bench::ScratchFolder folder;
    memory::Keeper keeper(folder.path.string(), memory::systemNow);
    int n = 0;
    for (auto _ : state) {
        const std::string word = "ord " + std::to_string(n++ % 500);
        keeper.answered({{1, word, "word"}, 1, "word", n % 3 != 0, true});
    }
}
BENCHMARK(RecordAnswer)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// 98 lists of 100 pairs in each language, answered over the last 60 days, each due again 20 to
// 80 days after its last answer: about one pair in eight is due.
void fillAnswers(const std::string& path) {
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

void DueThreeFullLanguages(benchmark::State& state) {
    bench::ScratchFolder folder;
    fillAnswers((folder.path / memory::kDatabaseName).string());
    const QString data = QString::fromStdString(folder.path.string());
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(tool::run({"due", "--json", "--data", data}, out, err));
    }
}
BENCHMARK(DueThreeFullLanguages)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
