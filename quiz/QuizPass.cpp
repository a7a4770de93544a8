#include "quiz/QuizPass.h"

#include "ui/Text.h"

namespace quiz {

namespace {

const store::Text kBlankAnswer(store::kShortStringCapacity, ' ');

std::size_t slot(int position) {
    return static_cast<std::size_t>(position);
}

}  // namespace

store::Text answerOf(const QString& typed) {
    return store::cut(ui::toStore(typed));
}

bool isRight(const store::Text& answer, const store::Text& stored) {
    return !answer.empty() && answer == stored;
}

QString progressLine(int asked, int questions) {
    return QStringLiteral(" %1 av %2 ord förhörda.").arg(asked).arg(questions);
}

QString resultLine(int right, int questions) {
    return QStringLiteral(" Klart: %1 av %2 rätt. Klicka på # för att se rätt svar.")
        .arg(right)
        .arg(questions);
}

void QuizPass::reset() {
    questions_ = 0;
    position_ = 1;
    phase_ = Phase::Asking;
    repeatWrong_ = false;
}

void QuizPass::blankAnswers() {
    answers_.fill(kBlankAnswer);
}

void QuizPass::begin(int questions) {
    questions_ = questions;
    position_ = 1;
    phase_ = Phase::Asking;
}

void QuizPass::answer(const store::Text& given) {
    answers_[slot(position_)] = given;
    ++position_;
}

const store::Text& QuizPass::answerAt(int position) const {
    return answers_[slot(position)];
}

bool QuizPass::rightAt(int position, const store::WordRecord& pair) const {
    return isRight(answerAt(position), pair.second);
}

QString QuizPass::scoredLine(int position, const store::WordRecord& pair) const {
    const QString swedish = ui::fromStore(pair.first);
    if (rightAt(position, pair)) {
        return ui::pairLine(swedish, ui::fromStore(pair.second));
    }
    return ui::pairLine(swedish, ui::fromStore(answerAt(position)), QStringLiteral(" # "));
}

QuizPass::Score QuizPass::score(const PairAt& pairAt) {
    Score score;
    for (int k = 1; k <= questions_; ++k) {
        const store::WordRecord pair = pairAt(k);
        score.lines << scoredLine(k, pair);
        if (rightAt(k, pair)) {
            ++score.right;
        } else {
            score.lastWrong = k;
            score.lastWrongPair = pair;
        }
    }
    finish(score.right);
    return score;
}

QuizPass::Repeat QuizPass::wrongAnswers(const PairAt& pairAt) const {
    Repeat repeat;
    for (int k = 1; k <= questions_; ++k) {
        const store::WordRecord pair = pairAt(k);
        if (!rightAt(k, pair)) {
            if (repeat.positions.empty()) {
                repeat.first = pair;
            }
            repeat.positions.push_back(k);
        }
    }
    return repeat;
}

void QuizPass::finish(int right) {
    repeatWrong_ = right < questions_;
    position_ = drill::kFinished;
    phase_ = Phase::Finished;
}

}  // namespace quiz
