#pragma once
// The quiz on ten pairs drawn at random from all lists of the current language, drawn anew for
// every full pass.

#include "quiz/QuizScreen.h"

class TForm7 : public quiz::QuizScreen {
    Q_OBJECT
  public:
    TForm7(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
           memory::Recorder& memory);

    QLabel* lblTOTALANTAL;  // hidden: the menu's total pair count, copied at every show

  protected:
    void FormShow() override;
};
