#pragma once
// The whole program: the menu state, the way between the screens and the eight screens,
// created once and in order. The program itself puts the start screen on the display before it
// builds the seven others, which nobody sees until "&Fortsätt" is pressed.

#include <memory>
#include <optional>
#include <vector>

#include "app/Navigation.h"
#include "app/Screens.h"
#include "memory/Memory.h"
#include "quiz/ReviewScreen.h"
#include "state/MenuState.h"

class Program {
  public:
    // All eight screens at once. The drill screens keep what is answered and shown in
    // `memory`; by default nothing is kept.
    explicit Program(ui::Context& context, memory::Recorder& memory = noMemory());
    // The start screen only; buildScreens() makes the seven others.
    struct StartFirst {};
    Program(ui::Context& context, StartFirst, memory::Recorder& memory = noMemory());
    void buildScreens();
    // Starts on "Repetera dagens ord" of `language` (1..3; 0 for the current one) instead of
    // the start screen: the screens are built, the drill shows in the middle of the screen.
    // With `only`, the drill asks exactly those pairs instead of today's due ones.
    void startReview(int language, std::optional<std::vector<drill::Words>> only = std::nullopt);
    quiz::ReviewScreen& review() { return *review_; }
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Screens screens;
    // The way between the screens, for tests that move as the buttons do.
    Navigation& navigation() { return navigation_; }

    // A memory that keeps nothing.
    static memory::Recorder& noMemory();

  private:
    memory::Recorder& memory_;
    state::MenuState state_;
    Navigation navigation_{screens};
    std::unique_ptr<StartScreen> start_;
    std::unique_ptr<MenuScreen> menu_;
    std::unique_ptr<ListEditor> editor_;
    std::unique_ptr<LearnListScreen> learnList_;
    std::unique_ptr<QuizListScreen> quizList_;
    std::unique_ptr<LearnTenScreen> learnRandom_;
    std::unique_ptr<QuizTenScreen> quizRandom_;
    std::unique_ptr<InfoScreen> info_;
    std::unique_ptr<quiz::ReviewScreen> review_;
};
