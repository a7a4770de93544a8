#include "app/program/Program.h"

#include "app/Unit1.h"
#include "editor/Unit3.h"
#include "info/Unit8.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"

namespace {

template <class Form>
std::unique_ptr<Form> create(Screens& screens, Form*& slot) {
    auto form = std::make_unique<Form>(screens);
    slot = form.get();
    return form;
}

}  // namespace

Program::Program(ui::Context& context)
    : screens{context},
      start_(create(screens, screens.start)),
      menu_(create(screens, screens.menu)),
      editor_(create(screens, screens.editor)),
      learnList_(create(screens, screens.learnList)),
      quizList_(create(screens, screens.quizList)),
      learnRandom_(create(screens, screens.learnRandom)),
      quizRandom_(create(screens, screens.quizRandom)),
      info_(create(screens, screens.info)) {}

Program::~Program() = default;
