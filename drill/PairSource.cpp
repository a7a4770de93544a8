#include "drill/PairSource.h"

#include <algorithm>

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

}  // namespace drill
