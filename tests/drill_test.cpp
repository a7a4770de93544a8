// The drill orders, without a screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "drill/DrillOrder.h"

using namespace drill;

namespace {

std::uint64_t fixedClock() {
    return 12345;
}

std::vector<int> entries(const ListOrder& order, int from, int to) {
    return {order.entry.begin() + from, order.entry.begin() + to + 1};
}

bool isPermutation(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != int(i) + 1) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(ListOrder, EdgesOfTheTable) {
    Random random;
    ListOrder order;
    order.build(0, random);
    EXPECT_EQ(random.draws(), 0);
    EXPECT_EQ(entries(order, 1, 100), std::vector<int>(100, kFree));

    order.build(1, random);
    EXPECT_EQ(order.entry[1], 1);
    EXPECT_EQ(entries(order, 2, 100), std::vector<int>(99, kFree));

    order.build(99, random);
    EXPECT_TRUE(isPermutation(entries(order, 1, 99)));
    EXPECT_EQ(order.entry[100], kFree);

    // A damaged count never writes past the table.
    order.build(100000, random);
    EXPECT_TRUE(isPermutation(entries(order, 1, 99)));
    order.build(-5, random);
    EXPECT_EQ(entries(order, 1, 100), std::vector<int>(100, kFree));
}

TEST(ListOrder, EverySlotLandsEverywhereEquallyOften) {
    Random random;  // the real clock: each build is seeded anew
    constexpr int kBuilds = 24000;
    int seen[5][5] = {};
    for (int b = 0; b < kBuilds; ++b) {
        ListOrder order;
        order.build(4, random);
        for (int p = 1; p <= 4; ++p) {
            ++seen[p][order.entry[p]];
        }
    }
    // 6000 expected per cell with a standard deviation of 67; the naive swap-with-any shuffle
    // is off by over 1000 in some cells.
    for (int p = 1; p <= 4; ++p) {
        for (int s = 1; s <= 4; ++s) {
            EXPECT_NEAR(seen[p][s], kBuilds / 4, 400) << "slot " << s << " at " << p;
        }
    }
}

TEST(ListOrder, SameClockSameOrderNewClockNewOrder) {
    Random a(fixedClock), b(fixedClock);
    ListOrder x, y;
    x.build(30, a);
    y.build(30, b);
    EXPECT_EQ(x.entry, y.entry);
    std::uint64_t tick = 0;
    Random moving([&] { return ++tick; });
    x.build(30, moving);
    y.build(30, moving);
    EXPECT_NE(x.entry, y.entry);
}

namespace {

std::set<std::pair<int, int>> chosenPairs(const TenRandomOrder& order) {
    std::set<std::pair<int, int>> pairs;
    for (int j = 1; j <= order.chosenCount; ++j) {
        pairs.insert({order.listOf(j), order.slotOf(j)});
    }
    return pairs;
}

}  // namespace

TEST(TenRandomOrder, ExactlyTenPairsAreAllChosen) {
    Random random;
    TenRandomOrder order;
    // Four pairs in list 3, six in list 50.
    order.build([](int list) { return list == 3 ? 4 : list == 50 ? 6 : 0; }, random);
    EXPECT_EQ(order.poolSize, 10);
    ASSERT_EQ(order.chosenCount, 10);
    std::vector<int> chosen(order.chosen.begin() + 1, order.chosen.end());
    EXPECT_TRUE(isPermutation(chosen));
    EXPECT_EQ(order.poolList[1], 3);
    EXPECT_EQ(order.poolSlot[4], 4);
    EXPECT_EQ(order.poolList[5], 50);
    EXPECT_EQ(order.poolSlot[5], 1);
}

TEST(TenRandomOrder, DrawsTenDistinctPairsFromListsOneToNinetyEight) {
    Random random;
    std::vector<int> asked;
    auto countOf = [&](int list) {
        asked.push_back(list);
        return list == 7 ? 99 : 0;
    };
    std::set<int> everSeen;
    for (int b = 0; b < 200; ++b) {
        TenRandomOrder order;
        order.build(countOf, random);
        ASSERT_EQ(order.chosenCount, 10);
        const auto pairs = chosenPairs(order);
        EXPECT_EQ(pairs.size(), 10u);
        for (auto [list, slot] : pairs) {
            EXPECT_EQ(list, 7);
            everSeen.insert(slot);
        }
    }
    EXPECT_EQ(*std::min_element(asked.begin(), asked.end()), 1);
    EXPECT_EQ(*std::max_element(asked.begin(), asked.end()), 98);
    EXPECT_GT(everSeen.size(), 90u);  // the whole list takes part
}

TEST(TenRandomOrder, SmallOrDamagedPoolsEndTheDraw) {
    Random random;
    TenRandomOrder order;
    order.build([](int list) { return list == 2 ? 3 : 0; }, random);
    EXPECT_EQ(order.chosenCount, 3);
    EXPECT_EQ(chosenPairs(order).size(), 3u);
    EXPECT_EQ(order.chosen[4], kFree);

    const int draws = random.draws();
    order.build([](int) { return 0; }, random);
    EXPECT_EQ(order.chosenCount, 0);
    EXPECT_EQ(random.draws(), draws);

    // Counts far outside 0..99 fill no more than 98 x 99 pool entries.
    order.build([](int) { return 1 << 30; }, random);
    EXPECT_EQ(order.poolSize, 98 * 99);
    EXPECT_EQ(chosenPairs(order).size(), 10u);
}
