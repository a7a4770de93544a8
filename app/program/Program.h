#pragma once
// The whole program: its eight screens, created once and in order.

#include <memory>

#include "app/Screens.h"

class Program {
  public:
    explicit Program(ui::Context& context);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Screens screens;

  private:
    std::unique_ptr<TForm1> start_;
    std::unique_ptr<TForm2> menu_;
    std::unique_ptr<TForm3> editor_;
    std::unique_ptr<TForm4> learnList_;
    std::unique_ptr<TForm5> quizList_;
    std::unique_ptr<TForm6> learnRandom_;
    std::unique_ptr<TForm7> quizRandom_;
    std::unique_ptr<TForm8> info_;
};
