#pragma once
// The quiz both quiz screens run: every pair of a pass is asked without a word on whether the
// answer was right; the last answer scores the pass, lists each pair with " * " (right) or " # "
// (wrong) and lets the user review any line; then the whole pass again, or only the wrongly
// answered pairs in the order they were asked, until a pass is all right. A screen gives the
// quiz its pairs through a drill::PairSource; the QuizPass keeps the answers and the score.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <memory>

#include "drill/PairSource.h"
#include "memory/Memory.h"
#include "quiz/QuizPass.h"
#include "state/MenuState.h"
#include "store/WordList.h"
#include "ui/Navigator.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

namespace quiz {

// Where the two quiz screens differ in their frame and their show handler.
struct Variant {
    QString caption;
    int buttonHeight = 60;
    QRect ntalPlace;
    bool buttonsFirstInTabOrder = false;  // else the answer box comes first
    bool instructionOnShow = true;        // else the progress line for 0 questions
    bool selectsAnsweredLine = true;      // during a pass the newest line is selected
};

class QuizScreen : public ui::Screen {
    Q_OBJECT
  public:
    QuizScreen(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
               memory::Recorder& memory, const Variant& variant,
               std::unique_ptr<drill::PairSource> source);

    // One quiz step: record an answer and ask the next question, score the pass after the
    // last one, or offer the next pass once a pass is scored.
    void buttNEXTClick();
    // The user clicked a line or moved to it with the keys: during a pass the information box,
    // after scoring the review of that line.
    void ListBox1Click();
    void buttMENUClick();
    // Blanks the answer slots and builds a new order for a full pass over the pair count.
    void prSLUMPAORDNING();
    // Appends the pair line of the two texts (note the order: the answer first, the reverse of
    // the line); on the chosen-list screen it also selects the line of the current position.
    void prCENTRERA(const QString& answer, const QString& swedish);

    // The pairs of a full pass.
    int pairCount() const { return pairCount_; }
    // The random source of this screen's orders; a test may put a fixed clock into it.
    drill::Random& random() { return random_; }

    QLabel* lblKAPITEL;  // the title line, given by the menu as it opens the screen
    ui::ClickLabel* lblSVE;
    QLineEdit* edtFOR;
    ui::ClickLabel* lblMESS;
    QListWidget* ListBox1;
    QFrame* Panel1;
    QPushButton* buttNEXT;
    QPushButton* buttMENU;
    QPushButton* buttEXIT;
    QLabel* lblNTAL;  // hidden: the pair count of a full pass
    QFrame* Shape1;
    QFrame* Shape2;
    QFrame* Shape4;

  protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    state::MenuState& state_;

  private:
    store::WordRecord readPosition(store::WordListFile& file, int position);
    void askStep(store::WordListFile& file);
    void scorePass(store::WordListFile& file);
    void startFullPass(store::WordListFile& file);
    void startRepeat(store::WordListFile& file);
    void reviewLine(int row);
    // Opens the pass of `questions` questions and shows the first, whose pair is `first`. It
    // reads nothing, so that a pass is opened only once its first pair has been read.
    void beginPass(int questions, const store::WordRecord& first);
    void setMessage(quint32 colour, const QString& text);
    // Empties the list without the list reporting it as the user's move.
    void clearLines();
    // Selects a line, or none with -1, without the list reporting it as the user's move.
    void selectLine(int row);
    // The line a pass keeps selected: the newest answered one on the chosen-list screen.
    int passSelection() const { return pass_.keptLine(variant_.selectsAnsweredLine); }
    void setPairCount(int count);
    // Keeps the answer just given to the pair at position p.
    void recordAnswer(int p, const store::WordRecord& pair);

    ui::Navigator& navigator_;
    memory::Recorder& memory_;
    const Variant variant_;
    std::unique_ptr<drill::PairSource> source_;
    drill::Random random_;

    int pairCount_ = 0;  // the pairs of a full pass, which lblNTAL shows
    QuizPass pass_;
    store::WordRecord asked_;  // the pair whose Swedish word is on screen, read when shown

    bool mouseDown_ = false;   // a mouse button is down on the list's lines
    int rowBeforePress_ = -1;  // the selected line when the button went down
};

}  // namespace quiz
