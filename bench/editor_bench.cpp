// The list editor's costliest change: a pair inserted at the front of a list of 98 pairs, which
// moves every pair one slot on.

#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include "editor/ListEdits.h"
#include "store/WordList.h"

namespace {

using bench::ScratchFolder;

constexpr int kList = 42;
constexpr int kFullByButtons = 98;

void setCount(int count) {
    store::WordRecord header = store::readHeader(1, kList);
    header.number = count;
    store::writeHeader(1, kList, header);
}

void InsertAtFrontOfFullList(benchmark::State& state) {
    ScratchFolder folder;
    store::createWordList(1);
    {
        store::WordListFile file(1);
        for (int slot = 1; slot <= kFullByButtons; ++slot) {
            file.write(kList, slot, {kFullByButtons, "svenska ord " + std::to_string(slot), "ord"});
        }
        file.close();
    }
    for (auto _ : state) {
        state.PauseTiming();
        setCount(kFullByButtons);
        state.ResumeTiming();
        benchmark::DoNotOptimize(listedit::insertPair(1, kList, 1, "nytt", "new"));
    }
}
BENCHMARK(InsertAtFrontOfFullList)->Unit(benchmark::kMicrosecond);

void RemoveFromFrontOfFullList(benchmark::State& state) {
    ScratchFolder folder;
    store::createWordList(1);
    for (auto _ : state) {
        state.PauseTiming();
        setCount(kFullByButtons);
        state.ResumeTiming();
        benchmark::DoNotOptimize(listedit::removePair(1, kList, 1));
    }
}
BENCHMARK(RemoveFromFrontOfFullList)->Unit(benchmark::kMicrosecond);

}  // namespace
