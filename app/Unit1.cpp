#include "app/Unit1.h"

#include <QScreen>

#include "ui/Look.h"
#include "ui/Palette.h"
#include "ui/Widgets.h"

using namespace ui;

TForm1::TForm1(ui::Context& context, Navigation& navigation)
    : Screen(context, QStringLiteral("Ordlykta 2.0 ELV"), palette::kLavender),
      navigation_(navigation) {
    Panel2 = panel(this, {32, 48, 721, 353}, palette::kPaleLavender, Bevel::Raised);
    Image1 = new QLabel(Panel2);
    Image1->setGeometry(40, 56, 64, 64);
    Image1->setPixmap(builtEmblem());
    Label1 = label(Panel2, {168, 72, 540, 40}, QStringLiteral("Ordlykta 2 ELV"),
                   typeface(Face::LucidaSans, 24));
    Label2 = label(Panel2, {168, 128, 540, 40}, QStringLiteral("ordlykta · GPL-3.0-or-later"),
                   typeface(Face::LucidaSans, 24));
    Panel1 = panel(this, {32, 440, 721, 97}, palette::kPaleLavender, Bevel::Lowered);
    Button2 =
        button(Panel1, {364, 8, 348, 81}, QStringLiteral("&Avsluta"), typeface(Face::Verdana, 16));
    BitBtn1 = glyphButton(this, {40, 448, 348, 81}, QStringLiteral("&Fortsätt"),
                          typeface(Face::Verdana, 16), glyph(Glyph::Continue));
    BitBtn1->raise();
    lblPOSY = hiddenLabel(this, {304, 408, 40, 13}, QStringLiteral("0"));
    lblPOSX = hiddenLabel(this, {360, 408, 40, 13}, QStringLiteral("0"));

    setTabOrder(BitBtn1, Button2);
    BitBtn1->setFocus();
    onClick(BitBtn1, [this] { BitBtn1Click(); });
    onClick(Button2, [this] { buttEXITClick(); });
}

void TForm1::showCentred() {
    const QRect available = screen()->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
    show();
}

void TForm1::BitBtn1Click() {
    navigation_.open(*this, ui::ScreenId::Menu);
}
