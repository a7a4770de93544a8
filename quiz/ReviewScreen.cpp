#include "quiz/ReviewScreen.h"

#include <QScreen>

#include "memory/Clock.h"
#include "quiz/Unit5.h"

namespace quiz {
namespace {

std::vector<drill::Words> dueWords(memory::Recorder& memory, int language) {
    std::vector<drill::Words> words;
    for (const memory::DuePair& due : memory.today(language).due) {
        words.push_back({due.state.pair.swedish, due.state.pair.other});
    }
    return words;
}

}  // namespace

QString nothingDueLine(int nextDay) {
    if (nextDay < 0) {
        return QStringLiteral(" Inga ord att repetera: inga ord förhörda ännu.");
    }
    return QStringLiteral(" Inga ord att repetera i dag. Nästa: %1.")
        .arg(QString::fromStdString(memory::dateOf(nextDay)));
}

ReviewScreen::ReviewScreen(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
                           memory::Recorder& memory)
    : QuizScreen(context, state, navigator, memory, chosenListVariant(),
                 std::make_unique<drill::DueSource>([this, &memory](int language) {
                     return only_ ? *only_ : dueWords(memory, language);
                 })),
      recorder_(memory) {
    lblKAPITEL->setText(kReviewTitle);
}

void ReviewScreen::showCentred() {
    const QRect available = screen()->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
    show();
}

void ReviewScreen::FormShow() {
    QuizScreen::FormShow();
    if (pairCount() == 0) {
        lblMESS->setText(only_ ? QStringLiteral(" Inga av orden finns kvar i ordlistorna.")
                               : nothingDueLine(recorder_.today(state_.language()).nextDay));
    }
}

}  // namespace quiz
