// The ten-random draw on a full word-list file: 98 lists of 99 pairs.

#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include "drill/DrillOrder.h"
#include "store/WordList.h"

namespace {

using bench::fillAllLists;
using bench::ScratchFolder;

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
