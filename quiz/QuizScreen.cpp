#include "quiz/QuizScreen.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/Look.h"
#include "ui/Palette.h"
#include "ui/Text.h"

namespace quiz {
namespace {

using namespace ui::palette;

const QString kInstruction =
    QStringLiteral("Svara på ALLA frågorna. Sedan får du veta hur det gick.");
const QString kAnswerAllFirst =
    QStringLiteral("Svara först på ALLA frågorna, sedan får du veta hur det gick.");
const QString kOfferFullPass = QStringLiteral("Förhör glosorna igen");
const QString kOfferRepeat = QStringLiteral("Förhör felsvarade glosor");
const QString kAllRight = QStringLiteral(" Bra gjort! Alla rätt!");
const QString kReviewRight = QStringLiteral("Korrekt svarat!");
const QString kReviewWrong = QStringLiteral("Fel svarat. Rätt svar ovan.");

// A list that reports each key press once the list has acted on it, selection included.
class AnswerList : public QListWidget {
  public:
    AnswerList(QWidget* parent, std::function<void()> afterKey)
        : QListWidget(parent), afterKey_(std::move(afterKey)) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        QListWidget::keyPressEvent(event);
        afterKey_();
    }

  private:
    std::function<void()> afterKey_;
};

// The one-pixel frame just around a control.
QRect around(const QWidget* widget) {
    return widget->geometry().adjusted(-1, -1, 1, 1);
}

}  // namespace

QuizScreen::QuizScreen(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
                       memory::Recorder& memory, const Variant& variant,
                       std::unique_ptr<drill::PairSource> source)
    : Screen(context, variant.caption, kLightYellow),
      state_(state),
      navigator_(navigator),
      memory_(memory),
      variant_(variant),
      source_(std::move(source)) {
    lblKAPITEL = ui::titleLine(this, kPaleBlue);
    lblSVE = ui::swedishWord(this);
    edtFOR = ui::wordEdit(this, {424, 56, 340, 29}, store::kShortStringCapacity);
    edtFOR->setAccessibleName(QStringLiteral("svar"));
    lblMESS = ui::messageLine(this);
    // A key that moves the selection during a pass selects the line it reached after the
    // information box has come and gone; the list then goes back to what the pass keeps.
    ListBox1 = new AnswerList(this, [this] {
        if (pass_.phase() == QuizPass::Phase::Asking) {
            selectLine(passSelection());
        }
    });
    ui::makePairList(ListBox1, {24, 136, 737, 314});
    ListBox1->setAccessibleName(QStringLiteral("ordpar"));

    const ui::DrillButtons foot =
        ui::drillButtons(this, kCream, ui::typeface(ui::Face::SansSerif, 16), variant.buttonHeight);
    Panel1 = foot.panel;
    buttNEXT = foot.next;
    buttMENU = foot.menu;
    buttEXIT = foot.exit;

    lblNTAL = ui::hiddenLabel(this, variant.ntalPlace, QStringLiteral("0"));
    Shape1 = ui::outline(this, around(lblKAPITEL));
    Shape2 = ui::outline(this, around(lblMESS));
    Shape4 = ui::outline(this, around(lblSVE));

    if (variant.buttonsFirstInTabOrder) {
        setTabOrder(buttNEXT, buttMENU);
        setTabOrder(buttMENU, buttEXIT);
        setTabOrder(buttEXIT, edtFOR);
        setTabOrder(edtFOR, ListBox1);
    } else {
        setTabOrder(edtFOR, buttNEXT);
        setTabOrder(buttNEXT, buttMENU);
        setTabOrder(buttMENU, buttEXIT);
        setTabOrder(buttEXIT, ListBox1);
    }

    setDefaultButton(buttNEXT);
    setBracketMapping(true);
    onClick(buttNEXT, [this] { buttNEXTClick(); });
    onClick(buttMENU, [this] { buttMENUClick(); });
    onClick(buttEXIT, [this] { buttEXITClick(); });

    // A review follows the user only: a click on a line or a drag to another line, reviewed
    // when the button comes up, or a move of the selection with the keys. A mouse press also
    // moves the selection, which is not yet the user's choice.
    ListBox1->viewport()->installEventFilter(this);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !mouseDown_) {
            guard([this] { ListBox1Click(); });
        }
    });
}

bool QuizScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1->viewport()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (!mouseDown_) {
                    rowBeforePress_ = ListBox1->currentRow();
                }
                mouseDown_ = true;
                break;
            case QEvent::MouseButtonRelease: {
                mouseDown_ = false;
                // Up on a line, or after the selection followed a drag: the selected line.
                const QPoint at = static_cast<QMouseEvent*>(event)->pos();
                const int row = ListBox1->currentRow();
                if (row >= 0 && (ListBox1->indexAt(at).isValid() || row != rowBeforePress_)) {
                    guard([this] { ListBox1Click(); });
                }
                break;
            }
            default:
                break;
        }
    }
    return Screen::eventFilter(watched, event);
}

void QuizScreen::FormShow() {
    // Nothing of the pass before stays: should the new one not be read, there is no pass to
    // answer or review.
    pass_.reset();
    setPairCount(0);
    lblSVE->clear();
    edtFOR->clear();
    clearLines();
    lblMESS->clear();
    store::WordListFile file(state_.language());
    setPairCount(source_->countOnShow(file, state_.list()));
    prSLUMPAORDNING();
    const int count = pairCount_;
    beginPass(count, count > 0 ? readPosition(file, 1) : store::WordRecord{});
    file.close();
    setMessage(kPaleBlue, variant_.instructionOnShow ? kInstruction : progressLine(0, count));
    edtFOR->setFocus();
}

void QuizScreen::prSLUMPAORDNING() {
    pass_.blankAnswers();
    setPairCount(source_->shuffle(state_.language(), pairCount_, random_));
}

void QuizScreen::prCENTRERA(const QString& answer, const QString& swedish) {
    ListBox1->addItem(ui::pairLine(swedish, answer));
    const int row = pass_.position() - 1;
    if (variant_.selectsAnsweredLine && row >= 0 && row < ListBox1->count()) {
        selectLine(row);
    }
}

void QuizScreen::buttNEXTClick() {
    store::WordListFile file(state_.language());
    if (pass_.phase() == QuizPass::Phase::Asking) {
        askStep(file);
    } else if (!pass_.repeatsWrong()) {
        if (dialogs().confirm(kOfferFullPass)) {
            startFullPass(file);
        }
    } else if (dialogs().confirm(kOfferRepeat)) {
        startRepeat(file);
    }
    file.close();
}

void QuizScreen::ListBox1Click() {
    if (pass_.phase() == QuizPass::Phase::Asking) {
        dialogs().information(kAnswerAllFirst);
        selectLine(passSelection());
        edtFOR->setFocus();
        return;
    }
    reviewLine(ListBox1->currentRow());
}

void QuizScreen::buttMENUClick() {
    navigator_.open(*this, ui::ScreenId::Menu);
}

store::WordRecord QuizScreen::readPosition(store::WordListFile& file, int position) {
    return source_->read(file, state_.list(), position);
}

void QuizScreen::askStep(store::WordListFile& file) {
    if (pass_.scoringDue()) {
        scorePass(file);  // the last answer is in, but its scoring failed: it is tried again
        return;
    }
    if (!pass_.asks()) {
        return;  // a pass without pairs has nothing to ask
    }
    const int p = pass_.position();
    const int questions = pass_.questions();
    // The pair asked was read when its word was shown. The next question is read before the
    // answer is recorded, so that a failed read leaves this question on screen, still to be
    // answered.
    const store::WordRecord pair = asked_;
    const store::WordRecord next = p < questions ? readPosition(file, p + 1) : store::WordRecord{};
    const QString typed = edtFOR->text();
    prCENTRERA(typed, ui::fromStore(pair.first));
    pass_.answer(answerOf(typed));
    recordAnswer(p, pair);
    if (p < questions) {
        asked_ = next;
        edtFOR->clear();
        lblSVE->setText(ui::fromStore(next.first));
        edtFOR->setFocus();
        lblMESS->setText(progressLine(p, questions));
    } else {
        scorePass(file);
    }
}

void QuizScreen::scorePass(store::WordListFile& file) {
    clearLines();
    const int questions = pass_.questions();
    const QuizPass::Score score =
        pass_.score([this, &file](int position) { return readPosition(file, position); });
    ListBox1->addItems(score.lines);
    if (score.right < questions) {
        setMessage(kPink, resultLine(score.right, questions));
        edtFOR->setText(ui::fromStore(score.lastWrongPair.second));
        lblSVE->setText(ui::fromStore(score.lastWrongPair.first));
        // Selected before the list takes the focus, which would otherwise make its first line
        // the current one.
        selectLine(score.lastWrong - 1);
        ListBox1->setFocus();
    } else {
        edtFOR->clear();
        lblSVE->clear();
        setMessage(kPaleGreen, kAllRight);
        buttNEXT->setFocus();
    }
}

void QuizScreen::startFullPass(store::WordListFile& file) {
    // The lines of the scored pass go first: once its answers are blanked they could no longer
    // be reviewed, should the new pass fail to start.
    clearLines();
    prSLUMPAORDNING();
    const int count = pairCount_;
    beginPass(count, count > 0 ? readPosition(file, 1) : store::WordRecord{});
    setMessage(kPaleBlue, progressLine(0, count));
    edtFOR->setFocus();
}

void QuizScreen::startRepeat(store::WordListFile& file) {
    // The order changes only once every position is read, so that a failed read leaves the
    // scored pass as it was.
    const QuizPass::Repeat repeat =
        pass_.wrongAnswers([this, &file](int position) { return readPosition(file, position); });
    int to = 1;
    for (int k : repeat.positions) {
        source_->copyEntry(k, to);
        ++to;
    }
    const int questions = to - 1;
    pass_.blankAnswers();
    beginPass(questions, repeat.first);
    setMessage(kPaleBlue, progressLine(0, questions));
    edtFOR->setFocus();
}

void QuizScreen::beginPass(int questions, const store::WordRecord& first) {
    clearLines();
    pass_.begin(questions);
    asked_ = first;
    lblSVE->setText(ui::fromStore(first.first));
    edtFOR->clear();
}

void QuizScreen::reviewLine(int row) {
    if (row < 0 || row >= pass_.questions() || row >= ListBox1->count()) {
        return;
    }
    store::WordListFile file(state_.language());
    const int position = row + 1;
    const store::WordRecord pair = readPosition(file, position);
    lblSVE->setText(ui::fromStore(pair.first));
    edtFOR->setText(ui::fromStore(pair.second));
    if (pass_.rightAt(position, pair)) {
        setMessage(kPaleGreen, kReviewRight);
    } else {
        setMessage(kPink, kReviewWrong);
    }
    file.close();
}

void QuizScreen::recordAnswer(int p, const store::WordRecord& pair) {
    memory::Answer answer;
    answer.pair = {state_.language(), pair.first, pair.second};
    answer.list = source_->place(state_.list(), p).list;
    answer.typed = pass_.answerAt(p);
    answer.right = pass_.rightAt(p, pair);
    // A pass that repeats the wrongly answered pairs asks each of them again.
    answer.first = !pass_.repeatsWrong();
    memory_.answered(answer);
}

void QuizScreen::setMessage(quint32 colour, const QString& text) {
    lblMESS->setBackgroundBgr(colour);
    lblMESS->setText(text);
}

void QuizScreen::clearLines() {
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    selectLine(-1);
}

void QuizScreen::selectLine(int row) {
    const QSignalBlocker quiet(ListBox1);
    // Set through the view, so that the list knows its current line was chosen: it then does
    // not make its first line the current one when the Tab key brings the focus to it, which
    // would review that line (or bring the information box) without the user moving to it.
    ListBox1->setCurrentIndex(ListBox1->model()->index(row, 0));
}

void QuizScreen::setPairCount(int count) {
    pairCount_ = count;
    lblNTAL->setText(QString::number(count));
}

}  // namespace quiz
