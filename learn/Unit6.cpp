#include "learn/Unit6.h"

#include "ui/Widgets.h"

TForm6::TForm6(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
               memory::Recorder& memory)
    : LearnScreen(context, state, navigator, memory, QStringLiteral("Ordlykta 2.0 ELV"),
                  std::make_unique<drill::TenRandomSource>()) {
    lblNTAL->setGeometry(767, 88, 25, 13);
    lblTOTALANTAL = ui::hiddenLabel(this, {767, 112, 25, 13}, QStringLiteral("0"));
}

const drill::TenRandomOrder& TForm6::order() const {
    return static_cast<const drill::TenRandomSource&>(source()).order();
}

void TForm6::FormShow() {
    lblTOTALANTAL->setText(QString::number(state_.total()));
    LearnScreen::FormShow();
}
