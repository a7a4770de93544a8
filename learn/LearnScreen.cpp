#include "learn/LearnScreen.h"

#include <QSignalBlocker>

#include "ui/Look.h"

namespace learn {

using namespace ui;

LearnScreen::LearnScreen(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
                         memory::Recorder& memory, const QString& caption,
                         std::unique_ptr<drill::PairSource> source)
    : Screen(context, caption, kScreenColour),
      state_(state),
      navigator_(navigator),
      memory_(memory),
      source_(std::move(source)) {
    const QFont words = typeface(Face::CourierNew, 19);

    lblKAPITEL = titleLine(this, kTitleColour);
    Shape1 = outline(this, {23, 15, 739, 26});

    lblSVE = swedishWord(this);
    Shape4 = outline(this, {24, 56, 340, 29});
    setBackground(Shape4, kWordColour);

    lblFOR = label(this, {428, 60, 335, 24}, QString(), words);
    lblFOR->setBackgroundBgr(kWordColour);
    lblFOR->setToolTip(QStringLiteral("Inlärning - tryck 'Fortsätt'"));
    lblFOR->setAccessibleDescription(QStringLiteral("annat språk"));
    Shape3 = outline(this, {424, 56, 340, 29});
    setBackground(Shape3, kWordColour);

    lblMESS = messageLine(this);
    Shape2 = outline(this, {23, 95, 739, 26});

    ListBox1 = pairList(this, {24, 136, 738, 314});
    ListBox1->setFocusPolicy(Qt::ClickFocus);  // Tab passes it by
    ListBox1->setAccessibleName(QStringLiteral("ordpar"));

    const DrillButtons foot = drillButtons(this, kPanelColour, typeface(Face::Verdana, 16), 60);
    Panel1 = foot.panel;
    buttNEXT = foot.next;
    buttMENU = foot.menu;
    buttEXIT = foot.exit;
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
        store::WordListFile file(state_.language());
        setPairCount(source_->countOnShow(file, state_.list()));
        startDrill(file);
    } catch (const store::IoError&) {
        // A drill that could not be read is no drill: nothing of it, or of the drill shown
        // before, is left for "&Fortsätt" to go on with.
        setPairCount(0);
        drill_.clear();
        showDrill();
        throw;
    }
    buttNEXT->setFocus();
}

void LearnScreen::startDrill(store::WordListFile& file) {
    // The new drill's first step comes before its order, so that a failing read below leaves a
    // drill at its first step rather than an old position over a new order.
    drill_.restart();
    read_.clear();
    try {
        prSLUMPAORDNING();
        drill_.show(pairCount_, pairsFrom(file), [&file] { file.close(); });
    } catch (...) {
        showDrill();
        throw;
    }
    showDrill();
}

void LearnScreen::buttNEXTClick() {
    if (drill_.pairCount() < 1) {
        return;  // a drill without pairs has nothing to show or to show again
    }
    store::WordListFile file(state_.language());
    if (drill_.offersAgain()) {
        drill_.stayFinished();
        if (dialogs().confirm(QStringLiteral("Visa glosorna igen"))) {
            startDrill(file);
            return;
        }
        // No: the drill stays finished, and the next press asks again.
    }
    const qsizetype linesBefore = drill_.lines().size();
    try {
        drill_.press(pairsFrom(file), [&file] { file.close(); });
    } catch (...) {
        showDrill();
        throw;
    }
    showDrill();
    recordShown(linesBefore);
}

void LearnScreen::prSLUMPAORDNING() {
    setPairCount(source_->shuffle(state_.language(), pairCount_, random_));
}

LearnDrill::PairOf LearnScreen::pairsFrom(store::WordListFile& file) {
    return [this, &file](int step) {
        const store::WordRecord pair = source_->read(file, state_.list(), step);
        read_[step] = {source_->place(state_.list(), step).list, pair};
        return pair;
    };
}

void LearnScreen::recordShown(qsizetype linesBefore) {
    const int step = static_cast<int>(drill_.lines().size());
    const auto read = read_.find(step);
    if (step > linesBefore && read != read_.end()) {
        const auto& [list, pair] = read->second;
        memory_.shown({state_.language(), pair.first, pair.second}, list);
    }
}

void LearnScreen::showDrill() {
    const QStringList& lines = drill_.lines();
    if (lines.size() < ListBox1->count()) {
        ListBox1->clear();
    }
    const bool revealed = lines.size() > ListBox1->count();
    for (qsizetype i = ListBox1->count(); i < lines.size(); ++i) {
        ListBox1->addItem(lines[i]);
    }
    if (revealed) {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->setCurrentRow(drill_.newestLine());
        if (QListWidgetItem* line = ListBox1->currentItem()) {
            ListBox1->scrollToItem(line);
        }
    }
    lblSVE->setText(drill_.swedish());
    lblFOR->setText(drill_.other());
    if (drill_.stage() != LearnDrill::Stage::None) {
        const bool allShown = drill_.stage() == LearnDrill::Stage::AllShown;
        lblMESS->setBackgroundBgr(allShown ? kFinishedColour : kProgressColour);
    }
    lblMESS->setText(drill_.progress());
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
