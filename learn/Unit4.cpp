#include "learn/Unit4.h"

TForm4::TForm4(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
               memory::Recorder& memory)
    : LearnScreen(context, state, navigator, memory, QStringLiteral("ordlykta 2.0 ELV"),
                  std::make_unique<drill::ChosenListSource>()) {}

const drill::ListOrder& TForm4::order() const {
    return static_cast<const drill::ChosenListSource&>(source()).order();
}
