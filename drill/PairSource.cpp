#include "drill/PairSource.h"

#include <algorithm>
#include <map>

namespace drill {
namespace {

// An order's entry for `position`, kept within the `size` entries of its table.
std::size_t at(int position, int size) {
    return static_cast<std::size_t>(std::clamp(position, 0, size));
}

}  // namespace

int PairSource::shuffle(int language, int count, Random& random) {
    return std::clamp(build(language, count, random), 0, store::kMaxPairCount);
}

store::WordRecord PairSource::read(store::WordListFile& file, int list, int position) const {
    const PairPlace p = place(list, position);
    return file.read(p.list, p.slot);
}

int ChosenListSource::countOnShow(store::WordListFile& file, int list) {
    return store::pairCount(file.readHeader(list));
}

int ChosenListSource::build(int /*language*/, int count, Random& random) {
    order_.build(count, random);
    return count;
}

PairPlace ChosenListSource::place(int list, int position) const {
    return {list, order_.entry[at(position, kTableSize)]};
}

void ChosenListSource::copyEntry(int from, int to) {
    order_.entry[at(to, kTableSize)] = order_.entry[at(from, kTableSize)];
}

int TenRandomSource::countOnShow(store::WordListFile& /*file*/, int /*list*/) {
    return kTenRandom;
}

int TenRandomSource::build(int language, int /*count*/, Random& random) {
    const auto counts = readListCounts(language);
    order_.build([&counts](int list) { return counts[static_cast<std::size_t>(list)]; }, random);
    return order_.chosenCount;
}

PairPlace TenRandomSource::place(int /*list*/, int position) const {
    const int step = std::clamp(position, 0, kTenRandom);
    return {order_.listOf(step), order_.slotOf(step)};
}

void TenRandomSource::copyEntry(int from, int to) {
    order_.chosen[at(to, kTenRandom)] = order_.chosen[at(from, kTenRandom)];
}

int DueSource::countOnShow(store::WordListFile& /*file*/, int /*list*/) {
    return kDuePairs;
}

int DueSource::build(int language, int /*count*/, Random& /*random*/) {
    const std::vector<Words> due = due_(language);
    if (due.empty()) {
        return 0;
    }
    // Where each pair of lists 1..98 stands; the first place of a pair found twice.
    std::map<std::pair<store::Text, store::Text>, PairPlace> places;
    store::WordListFile file(language);
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        const int count = store::pairCount(file.readHeader(list));
        for (int slot = 1; slot <= count; ++slot) {
            const store::WordRecord pair = file.read(list, slot);
            places.try_emplace({pair.first, pair.second}, PairPlace{list, slot});
        }
    }
    file.close();
    int n = 0;
    for (const Words& words : due) {
        const auto found = places.find({words.swedish, words.other});
        if (found != places.end() && n < kDuePairs) {
            places_[static_cast<std::size_t>(++n)] = found->second;
        }
    }
    return n;
}

PairPlace DueSource::place(int /*list*/, int position) const {
    return places_[at(position, kDuePairs)];
}

void DueSource::copyEntry(int from, int to) {
    places_[at(to, kDuePairs)] = places_[at(from, kDuePairs)];
}

}  // namespace drill
