// The list editor's costliest change: a pair inserted at the front of a list of 98 pairs, which
// moves every pair one slot on; and its commonest, a pair appended, with and without the flush
// to the disk that ends every change, and with and without the rollback journal. The flush costs
// what the disk makes it cost: run with TMPDIR on the disk the data lives on (a tmpfs flushes for
// free).

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

// Times `change`, with the list's count set back to `count` (untimed) before each run.
template <typename Change>
void timeFromCount(benchmark::State& state, int count, Change change) {
    for (auto _ : state) {
        state.PauseTiming();
        setCount(count);
        state.ResumeTiming();
        change();
    }
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
    timeFromCount(state, kFullByButtons, [] {
        benchmark::DoNotOptimize(listedit::insertPair(1, kList, 1, "nytt", "new"));
    });
}
BENCHMARK(InsertAtFrontOfFullList)->Unit(benchmark::kMicrosecond);

void RemoveFromFrontOfFullList(benchmark::State& state) {
    ScratchFolder folder;
    store::createWordList(1);
    timeFromCount(state, kFullByButtons,
                  [] { benchmark::DoNotOptimize(listedit::removePair(1, kList, 1)); });
}
BENCHMARK(RemoveFromFrontOfFullList)->Unit(benchmark::kMicrosecond);

// A pair appended to a list of 10, flushed to the disk, as the editor does it.
void AppendPair(benchmark::State& state) {
    ScratchFolder folder;
    store::createWordList(1);
    timeFromCount(state, 10,
                  [] { benchmark::DoNotOptimize(listedit::appendPair(1, kList, "nytt", "new")); });
}
BENCHMARK(AppendPair)->Unit(benchmark::kMicrosecond);

// The records an append writes, in one opening of the file, without the rollback journal.
void appendWithoutJournal(bool flush) {
    store::WordListFile file(1);
    store::WordRecord header = file.readHeader(kList);
    file.read(kList, 11);
    file.requireSpace(kList);
    file.write(kList, 11, {11, "nytt", "new"});
    header.number = 11;
    file.writeHeader(kList, header);
    if (flush) {
        file.sync();
    }
    file.close();
}

// Written and flushed without the journal: what a change cost before the journal.
// AppendPair / AppendPairFlushedWithoutJournal is the journal's price.
void AppendPairFlushedWithoutJournal(benchmark::State& state) {
    ScratchFolder folder;
    store::createWordList(1);
    timeFromCount(state, 10, [] { appendWithoutJournal(true); });
}
BENCHMARK(AppendPairFlushedWithoutJournal)->Unit(benchmark::kMicrosecond);

// The same without the flush.
void AppendPairUnflushed(benchmark::State& state) {
    ScratchFolder folder;
    store::createWordList(1);
    timeFromCount(state, 10, [] { appendWithoutJournal(false); });
}
BENCHMARK(AppendPairUnflushed)->Unit(benchmark::kMicrosecond);

}  // namespace
