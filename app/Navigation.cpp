#include "app/Navigation.h"

#include "app/Unit1.h"
#include "editor/Unit3.h"
#include "info/Unit8.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"

using ui::ScreenId;

void Navigation::open(QWidget& from, ScreenId to, const QString& title) {
    const Target target = find(to);
    if (target.title != nullptr) {
        target.title->setText(title);
    }
    handOver(from, target.screen);
}

void Navigation::handOver(QWidget& from, QWidget& to) {
    position_ = from.pos();
    // The start screen's hidden labels show the position as well.
    screens_.start->lblPOSX->setText(QString::number(position_.x()));
    screens_.start->lblPOSY->setText(QString::number(position_.y()));
    to.show();
    to.move(position_);
    from.hide();
    to.raise();
    to.activateWindow();
}

Navigation::Target Navigation::find(ScreenId id) const {
    switch (id) {
        case ScreenId::Start:
            return {*screens_.start, nullptr};
        case ScreenId::Menu:
            return {*screens_.menu, nullptr};
        case ScreenId::Editor:
            return {*screens_.editor, screens_.editor->lblKAPITEL};
        case ScreenId::LearnList:
            return {*screens_.learnList, screens_.learnList->lblKAPITEL};
        case ScreenId::QuizList:
            return {*screens_.quizList, screens_.quizList->lblKAPITEL};
        case ScreenId::LearnTen:
            return {*screens_.learnRandom, screens_.learnRandom->lblKAPITEL};
        case ScreenId::QuizTen:
            return {*screens_.quizRandom, screens_.quizRandom->lblKAPITEL};
        case ScreenId::Info:
            break;
    }
    return {*screens_.info, nullptr};
}
