// The list editor's costliest change: a pair inserted at the front of a list of 98 pairs, which
// moves every pair one slot on; and its commonest, a pair appended, with and without the flush
// to the disk that ends every change, and with and without the rollback journal. The flush costs
// what the disk makes it cost: run with TMPDIR on the disk the data lives on (a tmpfs flushes for
// free).

#include <benchmark/benchmark.h>

#include <array>

#include "bench/BenchSupport.h"
#include "editor/ListEdits.h"
#include "store/Journal.h"
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
    store::RecordFile file(store::wordListFileName(1));
    const auto at = [](int slot) { return std::int64_t{store::recordIndex(kList, slot)} * 68; };
    store::RecordBytes header{};
    file.seek(at(0));
    file.read(header);
    store::RecordBytes free{};
    file.seek(at(11));
    file.read(free);
    file.seek(at(11));
    file.write(store::encode({11, "nytt", "new"}));
    store::WordRecord counted = store::decode(header);
    counted.number = 11;
    file.seek(at(0));
    file.write(store::encode(counted));
    if (flush) {
        file.syncData();
    }
    file.close();
}

// The same append as the journal was kept before the change object (store::Change): the
// kept journal's start read, the original records journalled and flushed, the records written
// and flushed, the magic zeroed; no nonce, no room reckoned for the journal, no reading of the
// journal when the file is opened.
void appendAsBeforeTheChangeObject() {
    store::RecordFile file(store::wordListFileName(1));
    const auto at = [](int slot) { return std::int64_t{store::recordIndex(kList, slot)} * 68; };
    store::RecordBytes header{};
    file.seek(at(0));
    file.read(header);
    store::RecordBytes free{};
    file.seek(at(11));
    file.read(free);
    const store::Extent extents[] = {{at(0), 68}, {at(11), 68}};
    store::RecordFile journal(store::journalPath(file.path()), store::RecordFile::Opening::Kept);
    const store::JournalState kept = store::readJournal(journal);
    store::JournalContent content{kept.generation + 1, 1, file.size(), {}, file.identity()};
    for (const store::Extent& e : extents) {
        store::JournalEntry entry{e.offset, std::vector<unsigned char>(68)};
        file.seek(e.offset);
        file.read(entry.bytes);
        content.entries.push_back(std::move(entry));
    }
    store::writeJournal(journal, content);
    file.seek(at(11));
    file.write(store::encode({11, "nytt", "new"}));
    store::WordRecord counted = store::decode(header);
    counted.number = 11;
    file.seek(at(0));
    file.write(store::encode(counted));
    file.syncData();
    file.close();
    const std::array<unsigned char, 8> zeros{};
    journal.seek(0);
    journal.write(zeros);
    journal.close();
}

// AppendPair / AppendPairAsBeforeTheChangeObject is what the change object costs.
void AppendPairAsBeforeTheChangeObject(benchmark::State& state) {
    ScratchFolder folder;
    store::createWordList(1);
    timeFromCount(state, 10, [] { appendAsBeforeTheChangeObject(); });
}
BENCHMARK(AppendPairAsBeforeTheChangeObject)->Unit(benchmark::kMicrosecond);

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
