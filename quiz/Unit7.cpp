#include "quiz/Unit7.h"

namespace {

// Ten pairs of lists 1 to 98 (fewer only when the file holds fewer), by the ten-random order.
class TenRandomSource : public quiz::PairSource {
  public:
    int countOnShow(store::WordListFile& /*file*/, int /*list*/) override {
        return drill::kTenRandom;
    }
    // The draw is bounded by the pool it builds from the file, so a file holding fewer pairs
    // than the menu counted gives a shorter pass of every pair it has, never a hang.
    int build(int language, int /*count*/, drill::Random& random) override {
        const std::array<int, 99> counts = drill::readListCounts(language);
        order_.build([&counts](int list) { return counts[static_cast<std::size_t>(list)]; },
                     random);
        return order_.chosenCount;
    }
    quiz::PairPlace place(int /*list*/, int position) const override {
        return {order_.listOf(position), order_.slotOf(position)};
    }
    void copyEntry(int from, int to) override {
        order_.chosen[static_cast<std::size_t>(to)] = order_.chosen[static_cast<std::size_t>(from)];
    }

  private:
    drill::TenRandomOrder order_;
};

quiz::Variant tenRandomVariant() {
    quiz::Variant v;
    v.caption = QStringLiteral("Ordlykta 2.0  ELV");  // two spaces, unlike the other screens
    v.buttonHeight = 64;
    v.ntalPlace = {767, 88, 25, 13};
    v.buttonsFirstInTabOrder = true;
    v.instructionOnShow = false;
    v.selectsAnsweredLine = false;
    return v;
}

}  // namespace

TForm7::TForm7(ui::Context& context, state::MenuState& state, ui::Navigator& navigator)
    : QuizScreen(context, state, navigator, tenRandomVariant(),
                 std::make_unique<TenRandomSource>()) {
    lblTOTALANTAL = ui::hiddenLabel(this, {767, 112, 25, 13}, QStringLiteral("0"));
}

void TForm7::FormShow() {
    lblTOTALANTAL->setText(QString::number(state_.total()));
    QuizScreen::FormShow();
}
