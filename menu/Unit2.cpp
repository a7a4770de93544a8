#include "menu/Unit2.h"

#include <QButtonGroup>
#include <QProxyStyle>
#include <QSignalBlocker>

#include "store/WordList.h"
#include "ui/Look.h"
#include "ui/Palette.h"
#include "ui/Text.h"

using namespace ui;
using ui::ScreenId;

namespace {

constexpr quint32 kMenuColour = palette::kLime;
constexpr quint32 kPanelColour = palette::kPaleGreen;
constexpr quint32 kCounterColour = palette::kCounterLime;
constexpr int kVisibleEntries = 15;
// Below this total the language cannot fill a drill of ten random pairs.
constexpr int kRandomDrillSize = 10;

// A radio button that takes a click anywhere in its place, not only on its circle and text.
class RadioButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QRadioButton* radio(QWidget* parent, const QRect& place, const QString& caption,
                    const QFont& font) {
    auto* r = new RadioButton(caption, parent);
    r->setGeometry(place);
    r->setFont(font);
    return r;
}

// Opens a drop-down's list below its box with its visible-entries limit: the styles that lay
// the list over the box as one full-height column otherwise ignore that limit.
class DropDownBelowStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// An auto-exclusive radio button refuses to be unchecked directly.
void uncheck(QRadioButton* button) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

QGroupBox* groupBox(QWidget* parent, const QRect& place, const QString& caption) {
    auto* g = new QGroupBox(caption, parent);
    g->setGeometry(place);
    g->setFont(typeface(Face::Verdana, 16));
    return g;
}

// A counter is named by its hint; its count is read out as its description, since a label's
// own text is only read where the label has no name.
void showCount(ClickLabel* counter, int count) {
    counter->setText(QString::number(count));
    counter->setAccessibleDescription(counter->text());
}

ClickLabel* counter(QWidget* parent, const QRect& place, const QString& hint) {
    ClickLabel* l = label(parent, place, QStringLiteral("0"), typeface(Face::Verdana, 16));
    l->setAlignment(Qt::AlignCenter);
    l->setBackgroundBgr(kCounterColour);
    l->setToolTip(hint);
    l->setAccessibleName(hint);
    return l;
}

}  // namespace

TForm2::TForm2(ui::Context& context, state::MenuState& state, ui::Navigator& navigator)
    : Screen(context, QStringLiteral("ordlykta 2.0 ELV"), kMenuColour),
      state_(state),
      navigator_(navigator) {
    makeDrillPanels();
    makeListGroup();
    makeLanguageGroup();
    makeFooter();
    lblSPRAK = hiddenLabel(this, {0, 0, 20, 13}, QStringLiteral("1"));
    lblKAP1 = hiddenLabel(this, {0, 0, 20, 13}, QStringLiteral("1"));
    lblKAP2 = hiddenLabel(this, {0, 0, 20, 13}, QStringLiteral("1"));
    lblKAP3 = hiddenLabel(this, {0, 0, 20, 13}, QStringLiteral("1"));
    lblSsprak = hiddenLabel(this, {0, 0, 20, 13}, QString());
    connectHandlers();
}

// "&Spara" on its panel; "&Lär in", "&Förhör" and the two drill options on theirs.
void TForm2::makeDrillPanels() {
    const QFont large = typeface(Face::Verdana, 16);
    Panel2 = panel(this, {40, 56, 233, 97}, kPanelColour, Bevel::Raised);
    bitbtnSAVE =
        glyphButton(Panel2, {24, 16, 180, 60}, QStringLiteral("&Spara"), large, glyph(Glyph::Save));

    Panel3 = panel(this, {40, 168, 233, 265}, kPanelColour, Bevel::Raised);
    buttLEARN = glyphButton(Panel3, {24, 16, 180, 60}, QStringLiteral("&Lär in"), large,
                            glyph(Glyph::Learn));
    buttREHEARSE = glyphButton(Panel3, {24, 88, 180, 60}, QStringLiteral("&Förhör"), large,
                               glyph(Glyph::Quiz));
    optKAP = radio(Panel3, {24, 176, 145, 25}, QStringLiteral("Vald lista "), large);
    optKAP->setAccessibleName(QStringLiteral("Vald lista"));  // its caption ends in a space
    optKAP->setChecked(true);
    optKAP->setEnabled(false);
    optRANDOM = radio(Panel3, {24, 208, 153, 33}, QStringLiteral("10 Slumpade"), large);
    optRANDOM->setEnabled(false);
}

// "Listor": the drop-down of list names, the two counters and the list rename.
void TForm2::makeListGroup() {
    GroupBox1 = groupBox(this, {304, 55, 449, 145}, QStringLiteral("Listor"));
    setBackground(GroupBox1, kMenuColour);
    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setFont(typeface(Face::CourierNew, 19));
    setPairLineHeight(ComboBox1->view());
    auto* dropDownStyle = new DropDownBelowStyle;
    dropDownStyle->setParent(ComboBox1);
    ComboBox1->setStyle(dropDownStyle);
    ComboBox1->setMaxVisibleItems(kVisibleEntries);
    ComboBox1->setGeometry(40, 40, 385, ComboBox1->sizeHint().height());
    lblNTALiKAP = counter(GroupBox1, {42, 80, 57, 18},
                          QStringLiteral("Antal sparade poster i den valda listan"));
    lblTOTALANTAL = counter(GroupBox1, {42, 104, 57, 18},
                            QStringLiteral("Totalt antal sparade poster i det valda språket"));
    QPalette navy = lblTOTALANTAL->palette();
    navy.setColor(QPalette::WindowText, bgr(palette::kNavy));
    lblTOTALANTAL->setPalette(navy);
    Shape1 = outline(GroupBox1, {41, 79, 59, 20});
    Shape2 = outline(GroupBox1, {41, 103, 59, 20});
    buttKAPITEL = button(GroupBox1, {184, 88, 240, 40}, QStringLiteral("Ä&ndra..."),
                         typeface(Face::Verdana, 16));
    buttKAPITEL->setToolTip(QStringLiteral("Ange ny beteckning på listan"));
}

// "Språk": only a frame behind the three language buttons, which belong to the screen itself,
// and the language rename.
void TForm2::makeLanguageGroup() {
    RadioGroup2 = groupBox(this, {304, 224, 449, 209}, QStringLiteral("Språk"));
    const QFont words = typeface(Face::CourierNew, 19);
    opt1 = radio(this, {344, 256, 377, 41}, QStringLiteral("Språk ett"), words);
    opt2 = radio(this, {344, 296, 385, 33}, QStringLiteral("Språk två"), words);
    opt3 = radio(this, {344, 328, 377, 41}, QStringLiteral("Språk tre"), words);
    opt1->setChecked(true);
    // Their own group: left to themselves, buttons on the screen would also exclude the
    // drill options inside Panel3.
    auto* languages = new QButtonGroup(this);
    for (QRadioButton* button : {opt1, opt2, opt3}) {
        languages->addButton(button);
    }
    buttSPRAK =
        button(this, {488, 376, 240, 40}, QStringLiteral("Än&dra..."), typeface(Face::Verdana, 16));
    buttSPRAK->setToolTip(QStringLiteral("Ange önskat namn för språket"));
}

void TForm2::makeFooter() {
    const QFont large = typeface(Face::Verdana, 16);
    Panel1 = panel(this, {40, 461, 721, 97}, kPanelColour, Bevel::Raised);
    bitbutINFO =
        glyphButton(Panel1, {24, 16, 320, 60}, QStringLiteral("&Info"), large, glyph(Glyph::Info));
    buttEXIT = button(Panel1, {376, 16, 320, 60}, QStringLiteral("&Avsluta"), large);
}

void TForm2::connectHandlers() {
    // The language choice runs when a button becomes checked, by the user or from code; a
    // click on the checked one changes nothing and so runs nothing.
    for (int language = 1; language <= store::kLanguageCount; ++language) {
        connect(languageButton(language), &QRadioButton::toggled, this,
                [this, language](bool checked) {
                    if (checked) {
                        guard([this, language] { languageChoice(language); });
                    }
                });
    }
    connect(ComboBox1, &QComboBox::activated, this,
            [this] { guard([this] { ComboBox1Change(); }); });
    connect(lblNTALiKAP, &ClickLabel::clicked, this,
            [this] { guard([this] { lblNTALiKAPClick(); }); });
    connect(lblTOTALANTAL, &ClickLabel::clicked, this,
            [this] { guard([this] { lblTOTALANTALClick(); }); });
    onClick(buttSPRAK, [this] { buttSPRAKClick(); });
    onClick(buttKAPITEL, [this] { buttKAPITELClick(); });
    onClick(bitbtnSAVE, [this] { bitbtnSAVEClick(); });
    onClick(buttLEARN, [this] { buttLEARNClick(); });
    onClick(buttREHEARSE, [this] { buttREHEARSEClick(); });
    onClick(bitbutINFO, [this] { bitbutINFOClick(); });
    onClick(buttEXIT, [this] { buttEXITClick(); });
}

QRadioButton* TForm2::languageButton(int language) const {
    switch (language) {
        case 2:
            return opt2;
        case 3:
            return opt3;
        default:
            return opt1;
    }
}

QLabel* TForm2::listLabel(int language) const {
    switch (language) {
        case 2:
            return lblKAP2;
        case 3:
            return lblKAP3;
        default:
            return lblKAP1;
    }
}

// Any error here only marks the window title: the menu still shows, with what it holds, and
// the user can leave the program from it.
void TForm2::FormShow() {
    try {
        loadState();
        prBUDAT();
    } catch (...) {
        setWindowTitle(QStringLiteral("Files missing? something is wrong"));
    }
}

void TForm2::loadState() {
    ComboBox1->clear();
    if (!state_.load()) {
        dialogs().notice(QStringLiteral("The file agen.dat is re-created"));
    }
    for (int language = 1; language <= store::kLanguageCount; ++language) {
        languageButton(language)->setText(state_.name(language));
    }
    showState();
    // Checking the stored language's button is a language choice when it was not checked yet.
    // It runs here rather than through the button's signal, so that its errors stay with the
    // show handler.
    QRadioButton* current = languageButton(state_.language());
    if (!current->isChecked()) {
        {
            const QSignalBlocker blocker(current);
            current->setChecked(true);
        }
        languageChoice(state_.language());
    }
}

void TForm2::showState() {
    lblSPRAK->setText(QString::number(state_.language()));
    for (int language = 1; language <= store::kLanguageCount; ++language) {
        listLabel(language)->setText(QString::number(state_.list(language)));
    }
    lblSsprak->setText(state_.name());
}

void TForm2::applyListCount(int count) {
    const bool pairs = count > 0;
    buttLEARN->setEnabled(pairs);
    buttREHEARSE->setEnabled(pairs);
    optKAP->setEnabled(pairs);
    if (pairs) {
        optKAP->setChecked(true);
    } else {
        uncheck(optKAP);
    }
}

void TForm2::prBUDAT() {
    const int language = currentLanguage();
    const int list = currentList();
    int count = 0;
    int total = 0;
    ComboBox1->clear();
    if (store::wordListExists(language)) {
        const store::ListOverview overview = store::listOverview(language, list);
        for (const store::Text& name : overview.names) {
            ComboBox1->addItem(fromStore(name));
        }
        count = overview.currentCount;
        total = overview.total;
    } else {
        store::createWordList(
            language, [this](const store::Text& name) { ComboBox1->addItem(fromStore(name)); });
        dialogs().notice(QStringLiteral("the file bu%1.dat re-created").arg(language));
    }
    state_.setTotal(total);
    applyListCount(count);
    showCount(lblNTALiKAP, count);
    ComboBox1->setCurrentIndex(list - 1);
    showCount(lblTOTALANTAL, total);
    if (total >= kRandomDrillSize) {
        optRANDOM->setEnabled(true);
        buttLEARN->setEnabled(true);
        buttREHEARSE->setEnabled(true);
        optRANDOM->setChecked(true);
    }
    if (count > 0) {
        optKAP->setChecked(true);
    }
    if (total < kRandomDrillSize) {
        optRANDOM->setEnabled(false);
        uncheck(optRANDOM);
    }
}

void TForm2::prUPPDATKAPITELBOX() {
    prBUDAT();
}

void TForm2::prSPARA() {
    state_.save();
}

void TForm2::languageChoice(int language) {
    state_.setLanguage(language);
    showState();
    prSPARA();
    prUPPDATKAPITELBOX();
}

void TForm2::ComboBox1Change() {
    const int language = currentLanguage();
    state_.setList(ComboBox1->currentIndex() + 1);
    showState();
    prSPARA();
    const int count = store::pairCount(store::readHeader(language, currentList()));
    applyListCount(count);
    if (count == 0 && optRANDOM->isEnabled()) {
        optRANDOM->setChecked(true);
        buttLEARN->setEnabled(true);
        buttREHEARSE->setEnabled(true);
    }
    showCount(lblNTALiKAP, count);
}

void TForm2::buttSPRAKClick() {
    const std::optional<QString> name = dialogs().inputBox(
        QStringLiteral("Input Box"), QStringLiteral("Ange önskat namn för språket"), state_.name());
    if (!name) {
        return;
    }
    // The button takes the name, the save runs, and only then the name is the language's: a
    // failed save leaves the stored name to be offered next time, as lblSsprak still shows it.
    const state::MenuState before = state_;
    for (int language = 1; language <= store::kLanguageCount; ++language) {
        if (languageButton(language)->isChecked()) {
            state_.setName(language, *name);
            languageButton(language)->setText(*name);
        }
    }
    try {
        prSPARA();
    } catch (...) {
        state_ = before;
        throw;
    }
    lblSsprak->setText(state_.name());
}

void TForm2::buttKAPITELClick() {
    const int language = currentLanguage();
    const int list = currentList();
    store::WordRecord header = store::readHeader(language, list);
    const std::optional<QString> name = dialogs().inputBox(
        QStringLiteral("Input Box"), QStringLiteral("Ange önskad beteckning på listan"),
        fromStore(header.first));
    if (!name) {
        return;
    }
    header.first = store::cut(toStore(*name));
    store::writeHeader(language, list, header);
    prUPPDATKAPITELBOX();
}

void TForm2::lblNTALiKAPClick() {
    dialogs().information(QStringLiteral("Här visas antal sparade poster i den valda listan."));
}

void TForm2::lblTOTALANTALClick() {
    dialogs().information(
        QStringLiteral("Här visas totalt antal sparade poster i det valda språket."));
}

// A drop-down without a selected entry (which no refresh leaves) would give an empty list
// name here, never an error.
QString TForm2::chosenListTitle() const {
    return QStringLiteral(" ") + state_.name() + QStringLiteral(": ") + ComboBox1->currentText();
}

QString TForm2::randomTitle() const {
    return QStringLiteral(" ") + state_.name() + QStringLiteral(": 10 Slumpade.");
}

void TForm2::bitbtnSAVEClick() {
    navigator_.open(*this, ScreenId::Editor, chosenListTitle());
}

void TForm2::openDrill(ScreenId ofList, ScreenId ofTen) {
    if (optKAP->isChecked()) {
        navigator_.open(*this, ofList, chosenListTitle());
    } else {
        navigator_.open(*this, ofTen, randomTitle());
    }
}

void TForm2::buttLEARNClick() {
    openDrill(ScreenId::LearnList, ScreenId::LearnTen);
}

void TForm2::buttREHEARSEClick() {
    openDrill(ScreenId::QuizList, ScreenId::QuizTen);
}

void TForm2::bitbutINFOClick() {
    navigator_.open(*this, ScreenId::Info);
}
