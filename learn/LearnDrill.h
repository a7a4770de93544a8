#pragma once
// The steps of a learn drill, without a screen: the Swedish word of a step first, the other word
// at the next press, every revealed pair kept as a line, and a progress line. The pairs come from
// a function that reads the pair of a step 1..n of the drill's order, and that may throw: a press
// reads before it changes anything, so that a failed read leaves the drill where it was.

#include <QString>
#include <QStringList>
#include <functional>

#include "store/WordList.h"

namespace learn {

// Where a drill stands between two presses of "&Fortsätt".
enum StepState : int {
    kWordShown = 1,      // the Swedish word of the current step, the other word hidden
    kPairShown = 2,      // both words of the current step
    kNextWordShown = 3,  // inside a press only: the next Swedish word has just been shown
    kJustRevealed = 4,   // inside a press only: the pair has just been revealed
    kDrillFinished = 5,  // the last pair has been revealed (position is drill::kFinished)
};

// " 3 av 10 ordpar visade."
QString progressLine(int shown, int n);

class LearnDrill {
  public:
    using PairOf = std::function<store::WordRecord(int step)>;

    // Called once the reads of a press are done and before anything else changes: where the
    // screen closes its file, whose failure then leaves the rest of the press undone.
    using WhenRead = std::function<void()>;

    // A new drill begins: no lines, no other word, the first step. Its pairs come with show().
    void restart();
    // Shows the first Swedish word of a drill over n pairs and the progress line.
    void show(int n, const PairOf& pairOf, const WhenRead& whenRead);
    // No drill: nothing to show, nothing to press on.
    void clear();
    // Once the last pair is revealed, a press first asks whether to see the pairs again.
    bool offersAgain() const;
    // Declines that offer: the drill stays finished, and the next press asks again.
    void stayFinished() { stepState_ = kDrillFinished; }
    // One press of "&Fortsätt": reveals the other word, or moves on to the next Swedish word;
    // without pairs, nothing.
    void press(const PairOf& pairOf, const WhenRead& whenRead);

    int pairCount() const { return n_; }
    int position() const { return position_; }
    int stepState() const { return stepState_; }
    const QString& swedish() const { return swedish_; }
    const QString& other() const { return other_; }
    // The revealed pairs as pair lines, and the line to select: the newest one.
    const QStringList& lines() const { return lines_; }
    int newestLine() const { return lines_.size() - 1; }
    // The progress line and how far it has come: not yet shown, running, or all pairs shown.
    enum class Stage { None, Running, AllShown };
    const QString& progress() const { return progress_; }
    Stage stage() const { return stage_; }

  private:
    int n_ = 0;
    int position_ = 0;
    int stepState_ = 0;
    QString swedish_;
    QString other_;
    QStringList lines_;
    QString progress_;
    Stage stage_ = Stage::None;
};

}  // namespace learn
