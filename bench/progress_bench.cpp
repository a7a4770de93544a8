// "Framsteg" opened on a language of 98 full lists with 100,000 recorded answers, against the
// same lists with no history; the ratio of the two is printed after the run.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <random>

#include "bench/BenchSupport.h"
#include "memory/Clock.h"
#include "memory/Database.h"
#include "store/Settings.h"
#include "window/Asker.h"
#include "window/ProgressPage.h"

namespace {

constexpr int kAnswers = 100000;
constexpr int kDays = 120;
constexpr int kToday = 20800;

class NoAsker : public window::Asker {
  public:
    void error(const QString&) override {}
    bool confirm(const QString&) override { return false; }
    QString openFile(const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    void print(const QString&, bool) override {}
};

void exec(sqlite3* db, const char* sql) {
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// 100,000 answers on the pairs of language 1 over four months, a pair's first answer of a day
// rating it; written in one transaction, as a year of drills would have left them.
void recordHistory(const std::string& path) {
    memory::Database(path, true);  // the schema
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    exec(db, "BEGIN");
    sqlite3_stmt* pair = nullptr;
    sqlite3_stmt* answer = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO pairs(id, language, swedish, other, list, stability, "
                       "difficulty, last_day, interval, reps, lapses) VALUES(?, 1, ?, 'annat ord', "
                       "?, ?, 5, ?, ?, ?, ?)",
                       -1, &pair, nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO answers(pair, at, offset, list, typed, right, first) "
                       "VALUES(?, ?, 3600, ?, ?, ?, 1)",
                       -1, &answer, nullptr);
    std::mt19937 random(7);
    const int pairs = store::kUserListCount * store::kMaxPairCount;
    for (int p = 0; p < pairs; ++p) {
        const std::string swedish = "svenska ord " + std::to_string(p % store::kMaxPairCount + 1);
        const int list = p / store::kMaxPairCount + 1;
        // Every list's words are the same text: the key is the list's own, as the file holds it.
        const std::string key = swedish + " " + std::to_string(list);
        sqlite3_bind_int(pair, 1, p + 1);
        sqlite3_bind_blob(pair, 2, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(pair, 3, list);
        sqlite3_bind_double(pair, 4, 1 + p % 30);
        sqlite3_bind_int(pair, 5, kToday - p % 20);
        sqlite3_bind_int(pair, 6, 1 + p % 30);
        sqlite3_bind_int(pair, 7, 1 + p % 12);
        sqlite3_bind_int(pair, 8, p % 5);
        sqlite3_step(pair);
        sqlite3_reset(pair);
    }
    for (int a = 0; a < kAnswers; ++a) {
        const int p = static_cast<int>(random() % pairs);
        const std::int64_t day = kToday - static_cast<int>(random() % kDays);
        const bool right = random() % 4 != 0;
        sqlite3_bind_int(answer, 1, p + 1);
        sqlite3_bind_int64(answer, 2, day * 86400 + 12 * 3600 + a % 3600);
        sqlite3_bind_int(answer, 3, p / store::kMaxPairCount + 1);
        sqlite3_bind_text(answer, 4, right ? "annat ord" : "fel", -1, SQLITE_STATIC);
        sqlite3_bind_int(answer, 5, right ? 1 : 0);
        sqlite3_step(answer);
        sqlite3_reset(answer);
    }
    sqlite3_finalize(pair);
    sqlite3_finalize(answer);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

// A language of 98 full lists whose pairs are the keys recordHistory uses.
void fullLanguage() {
    store::createSettings();
    store::createWordList(1);
    store::WordListFile file(1);
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        for (int slot = 1; slot <= store::kMaxPairCount; ++slot) {
            file.write(
                list, slot,
                {store::kMaxPairCount,
                 "svenska ord " + std::to_string(slot) + " " + std::to_string(list), "annat ord"});
        }
        file.writeHeader(
            list, {store::kMaxPairCount, "Lista " + std::to_string(list), std::string(30, ' ')});
    }
    file.close();
}

double meanMs[2];

void Open(benchmark::State& state) {
    bench::ScratchFolder folder;
    fullLanguage();
    const bool history = state.range(0) != 0;
    if (history) {
        recordHistory((folder.path / memory::kDatabaseName).string());
    }
    NoAsker asker;
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window::Operations operations(QString::fromStdString(folder.path.string()));
        window::ProgressPage page(operations, asker);
        page.setClock([] { return kToday; });
        page.reload();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    meanMs[history ? 1 : 0] = total / static_cast<double>(state.iterations());
    state.SetLabel(history ? "100,000 answers" : "no history");
}
BENCHMARK(Open)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("Framsteg opened: %.1f ms with 100,000 answers, %.1f ms with none: ratio %.2f\n",
                meanMs[1], meanMs[0], meanMs[1] / meanMs[0]);
    return 0;
}
