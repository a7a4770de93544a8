#include "learn/LearnDrill.h"

#include "drill/DrillOrder.h"
#include "ui/Text.h"

namespace learn {

QString progressLine(int shown, int n) {
    return QStringLiteral(" %1 av %2 ordpar visade.").arg(shown).arg(n);
}

void LearnDrill::restart() {
    position_ = 1;
    stepState_ = kWordShown;
    lines_.clear();
    other_.clear();
}

void LearnDrill::show(int n, const PairOf& pairOf, const WhenRead& whenRead) {
    n_ = n;
    swedish_ = n > 0 ? ui::fromStore(pairOf(1).first) : QString();
    whenRead();
    stage_ = Stage::Running;
    progress_ = progressLine(0, n);
}

void LearnDrill::clear() {
    n_ = 0;
    lines_.clear();
    swedish_.clear();
    other_.clear();
    progress_.clear();
}

bool LearnDrill::offersAgain() const {
    return position_ == drill::kFinished && stepState_ >= kJustRevealed;
}

void LearnDrill::press(const PairOf& pairOf, const WhenRead& whenRead) {
    const int n = n_;
    if (n < 1) {
        return;  // a drill without pairs has nothing to show
    }
    if (stepState_ == kWordShown && position_ <= n) {
        const store::WordRecord pair = pairOf(position_);
        swedish_ = ui::fromStore(pair.first);
        other_ = ui::fromStore(pair.second);
        lines_.append(ui::pairLine(swedish_, other_));
        stepState_ = kJustRevealed;
    }
    if (stepState_ == kPairShown && position_ <= n) {
        // Read before the step moves on, so that a failed read leaves the pair to come.
        const store::WordRecord pair = pairOf(position_ + 1);
        ++position_;
        other_.clear();
        swedish_ = ui::fromStore(pair.first);
        stepState_ = kNextWordShown;
    }
    whenRead();

    if (position_ == n && stepState_ >= kJustRevealed) {
        stage_ = Stage::AllShown;
        progress_ = progressLine(n, n);
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
        progress_ = progressLine(position_ + stepState_ - 2, n);
    }
}

}  // namespace learn
