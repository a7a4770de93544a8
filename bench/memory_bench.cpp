// The learning memory: keeping one answer (on disk, with its commit), and `ordlykta due` over
// three full languages (29,400 pairs) with 100,000 answers kept.

#include <benchmark/benchmark.h>

#include <sstream>

#include "Answers.h"
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

void DueThreeFullLanguages(benchmark::State& state) {
    bench::ScratchFolder folder;
    bench::fillAnswers((folder.path / memory::kDatabaseName).string());
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
