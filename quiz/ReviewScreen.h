#pragma once
// "Repetera dagens ord": the pairs of the current language due for review today, the least
// retrievable first, at most 20 a pass, asked on the quiz screen exactly as a quiz. With
// nothing due it says so, and when the next pair is due.

#include <optional>
#include <vector>

#include "drill/PairSource.h"
#include "memory/Memory.h"
#include "quiz/QuizScreen.h"

namespace quiz {

inline const QString kReviewTitle = QStringLiteral("Repetera dagens ord");

// " Inga ord att repetera i dag. Nästa: 2026-12-09." (or that nothing has been answered).
QString nothingDueLine(int nextDay);

class ReviewScreen : public QuizScreen {
    Q_OBJECT
  public:
    ReviewScreen(ui::Context& context, state::MenuState& state, ui::Navigator& navigator,
                 memory::Recorder& memory);

    // Shown as the program's first window, in the middle of the screen.
    void showCentred();
    // From the next show on, asks exactly these pairs (the words' window's "Öva på dessa")
    // instead of today's due ones; nothing: today's due ones again.
    void askOnly(std::optional<std::vector<drill::Words>> pairs) { only_ = std::move(pairs); }

  protected:
    void FormShow() override;

  private:
    memory::Recorder& recorder_;
    std::optional<std::vector<drill::Words>> only_;
};

}  // namespace quiz
