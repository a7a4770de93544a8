#pragma once
// The learn screen for ten pairs drawn from all lists of the current language.

#include <QLabel>

#include "drill/DrillOrder.h"
#include "learn/LearnScreen.h"

class TForm6 : public learn::LearnScreen {
    Q_OBJECT
  public:
    TForm6(ui::Context& context, state::MenuState& state, ui::Navigator& navigator);

    // Draws a new ten-random order from the list headers of the current language. The pair
    // count is then the number of pairs drawn: ten, or every pair there is when a damaged file
    // holds fewer.
    void prSLUMPAORDNING() override;
    const drill::TenRandomOrder& order() const { return order_; }

    // Hidden: the menu's total pair count of the language, copied at every show.
    QLabel* lblTOTALANTAL;

  protected:
    void prepareDrill(store::WordListFile& file) override;
    store::WordRecord pairOf(store::WordListFile& file, int step) override;

  private:
    drill::TenRandomOrder order_;
};
