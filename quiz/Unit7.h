#pragma once
// The quiz on ten pairs drawn at random from all lists of the current language, drawn anew for
// every full pass.

#include "quiz/QuizScreen.h"

class TForm7 : public quiz::QuizScreen {
    Q_OBJECT
  public:
    explicit TForm7(Screens& screens);

    QLabel* lblTOTALANTAL;  // the menu's total pair count, copied when the screen is shown

  protected:
    void FormShow() override;
};
