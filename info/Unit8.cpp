#include "info/Unit8.h"

#include "ui/Widgets.h"

TForm8::TForm8(Screens& screens)
    : Screen(screens.context, QStringLiteral("Ordlykta 2.0 ELV"), 16754386), screens_(screens) {}
