// The costly file operations, on full files in a scratch folder.

#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include "store/WordList.h"

namespace {

using bench::fillAllLists;
using bench::ScratchFolder;

void CreateWordList(benchmark::State& state) {
    ScratchFolder folder;
    for (auto _ : state) {
        store::createWordList(1);
    }
}
BENCHMARK(CreateWordList)->Unit(benchmark::kMillisecond);

void ListOverviewOfFullFile(benchmark::State& state) {
    ScratchFolder folder;
    fillAllLists(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store::listOverview(1, 42));
    }
}
BENCHMARK(ListOverviewOfFullFile)->Unit(benchmark::kMicrosecond);

void ReadOnePair(benchmark::State& state) {
    ScratchFolder folder;
    fillAllLists(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store::readPair(1, 42, 17));
    }
}
BENCHMARK(ReadOnePair)->Unit(benchmark::kMicrosecond);

}  // namespace
