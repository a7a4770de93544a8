#include "editor/Unit3.h"

#include "ui/Widgets.h"

TForm3::TForm3(Screens& screens)
    : Screen(screens.context, QStringLiteral("ordlykta 2.0 ELV"), 8421631), screens_(screens) {
    lblSsprak = ui::hiddenLabel(this, {421, 83, 89, 18}, QString());
    lblKAPITEL = ui::hiddenLabel(this, {24, 16, 737, 24}, QString());
}
