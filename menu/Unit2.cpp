#include "menu/Unit2.h"

#include "store/Settings.h"
#include "store/WordList.h"
#include "ui/Text.h"
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

// Until the whole menu is built: load the state that the other screens read.
void TForm2::FormShow() {
    if (!store::settingsExist()) {
        return;
    }
    const store::Settings settings = store::loadSettings();
    lblSPRAK->setText(QString::number(settings.language));
    lblKAP1->setText(QString::number(settings.lists[0]));
    lblKAP2->setText(QString::number(settings.lists[1]));
    lblKAP3->setText(QString::number(settings.lists[2]));
    lblSsprak->setText(ui::fromStore(settings.names[settings.language - 1]));
    if (store::wordListExists(settings.language)) {
        const store::ListOverview overview =
            store::listOverview(settings.language, settings.lists[settings.language - 1]);
        lblTOTALANTAL->setText(QString::number(overview.total));
    }
}

int TForm2::currentLanguage() const {
    return lblSPRAK->text().toInt();
}

int TForm2::currentList() const {
    switch (currentLanguage()) {
        case 2:
            return lblKAP2->text().toInt();
        case 3:
            return lblKAP3->text().toInt();
        default:
            return lblKAP1->text().toInt();
    }
}
