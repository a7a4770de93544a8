#pragma once
// The learn screen for the current list: its pairs in a new random order at every start.

#include <QLabel>

#include "drill/DrillOrder.h"
#include "learn/LearnScreen.h"

class TForm4 : public learn::LearnScreen {
    Q_OBJECT
  public:
    TForm4(ui::Context& context, state::MenuState& state, ui::Navigator& navigator);

    // The list order for the pair count.
    void prSLUMPAORDNING() override;
    const drill::ListOrder& order() const { return order_; }

  protected:
    // n is the pair count in the current list's header.
    void prepareDrill(store::WordListFile& file) override;
    store::WordRecord pairOf(store::WordListFile& file, int step) override;

  private:
    drill::ListOrder order_;
};
