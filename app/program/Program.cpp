#include "app/program/Program.h"

#include "app/Unit1.h"
#include "editor/Unit3.h"
#include "info/Unit8.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"
#include "store/Settings.h"

namespace {

// Makes a screen and fills its place in `slot` at once, so that a later screen finds it.
template <class Form, class... Args>
std::unique_ptr<Form> create(Form*& slot, Args&... args) {
    auto form = std::make_unique<Form>(args...);
    slot = form.get();
    return form;
}

}  // namespace

Program::Program(ui::Context& context, memory::Recorder& memory)
    : Program(context, StartFirst{}, memory) {
    buildScreens();
}

Program::Program(ui::Context& context, StartFirst, memory::Recorder& memory)
    : screens{context}, memory_(memory), start_(create(screens.start, context, navigation_)) {}

memory::Recorder& Program::noMemory() {
    static memory::NoRecorder none;
    return none;
}

void Program::buildScreens() {
    if (menu_) {
        return;
    }
    ui::Context& context = screens.context;
    menu_ = create(screens.menu, context, state_, navigation_);
    editor_ = create(screens.editor, context, state_, navigation_);
    learnList_ = create(screens.learnList, context, state_, navigation_, memory_);
    quizList_ = create(screens.quizList, context, state_, navigation_, memory_);
    learnRandom_ = create(screens.learnRandom, context, state_, navigation_, memory_);
    quizRandom_ = create(screens.quizRandom, context, state_, navigation_, memory_);
    info_ = create(screens.info, context, navigation_);
    review_ = std::make_unique<quiz::ReviewScreen>(context, state_, navigation_, memory_);
}

void Program::startReview(int language, std::optional<std::vector<drill::Words>> only) {
    buildScreens();
    // The settings give the current language; a start touches no file, so missing settings are
    // not made here.
    if (store::settingsExist()) {
        state_.load();
    }
    if (language >= 1 && language <= store::kLanguageCount) {
        state_.setLanguage(language);
    }
    review_->askOnly(std::move(only));
    review_->showCentred();
}

Program::~Program() = default;
