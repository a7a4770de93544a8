#pragma once
// The learn screen for the current list: its pairs in a new random order at every start.

#include "drill/PairSource.h"
#include "learn/LearnScreen.h"

class TForm4 : public learn::LearnScreen {
    Q_OBJECT
  public:
    TForm4(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
           memory::Recorder& memory);

    // The list order for the pair count in the current list's header.
    const drill::ListOrder& order() const;
};
