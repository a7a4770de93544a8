#include "learn/Unit4.h"

TForm4::TForm4(ui::Context& context, state::MenuState& state, ui::Navigator& navigator)
    : LearnScreen(context, state, navigator, QStringLiteral("ordlykta 2.0 ELV")) {}

void TForm4::prepareDrill(store::WordListFile& file) {
    setPairCount(store::pairCount(file.readHeader(state_.list())));
}

void TForm4::prSLUMPAORDNING() {
    order_.build(pairCount(), random());
}

store::WordRecord TForm4::pairOf(store::WordListFile& file, int step) {
    return file.read(state_.list(), order_.entry[step]);
}
