#include "learn/Unit4.h"

#include "ui/Widgets.h"

TForm4::TForm4(Screens& screens)
    : Screen(screens.context, QStringLiteral("ordlykta 2.0 ELV"), 16762052), screens_(screens) {
    lblKAPITEL = ui::hiddenLabel(this, {24, 16, 737, 24}, QString());
}
