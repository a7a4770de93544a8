#include "quiz/Unit5.h"

quiz::Variant quiz::chosenListVariant() {
    quiz::Variant v;
    v.caption = QStringLiteral("Ordlykta 2.0 ELV");
    v.buttonHeight = 60;
    v.ntalPlace = {768, 72, 17, 13};
    v.buttonsFirstInTabOrder = false;
    v.instructionOnShow = true;
    v.selectsAnsweredLine = true;
    return v;
}

TForm5::TForm5(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
               memory::Recorder& memory)
    : QuizScreen(context, state, navigator, memory, quiz::chosenListVariant(),
                 std::make_unique<drill::ChosenListSource>()) {}
