#pragma once
// Where a drill's pairs come from: the current list in a shuffled order, or ten pairs drawn from
// all lists of the language. The learn and quiz screens take one of these and ask it for the
// pair count, a new order and the pair at each position; only the source knows its order.

#include <functional>
#include <memory>
#include <vector>

#include "drill/DrillOrder.h"
#include "store/WordList.h"

namespace drill {

// Where a pair stands in the word-list file of the current language.
struct PairPlace {
    int list = 0;
    int slot = 0;
};

class PairSource {
  public:
    virtual ~PairSource() = default;

    // The pair count of a full drill as a screen takes it when it is shown; `list` is the
    // current list, `file` the open word-list file of the current language.
    virtual int countOnShow(store::WordListFile& file, int list) = 0;
    // The pair at position p (1..the count of the order); `list` is the current list.
    virtual PairPlace place(int list, int position) const = 0;
    // Order entry `from` becomes entry `to` (to <= from): how a repeat gathers the pairs it asks
    // again at the front of the order.
    virtual void copyEntry(int from, int to) = 0;

    // A new order for a drill over `count` pairs of `language`; returns how many pairs it holds,
    // 0..99 whatever the file says.
    int shuffle(int language, int count, Random& random);
    // Reads the pair at `position` of the order.
    store::WordRecord read(store::WordListFile& file, int list, int position) const;

  protected:
    virtual int build(int language, int count, Random& random) = 0;
};

// Every pair of the current list, in a new random order at every build.
class ChosenListSource final : public PairSource {
  public:
    int countOnShow(store::WordListFile& file, int list) override;
    PairPlace place(int list, int position) const override;
    void copyEntry(int from, int to) override;
    const ListOrder& order() const { return order_; }

  protected:
    int build(int language, int count, Random& random) override;

  private:
    ListOrder order_;
};

// Ten pairs of lists 1 to 98, drawn anew at every build from the list headers; fewer only when
// the file holds fewer, whatever count the menu gave.
class TenRandomSource final : public PairSource {
  public:
    int countOnShow(store::WordListFile& file, int list) override;
    PairPlace place(int list, int position) const override;
    void copyEntry(int from, int to) override;
    const TenRandomOrder& order() const { return order_; }

  protected:
    int build(int language, int count, Random& random) override;

  private:
    TenRandomOrder order_;
};

// The pairs due for review today, least retrievable first, at most kDuePairs a pass. The due
// pairs come by their words; each is asked from where the word-list file holds it now, and a
// pair no longer in the file is passed by.
inline constexpr int kDuePairs = 20;

struct Words {
    store::Text swedish;
    store::Text other;
};

class DueSource final : public PairSource {
  public:
    // `due` gives a language's due pairs, the first to ask first.
    explicit DueSource(std::function<std::vector<Words>(int language)> due)
        : due_(std::move(due)) {}
    int countOnShow(store::WordListFile& file, int list) override;
    PairPlace place(int list, int position) const override;
    void copyEntry(int from, int to) override;

  protected:
    int build(int language, int count, Random& random) override;

  private:
    std::function<std::vector<Words>(int language)> due_;
    std::array<PairPlace, kDuePairs + 1> places_{};  // places_[p]: the pair at position p
};

}  // namespace drill
