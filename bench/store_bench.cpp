// The costly file operations, on full files in a scratch folder.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "store/WordList.h"

namespace {

// Runs the benchmarks of this file in a fresh folder under the system's temporary folder.
struct ScratchFolder {
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ordlykta-bench-XXXXXX");
        path = mkdtemp(pattern.data());
        std::filesystem::current_path(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

// Every user list holds 99 pairs.
void fillAllLists(int language) {
    store::createWordList(language);
    store::WordListFile file(language);
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        for (int slot = 1; slot <= store::kMaxPairCount; ++slot) {
            file.write(list, slot, {99, "svenska ord " + std::to_string(slot), "annat ord"});
        }
        file.writeHeader(list, {99, "Lista " + std::to_string(list), std::string(30, ' ')});
    }
    file.close();
}

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
