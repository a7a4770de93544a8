#include "info/Unit8.h"

#include "info/Pages.h"
#include "ui/Look.h"
#include "ui/Palette.h"
#include "ui/Widgets.h"

using namespace ui;

namespace {

// A flat arrow button with its caption beside the arrow, which never takes the focus; the
// letter after the ampersand is its access key.
QToolButton* arrowButton(QWidget* parent, const QRect& place, const QString& caption,
                         bool pointsRight) {
    auto* b = new QToolButton(parent);
    b->setGeometry(place);
    b->setText(caption);
    b->setFont(typeface(Face::Verdana, 16));
    b->setIcon(QIcon(arrowGlyph(pointsRight)));
    b->setIconSize(QSize(28, 13));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

TForm8::TForm8(ui::Context& context, ui::Navigator& navigator)
    : Screen(context, QStringLiteral("Ordlykta 2.0 ELV"), palette::kLavender),
      navigator_(navigator) {
    Panel2 = panel(this, {40, 24, 721, 409}, palette::kWhite);
    for (int page = 1; page <= info::kPageCount; ++page) {
        auto* picture = new info::PagePicture(page, Panel2);
        picture->setGeometry(20, 20, 680, 333);
        picture->setVisible(page == 1);
        images_[std::size_t(page - 1)] = picture;
    }
    Image1 = image(1);
    Image2 = image(2);
    Image3 = image(3);
    Image4 = image(4);
    Image5 = image(5);
    SpeedButton2 = arrowButton(Panel2, {192, 360, 145, 41}, QStringLiteral("&Bakåt"), false);
    SpeedButton2->setEnabled(false);
    SpeedButton1 = arrowButton(Panel2, {376, 360, 145, 41}, QStringLiteral("&Framåt"), true);

    Panel1 = panel(this, {40, 461, 721, 97}, palette::kPaleLavender);
    buttINFO = glyphButton(Panel1, {24, 16, 320, 60}, QStringLiteral("&Menu"),
                           typeface(Face::Verdana, 16), glyph(Glyph::Menu));
    buttEXIT =
        button(Panel1, {376, 16, 320, 60}, QStringLiteral("&Avsluta"), typeface(Face::Verdana, 16));
    lblSIDA = hiddenLabel(this, {16, 432, 30, 13}, QStringLiteral("1"));

    setTabOrder(buttINFO, buttEXIT);
    buttINFO->setFocus();
    onClick(SpeedButton1, [this] { SpeedButton1Click(); });
    onClick(SpeedButton2, [this] { SpeedButton2Click(); });
    onClick(buttINFO, [this] { buttINFOClick(); });
    onClick(buttEXIT, [this] { buttEXITClick(); });
}

void TForm8::SpeedButton1Click() {
    const int page = lblSIDA->text().toInt();
    if (page < 1 || page >= info::kPageCount) {
        return;
    }
    image(page + 1)->show();
    image(page)->hide();
    SpeedButton2->setEnabled(true);
    if (page + 1 == info::kPageCount) {
        SpeedButton1->setEnabled(false);
    }
    lblSIDA->setText(QString::number(page + 1));
}

void TForm8::SpeedButton2Click() {
    const int page = lblSIDA->text().toInt();
    if (page <= 1 || page > info::kPageCount) {
        return;
    }
    image(page - 1)->show();
    image(page)->hide();
    SpeedButton1->setEnabled(true);
    if (page - 1 == 1) {
        SpeedButton2->setEnabled(false);
    }
    lblSIDA->setText(QString::number(page - 1));
}

void TForm8::buttINFOClick() {
    navigator_.open(*this, ui::ScreenId::Menu);
}
