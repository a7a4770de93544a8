// The ten-random draw on a full word-list file: 98 lists of 99 pairs.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "learn/DrillOrder.h"
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

// What the ten-random screens do at every start: read the 98 headers, fill the pool, draw ten.
void TenRandomDrawOfFullFile(benchmark::State& state) {
    ScratchFolder folder;
    fillAllLists(1);
    drill::Random random;
    drill::TenRandomOrder order;
    for (auto _ : state) {
        const std::array<int, 99> counts = drill::readListCounts(1);
        order.build([&counts](int list) { return counts[static_cast<std::size_t>(list)]; }, random);
        benchmark::DoNotOptimize(order.chosen);
    }
}
BENCHMARK(TenRandomDrawOfFullFile)->Unit(benchmark::kMicrosecond);

// The draw alone, from counts already read.
void TenRandomDrawFromCounts(benchmark::State& state) {
    drill::Random random;
    drill::TenRandomOrder order;
    for (auto _ : state) {
        order.build([](int) { return store::kMaxPairCount; }, random);
        benchmark::DoNotOptimize(order.chosen);
    }
}
BENCHMARK(TenRandomDrawFromCounts)->Unit(benchmark::kMicrosecond);

}  // namespace
