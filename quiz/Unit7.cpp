#include "quiz/Unit7.h"

#include "ui/Widgets.h"

TForm7::TForm7(Screens& screens)
    : Screen(screens.context, QStringLiteral("Ordlykta 2.0  ELV"), 11796479), screens_(screens) {
    lblKAPITEL = ui::hiddenLabel(this, {24, 16, 737, 24}, QString());
}
