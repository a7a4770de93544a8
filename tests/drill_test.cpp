// The drill orders, without a screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "drill/DrillOrder.h"
#include "drill/PairSource.h"
#include "tests/support/Fixture.h"
#include "ui/Text.h"

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

namespace {

class PairSourceTest : public ProgramTest {
  protected:
    // The Swedish words a source gives for positions 1..n of its order.
    static std::multiset<std::string> swedishOf(const PairSource& source, int list, int n) {
        store::WordListFile file(1);
        std::multiset<std::string> words;
        for (int p = 1; p <= n; ++p) {
            words.insert(source.read(file, list, p).first);
        }
        return words;
    }

    static Pairs named(const QString& prefix, int n) {
        Pairs result;
        for (int i = 1; i <= n; ++i) {
            result.emplace_back(prefix + QString::number(i), QStringLiteral("x"));
        }
        return result;
    }
};

}  // namespace

// Both sources: the count a screen takes on show, the count of a new order, and the pairs at its
// positions, each pair of the drill once.
TEST_F(PairSourceTest, EachSourceGivesItsPairsOnceInItsOrder) {
    givenList(1, 3, named("k", 5));
    givenList(1, 7, named("s", 4));
    givenList(1, 98, named("t", 3));
    Random random(fixedClock);
    store::WordListFile file(1);

    ChosenListSource chosen;
    EXPECT_EQ(chosen.countOnShow(file, 3), 5);
    EXPECT_EQ(chosen.shuffle(1, 5, random), 5);
    EXPECT_EQ(swedishOf(chosen, 3, 5), (std::multiset<std::string>{"k1", "k2", "k3", "k4", "k5"}));
    // A count from a damaged header never takes the order past its table.
    EXPECT_EQ(chosen.shuffle(1, 250, random), 99);
    EXPECT_EQ(chosen.shuffle(1, -3, random), 0);

    TenRandomSource ten;
    EXPECT_EQ(ten.countOnShow(file, 3), 10);
    EXPECT_EQ(ten.shuffle(1, 10, random), 10);
    const std::multiset<std::string> drawn = swedishOf(ten, 3, 10);
    EXPECT_EQ(std::set<std::string>(drawn.begin(), drawn.end()).size(), 10u);
}

// A repeat gathers the pairs it asks again at the front of the order, whichever the source.
TEST_F(PairSourceTest, CopiedEntriesAskThePairOfTheirOrigin) {
    givenList(1, 2, named("p", 12));
    Random random(fixedClock);
    store::WordListFile file(1);
    ChosenListSource chosen;
    TenRandomSource ten;
    for (PairSource* source : std::initializer_list<PairSource*>{&chosen, &ten}) {
        ASSERT_EQ(source->shuffle(1, 12, random), source == &chosen ? 12 : 10);
        const store::WordRecord third = source->read(file, 2, 3);
        const store::WordRecord fifth = source->read(file, 2, 5);
        source->copyEntry(3, 1);
        source->copyEntry(5, 2);
        EXPECT_EQ(source->read(file, 2, 1), third);
        EXPECT_EQ(source->read(file, 2, 2), fifth);
    }
}

// A language holding fewer than ten pairs gives a shorter drill of every pair it has, whatever
// count the menu gave.
TEST_F(PairSourceTest, TenRandomFromASmallLanguageTakesEveryPair) {
    givenList(1, 50, named("a", 2));
    givenList(1, 51, named("b", 1));
    Random random(fixedClock);
    TenRandomSource ten;
    EXPECT_EQ(ten.shuffle(1, 10, random), 3);
    EXPECT_EQ(swedishOf(ten, 1, 3), (std::multiset<std::string>{"a1", "a2", "b1"}));
}
