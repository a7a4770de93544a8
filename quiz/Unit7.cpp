#include "quiz/Unit7.h"

namespace {

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

TForm7::TForm7(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
               memory::Recorder& memory)
    : QuizScreen(context, state, navigator, memory, tenRandomVariant(),
                 std::make_unique<drill::TenRandomSource>()) {
    lblTOTALANTAL = ui::hiddenLabel(this, {767, 112, 25, 13}, QStringLiteral("0"));
}

void TForm7::FormShow() {
    lblTOTALANTAL->setText(QString::number(state_.total()));
    QuizScreen::FormShow();
}
