#pragma once
// The learn screen for ten pairs drawn from all lists of the current language.

#include <QLabel>

#include "drill/PairSource.h"
#include "learn/LearnScreen.h"

class TForm6 : public learn::LearnScreen {
    Q_OBJECT
  public:
    TForm6(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
           memory::Recorder& memory);

    // The ten-random order drawn from the list headers of the current language. The pair count
    // is the number of pairs drawn: ten, or every pair there is when a damaged file holds fewer.
    const drill::TenRandomOrder& order() const;

    // Hidden: the menu's total pair count of the language, copied at every show.
    QLabel* lblTOTALANTAL;

  protected:
    void FormShow() override;
};
