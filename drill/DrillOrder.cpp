#include "drill/DrillOrder.h"

#include <algorithm>
#include <chrono>

#include "store/WordList.h"

namespace drill {

std::uint64_t Random::timeOfDay() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int Random::draw(int lo, int hi) {
    ++draws_;
    return std::uniform_int_distribution<int>(lo, hi)(engine_);
}

void ListOrder::build(int n, Random& random) {
    n = std::clamp(n, 0, store::kMaxPairCount);
    random.reseed();
    entry.fill(kFree);
    entry[0] = 0;
    for (int i = 1; i <= n; ++i) {
        int r = 0;
        do {
            r = random.draw(1, n);
        } while (entry[r] != kFree);
        entry[r] = i;
    }
}

void TenRandomOrder::build(const std::function<int(int list)>& countOf, Random& random) {
    random.reseed();
    chosen.fill(kFree);
    poolList.fill(0);
    poolSlot.fill(0);
    poolAvailable.fill(0);
    poolSize = 0;
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        const int count = std::clamp(countOf(list), 0, store::kMaxPairCount);
        for (int slot = 1; slot <= count; ++slot) {
            ++poolSize;
            poolList[poolSize] = list;
            poolSlot[poolSize] = slot;
            poolAvailable[poolSize] = 1;
        }
    }
    chosenCount = std::min(kTenRandom, poolSize);
    for (int j = 1; j <= chosenCount; ++j) {
        int r = 0;
        do {
            r = random.draw(1, poolSize);
        } while (poolAvailable[r] != 1);
        poolAvailable[r] = 0;
        chosen[j] = r;
    }
}

std::array<int, store::kLastUserList + 1> readListCounts(int language) {
    std::array<int, store::kLastUserList + 1> counts{};
    store::WordListFile file(language);
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        counts[list] = store::pairCount(file.readHeader(list));
    }
    file.close();
    return counts;
}

}  // namespace drill
