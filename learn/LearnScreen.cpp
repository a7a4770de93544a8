#include "learn/LearnScreen.h"

#include <QSignalBlocker>

#include "ui/Look.h"
#include "ui/Text.h"

namespace learn {

using namespace ui;

QString progressLine(int shown, int n) {
    return QStringLiteral(" %1 av %2 ordpar visade.").arg(shown).arg(n);
}

LearnScreen::LearnScreen(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
                         const QString& caption)
    : Screen(context, caption, kScreenColour), state_(state), navigator_(navigator) {
    const QFont words = typeface(Face::CourierNew, 19);
    const QFont buttons = typeface(Face::Verdana, 16);

    ClickLabel* title = label(this, {24, 16, 737, 24}, QString(), words);
    title->setBackgroundBgr(kTitleColour);
    lblKAPITEL = title;
    Shape1 = outline(this, {23, 15, 739, 26});

    lblSVE = label(this, {28, 60, 335, 24}, QString(), words);
    lblSVE->setBackgroundBgr(kWordColour);
    // A word label's name is the word it shows; what it is goes into its description.
    lblSVE->setAccessibleDescription(QStringLiteral("svenska"));
    Shape4 = outline(this, {24, 56, 340, 29});
    setBackground(Shape4, kWordColour);

    lblFOR = label(this, {428, 60, 335, 24}, QString(), words);
    lblFOR->setBackgroundBgr(kWordColour);
    lblFOR->setToolTip(QStringLiteral("Inlärning - tryck 'Fortsätt'"));
    lblFOR->setAccessibleDescription(QStringLiteral("annat språk"));
    Shape3 = outline(this, {424, 56, 340, 29});
    setBackground(Shape3, kWordColour);

    lblMESS = label(this, {24, 96, 737, 24}, QString(), words);
    lblMESS->setAlignment(Qt::AlignCenter);
    Shape2 = outline(this, {23, 95, 739, 26});

    ListBox1 = pairList(this, {24, 136, 738, 314});
    ListBox1->setFocusPolicy(Qt::ClickFocus);  // Tab passes it by
    ListBox1->setAccessibleName(QStringLiteral("ordpar"));

    Panel1 = panel(this, {24, 464, 737, 97}, kPanelColour);
    buttNEXT = button(Panel1, {40, 16, 200, 60}, QStringLiteral("&Fortsätt"), buttons);
    buttMENU = glyphButton(Panel1, {272, 16, 200, 60}, QStringLiteral("&Meny"), buttons,
                           glyph(Glyph::Menu));
    buttEXIT = button(Panel1, {504, 16, 200, 60}, QStringLiteral("&Avsluta"), buttons);
    lblNTAL = hiddenLabel(this, {768, 88, 25, 13}, QString());

    setTabOrder(buttNEXT, buttMENU);
    setTabOrder(buttMENU, buttEXIT);
    setDefaultButton(buttNEXT);

    onClick(buttNEXT, [this] { buttNEXTClick(); });
    onClick(buttMENU, [this] { buttMENUClick(); });
    onClick(buttEXIT, [this] { buttEXITClick(); });
    connect(lblSVE, &ClickLabel::clicked, this, [this] { guard([this] { lblSVEClick(); }); });
    connect(lblFOR, &ClickLabel::clicked, this, [this] { guard([this] { lblFORClick(); }); });
}

void LearnScreen::setPairCount(int count) {
    pairCount_ = count;
    lblNTAL->setText(QString::number(count));
}

void LearnScreen::FormShow() {
    try {
        store::WordListFile file(currentLanguage());
        prepareDrill(file);
        startDrill(file);
    } catch (const store::IoError&) {
        // A drill that could not be read is no drill: nothing of it, or of the drill shown
        // before, is left for "&Fortsätt" to go on with.
        setPairCount(0);
        ListBox1->clear();
        lblSVE->clear();
        lblFOR->clear();
        lblMESS->clear();
        throw;
    }
    buttNEXT->setFocus();
}

void LearnScreen::startDrill(store::WordListFile& file) {
    // The new drill's state comes first, so that a failing read below leaves a drill at its
    // first step rather than an old position over a new order.
    position_ = 1;
    stepState_ = kWordShown;
    ListBox1->clear();
    lblFOR->clear();
    prSLUMPAORDNING();
    const int n = pairCount_;
    if (n > 0) {
        lblSVE->setText(fromStore(pairOf(file, 1).first));
    } else {
        lblSVE->clear();
    }
    file.close();
    lblMESS->setBackgroundBgr(kProgressColour);
    showProgress(0, n);
}

void LearnScreen::buttNEXTClick() {
    const int n = pairCount_;
    if (n < 1) {
        return;  // a drill without pairs has nothing to show or to show again
    }
    store::WordListFile file(currentLanguage());

    if (position_ == drill::kFinished && stepState_ >= kJustRevealed) {
        stepState_ = kDrillFinished;
        if (dialogs().confirm(QStringLiteral("Visa glosorna igen"))) {
            startDrill(file);
            return;
        }
        // No: the drill stays finished, and the next press asks again.
    }

    if (stepState_ == kWordShown && position_ <= n) {
        const store::WordRecord pair = pairOf(file, position_);
        const QString swedish = fromStore(pair.first);
        const QString foreign = fromStore(pair.second);
        prCENTRERA(foreign, swedish);
        lblSVE->setText(swedish);
        lblFOR->setText(foreign);
        stepState_ = kJustRevealed;
        selectNewestLine();
    }

    if (stepState_ == kPairShown && position_ <= n) {
        // Read before the step moves on, so that a failed read leaves the pair to come.
        const store::WordRecord pair = pairOf(file, position_ + 1);
        ++position_;
        lblFOR->clear();
        lblSVE->setText(fromStore(pair.first));
        stepState_ = kNextWordShown;
    }

    file.close();

    if (position_ == n && stepState_ >= kJustRevealed) {
        lblMESS->setBackgroundBgr(kFinishedColour);
        showProgress(n, n);
        position_ = drill::kFinished;
        stepState_ = kDrillFinished;
        return;
    }
    if (position_ > n) {
        --position_;
    }
    if (stepState_ == kNextWordShown) {
        stepState_ = kWordShown;
    } else if (stepState_ == kJustRevealed) {
        stepState_ = kPairShown;
    }
    if (position_ != drill::kFinished) {
        showProgress(position_ + stepState_ - 2, n);
    }
}

void LearnScreen::selectNewestLine() {
    const QSignalBlocker blocker(ListBox1);
    ListBox1->setCurrentRow(position_ - 1);
    if (QListWidgetItem* line = ListBox1->currentItem()) {
        ListBox1->scrollToItem(line);
    }
}

void LearnScreen::showProgress(int shown, int n) {
    lblMESS->setText(progressLine(shown, n));
}

void LearnScreen::prCENTRERA(const QString& foreign, const QString& swedish) {
    ListBox1->addItem(pairLine(swedish, foreign));
}

namespace {

void explainLearning(Dialogs& dialogs) {
    dialogs.information(
        QStringLiteral("Inlärningsläge. Inget skall skrivas. Klicka \"Fortsätt\" "
                       "för att visa orden. Begrunda sambandet, upprepa."));
}

}  // namespace

void LearnScreen::lblSVEClick() {
    explainLearning(dialogs());
}

void LearnScreen::lblFORClick() {
    explainLearning(dialogs());
}

void LearnScreen::buttMENUClick() {
    navigator_.open(*this, ui::ScreenId::Menu);
}

}  // namespace learn
