#include "editor/Unit3.h"

#include <QSignalBlocker>

#include "editor/ListEdits.h"
#include "store/File.h"
#include "store/Layout.h"
#include "ui/Look.h"
#include "ui/Palette.h"
#include "ui/Text.h"

using namespace ui;

namespace {

constexpr quint32 kTitleColour = palette::kPink;
// With this many pairs the buttons no longer let the list grow.
constexpr int kButtonLimit = store::kMaxPairsPerList;

const QString kFullList = QStringLiteral("Nu får det inte plats fler ord i det här kapitlet!");
const QString kEmptyField = QStringLiteral(
    "Man måste fylla i rutorna för både svenska och för det andra språket för att posten skall "
    "kunna sparas!");

}  // namespace

TForm3::TForm3(ui::Context& context, state::MenuState& state, ui::Navigator& navigator)
    : Screen(context, QStringLiteral("ordlykta 2.0 ELV"), palette::kSalmon, 11),
      state_(state),
      navigator_(navigator) {
    const QFont words = typeface(Face::CourierNew, 19);
    const QFont captions = typeface(Face::Verdana, 15);
    const QFont buttons = typeface(Face::Verdana, 16);

    Shape1 = outline(this, {23, 15, 739, 26});
    Shape1->setEnabled(false);
    lblKAPITEL = label(this, {24, 16, 737, 24}, QString(), words);
    lblKAPITEL->setBackgroundBgr(kTitleColour);
    edtSVE = wordEdit(this, {24, 48, 340, 29});
    edtSVE->setToolTip(QStringLiteral("svenska"));
    edtFOR = wordEdit(this, {421, 48, 340, 29});
    edtFOR->setToolTip(QStringLiteral("språk ett"));
    edtFOR->setAccessibleName(QStringLiteral("annat språk"));  // its tip names language one only
    lblSVENSKA = label(this, {24, 83, 73, 18}, QStringLiteral(" Svenska "), captions);
    lblSVENSKA->setBackgroundBgr(kTitleColour);
    lblSsprak = label(this, {421, 83, 89, 18}, QStringLiteral("Annat språk"), captions);
    lblSsprak->setBackgroundBgr(kTitleColour);
    ListBox1 = pairList(this, {24, 112, 732, 323});
    ListBox1->setAccessibleName(QStringLiteral("ordpar"));

    Panel1 = panel(this, {24, 448, 732, 105}, kTitleColour);
    buttSPARA = button(Panel1, {8, 8, 140, 87}, QStringLiteral("&Spara"), buttons);
    buttTABORT = button(Panel1, {152, 8, 140, 87}, QStringLiteral("&Ta bort"), buttons);
    buttINSERT = button(Panel1, {296, 8, 140, 87}, QStringLiteral("S&kjut in"), buttons);
    bitbuttMENY = glyphButton(Panel1, {440, 8, 140, 87}, QStringLiteral("&Meny"), buttons,
                              glyph(Glyph::Menu));
    buttEXIT = button(Panel1, {584, 8, 140, 87}, QStringLiteral("&Avsluta"), buttons);
    lblNTAL = hiddenLabel(this, {768, 80, 38, 13}, QStringLiteral("0"));

    setTabOrder(edtSVE, edtFOR);
    setTabOrder(edtFOR, buttSPARA);
    setTabOrder(buttSPARA, buttTABORT);
    setTabOrder(buttTABORT, buttINSERT);
    setTabOrder(buttINSERT, bitbuttMENY);
    setTabOrder(bitbuttMENY, buttEXIT);
    setTabOrder(buttEXIT, ListBox1);

    setDefaultButton(buttSPARA);
    setBracketMapping(true);
    onClick(buttSPARA, [this] { buttSPARAClick(); });
    onClick(buttTABORT, [this] { buttTABORTClick(); });
    onClick(buttINSERT, [this] { buttINSERTClick(); });
    onClick(bitbuttMENY, [this] { bitbuttMENYClick(); });
    onClick(buttEXIT, [this] { buttEXITClick(); });
}

void TForm3::FormShow() {
    lblSsprak->setText(QStringLiteral(" ") + state_.name() + QStringLiteral(" "));
    move(navigator_.position());
    // Should the list not be read, no line of the list shown before stays to be removed or
    // inserted at: a line must always stand for the pair in its slot.
    // The buttons are set as for an empty list, but the focus moves only once the count is
    // known: with 98 pairs or more it stays where the user left it.
    ListBox1->clear();
    setPairCount(0);
    buttSPARA->setEnabled(true);
    buttTABORT->setEnabled(false);
    buttINSERT->setEnabled(false);
    reload();
    const int count = pairCountShown();
    applyButtonState(count);
    selectLine(count - 1);
    edtSVE->clear();
    edtFOR->clear();
}

void TForm3::buttSPARAClick() {
    if (pairCountShown() >= store::kMaxPairCount) {
        refuseFullList();
        return;
    }
    const QString swedish = edtSVE->text();
    const QString other = edtFOR->text();
    if (refuseEmptyField(kEmptyField)) {
        return;
    }
    std::optional<int> count;
    rereadOnFailure([&] {
        count = listedit::appendPair(state_.language(), state_.list(), toStore(swedish),
                                     toStore(other));
    });
    if (!count) {
        showListAsItIs();
        return;
    }
    setPairCount(*count);
    if (ListBox1->count() == *count - 1) {
        ListBox1->addItem(pairLine(swedish, other));
    } else {
        reload();  // the lines were not the list in the file, as after a show that failed
    }
    edtSVE->clear();
    edtFOR->clear();
    edtSVE->setFocus();
    applyButtonState(*count);
    selectLine(*count - 1);
}

void TForm3::buttTABORTClick() {
    const int slot = selectedSlot();
    if (slot == 0) {
        dialogs().notice(QStringLiteral("Du har inte valt något ordpar att ta bort!!"));
        ListBox1->setFocus();
        return;
    }
    if (!dialogs().confirm(QStringLiteral("Ta bort det markerade ordparet"))) {
        ListBox1->setFocus();
        return;
    }
    std::optional<int> count;
    rereadOnFailure([&] { count = listedit::removePair(state_.language(), state_.list(), slot); });
    if (!showChange(count)) {
        return;
    }
    if (*count >= 1 && *count < kButtonLimit) {
        selectLine(slot - 1);
    } else {
        selectLine(-1);
    }
    ListBox1->setFocus();
}

void TForm3::buttINSERTClick() {
    if (pairCountShown() >= store::kMaxPairCount) {
        refuseFullList();
        return;
    }
    if (refuseEmptyField(kEmptyField + u'!')) {
        return;
    }
    const int slot = selectedSlot();
    if (slot == 0) {
        dialogs().notice(QStringLiteral("Du har inte markerat var du vill skjuta in ordparet!"));
        ListBox1->setFocus();
        return;
    }
    if (!dialogs().confirm(QStringLiteral("Skjut in det nya ordparet här"))) {
        return;
    }
    std::optional<int> count;
    rereadOnFailure([&] {
        count = listedit::insertPair(state_.language(), state_.list(), slot,
                                     toStore(edtSVE->text()), toStore(edtFOR->text()));
    });
    if (!showChange(count)) {
        return;
    }
    selectLine(slot - 1);
}

void TForm3::bitbuttMENYClick() {
    navigator_.open(*this, ui::ScreenId::Menu);
}

void TForm3::prCENTRERA(const QString& f, const QString& s) {
    ListBox1->addItem(pairLine(s, f));
}

void TForm3::setPairCount(int count) {
    pairCount_ = count;
    lblNTAL->setText(QString::number(count));
}

int TForm3::selectedSlot() const {
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? 0 : ListBox1->row(selected.first()) + 1;
}

void TForm3::selectLine(int index) {
    const QSignalBlocker blocker(ListBox1);
    if (index >= 0 && index < ListBox1->count()) {
        ListBox1->setCurrentRow(index);
    } else {
        ListBox1->setCurrentRow(-1);
        ListBox1->clearSelection();
    }
}

void TForm3::reload() {
    const std::vector<store::WordRecord> pairs =
        listedit::readPairs(state_.language(), state_.list());
    setPairCount(static_cast<int>(pairs.size()));
    ListBox1->clear();
    for (const store::WordRecord& pair : pairs) {
        prCENTRERA(fromStore(pair.second), fromStore(pair.first));
    }
}

void TForm3::applyButtonState(int count) {
    buttSPARA->setEnabled(count < kButtonLimit);
    buttTABORT->setEnabled(count >= 1);
    buttINSERT->setEnabled(count >= 1 && count < kButtonLimit);
    if (count < kButtonLimit) {
        edtSVE->setFocus();
    }
}

void TForm3::refuseFullList() {
    dialogs().notice(kFullList);
    edtSVE->clear();
    edtFOR->clear();
    edtSVE->setFocus();
}

bool TForm3::refuseEmptyField(const QString& text) {
    if (!edtSVE->text().isEmpty() && !edtFOR->text().isEmpty()) {
        return false;
    }
    dialogs().notice(text);
    edtSVE->setFocus();
    return true;
}

void TForm3::rereadOnFailure(const std::function<void()>& change) {
    try {
        change();
    } catch (const store::IoError&) {
        try {
            showListAsItIs();
        } catch (const store::IoError&) {
            // The first error is the one the user is told of.
        }
        throw;
    }
}

bool TForm3::showChange(const std::optional<int>& count) {
    if (!count) {
        showListAsItIs();
        return false;
    }
    setPairCount(*count);
    edtSVE->clear();
    edtFOR->clear();
    rereadOnFailure([this] { reload(); });
    applyButtonState(*count);
    return true;
}

void TForm3::showListAsItIs() {
    reload();
    applyButtonState(pairCountShown());
    selectLine(-1);
}
