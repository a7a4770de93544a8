#pragma once
// A quiz pass without a screen: the answers given, the position asked, the question count, the
// phase, the score, and whether the next pass repeats the wrong answers. The screen reads the
// pairs and shows the lines and texts made here.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "drill/DrillOrder.h"
#include "store/WordList.h"

namespace quiz {

// The answer as it is compared and kept: the typed text in Windows-1252, cut to 30 characters.
store::Text answerOf(const QString& typed);
// Right exactly when the answer equals the stored word byte for byte; case, spaces and accents
// count, and an empty answer is wrong.
bool isRight(const store::Text& answer, const store::Text& stored);

// " 3 av 10 ord förhörda."
QString progressLine(int asked, int questions);
// " Klart: 7 av 10 rätt. Klicka på # för att se rätt svar."
QString resultLine(int right, int questions);

class QuizPass {
  public:
    enum class Phase { Asking, Finished };

    // No pass: nothing to answer or review.
    void reset();
    // Every answer slot blank (30 spaces), as before a new order.
    void blankAnswers();
    // Opens a pass of `questions` questions, asking the first.
    void begin(int questions);

    Phase phase() const { return phase_; }
    // 1..questions() while asking, questions() + 1 once the last answer is in but the pass is
    // not scored yet, drill::kFinished after scoring.
    int position() const { return position_; }
    int questions() const { return questions_; }
    bool repeatsWrong() const { return repeatWrong_; }
    bool scoringDue() const { return questions_ > 0 && position_ == questions_ + 1; }
    bool asks() const { return position_ >= 1 && position_ <= questions_; }

    // Records the answer to the question asked and moves to the next one.
    void answer(const store::Text& given);
    const store::Text& answerAt(int position) const;
    bool rightAt(int position, const store::WordRecord& pair) const;
    // The scored line of a position: the stored word with " * " when right, the answer with
    // " # " when wrong.
    QString scoredLine(int position, const store::WordRecord& pair) const;
    // Ends the pass with `right` right answers; any wrong one makes the next pass a repeat.
    void finish(int right);

    // A reader of the pair at a position 1..questions(); it may throw.
    using PairAt = std::function<store::WordRecord(int position)>;

    // What a scored pass shows: a scored line for each position, the right answers, and the
    // last wrongly answered position (0 when all are right) with its pair.
    struct Score {
        QStringList lines;
        int right = 0;
        int lastWrong = 0;
        store::WordRecord lastWrongPair;
    };
    // Reads every pair of the pass, scores it and ends it. Should a read fail, the pass stays
    // as it was, its scoring still due.
    Score score(const PairAt& pairAt);

    // The wrongly answered positions of the scored pass in the order they were asked, and the
    // pair of the first of them: what a repeat asks. `pairAt` reads the pair of a position and
    // may throw; the pass does not change.
    struct Repeat {
        std::vector<int> positions;
        store::WordRecord first;
    };
    Repeat wrongAnswers(const PairAt& pairAt) const;

    // The line a pass keeps selected while asking: the newest answered one, or none (-1).
    int keptLine(bool newestAnswered) const { return newestAnswered ? position_ - 2 : -1; }

  private:
    std::array<store::Text, drill::kTableSize + 1> answers_;  // answers_[p]: the answer at p
    int position_ = 1;
    int questions_ = 0;  // of the running (or last scored) pass
    bool repeatWrong_ = false;
    Phase phase_ = Phase::Asking;
};

}  // namespace quiz
