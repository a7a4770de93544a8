#include "learn/Unit4.h"

#include "menu/Unit2.h"

TForm4::TForm4(Screens& screens) : LearnScreen(screens, QStringLiteral("ordlykta 2.0 ELV")) {}

void TForm4::prepareDrill(store::WordListFile& file) {
    const int n = store::pairCount(file.readHeader(screens_.menu->currentList()));
    lblNTAL->setText(QString::number(n));
}

void TForm4::prSLUMPAORDNING() {
    order_.build(lblNTAL->text().toInt(), random());
}

store::WordRecord TForm4::pairOf(store::WordListFile& file, int step) {
    return file.read(screens_.menu->currentList(), order_.entry[step]);
}
