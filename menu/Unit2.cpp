#include "menu/Unit2.h"

#include "ui/Widgets.h"

TForm2::TForm2(Screens& screens)
    : Screen(screens.context, QStringLiteral("ordlykta 2.0 ELV"), 9961419), screens_(screens) {
    lblSPRAK = ui::hiddenLabel(this, {0, 0, 20, 13}, QStringLiteral("1"));
    lblKAP1 = ui::hiddenLabel(this, {0, 0, 20, 13}, QStringLiteral("1"));
    lblKAP2 = ui::hiddenLabel(this, {0, 0, 20, 13}, QStringLiteral("1"));
    lblKAP3 = ui::hiddenLabel(this, {0, 0, 20, 13}, QStringLiteral("1"));
    lblSsprak = ui::hiddenLabel(this, {0, 0, 20, 13}, QString());
    lblTOTALANTAL = ui::hiddenLabel(this, {42, 104, 57, 18}, QStringLiteral("0"));
    buttEXIT = ui::button(this, {416, 477, 320, 60}, QStringLiteral("&Avsluta"),
                          ui::typeface(ui::Face::Verdana, 16));
    onClick(buttEXIT, [this] { buttEXITClick(); });
}
