#include "quiz/Unit5.h"

#include <algorithm>

namespace {

// The pairs of the current list, shuffled by the list order.
class ChosenListSource : public quiz::PairSource {
  public:
    int countOnShow(store::WordListFile& file, int list) override {
        return store::pairCount(file.readHeader(list));
    }
    int build(int /*language*/, int count, drill::Random& random) override {
        order_.build(count, random);
        return std::clamp(count, 0, store::kMaxPairCount);
    }
    quiz::PairPlace place(int list, int position) const override {
        return {list, order_.entry[static_cast<std::size_t>(position)]};
    }
    void copyEntry(int from, int to) override {
        order_.entry[static_cast<std::size_t>(to)] = order_.entry[static_cast<std::size_t>(from)];
    }

  private:
    drill::ListOrder order_;
};

quiz::Variant chosenListVariant() {
    quiz::Variant v;
    v.caption = QStringLiteral("Ordlykta 2.0 ELV");
    v.buttonHeight = 60;
    v.ntalPlace = {768, 72, 17, 13};
    v.buttonsFirstInTabOrder = false;
    v.instructionOnShow = true;
    v.selectsAnsweredLine = true;
    return v;
}

}  // namespace

TForm5::TForm5(ui::Context& context, state::MenuState& state, ui::Navigator& navigator)
    : QuizScreen(context, state, navigator, chosenListVariant(),
                 std::make_unique<ChosenListSource>()) {}
