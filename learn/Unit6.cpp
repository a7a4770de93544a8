#include "learn/Unit6.h"

#include "ui/Widgets.h"

TForm6::TForm6(ui::Context& context, state::MenuState& state, ui::Navigator& navigator)
    : LearnScreen(context, state, navigator, QStringLiteral("Ordlykta 2.0 ELV")) {
    lblNTAL->setGeometry(767, 88, 25, 13);
    lblTOTALANTAL = ui::hiddenLabel(this, {767, 112, 25, 13}, QStringLiteral("0"));
}

void TForm6::prepareDrill(store::WordListFile&) {
    lblTOTALANTAL->setText(QString::number(state_.total()));
    setPairCount(drill::kTenRandom);
}

void TForm6::prSLUMPAORDNING() {
    const std::array<int, 99> counts = drill::readListCounts(currentLanguage());
    order_.build([&counts](int list) { return counts[static_cast<std::size_t>(list)]; }, random());
    setPairCount(order_.chosenCount);
}

store::WordRecord TForm6::pairOf(store::WordListFile& file, int step) {
    return file.read(order_.listOf(step), order_.slotOf(step));
}
