#include "learn/Unit6.h"

#include "ui/Widgets.h"

TForm6::TForm6(Screens& screens)
    : Screen(screens.context, QStringLiteral("Ordlykta 2.0 ELV"), 16762052), screens_(screens) {
    lblKAPITEL = ui::hiddenLabel(this, {24, 16, 737, 24}, QString());
}
