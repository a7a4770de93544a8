#include "quiz/Unit5.h"

#include "ui/Widgets.h"

TForm5::TForm5(Screens& screens)
    : Screen(screens.context, QStringLiteral("Ordlykta 2.0 ELV"), 11796479), screens_(screens) {
    lblKAPITEL = ui::hiddenLabel(this, {24, 16, 737, 24}, QString());
}
