#pragma once
// The quiz on the chosen list: every pair of the current list, in a new random order each pass.

#include "quiz/QuizScreen.h"

namespace quiz {
// The frame of the chosen list's quiz, which today's words share.
Variant chosenListVariant();
}  // namespace quiz

class TForm5 : public quiz::QuizScreen {
    Q_OBJECT
  public:
    TForm5(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
           memory::Recorder& memory);
};
