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
    setTitle(to, title);
    handOver(from, screen(to));
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

QWidget& Navigation::screen(ScreenId id) const {
    switch (id) {
        case ScreenId::Start:
            return *screens_.start;
        case ScreenId::Menu:
            return *screens_.menu;
        case ScreenId::Editor:
            return *screens_.editor;
        case ScreenId::LearnList:
            return *screens_.learnList;
        case ScreenId::QuizList:
            return *screens_.quizList;
        case ScreenId::LearnTen:
            return *screens_.learnRandom;
        case ScreenId::QuizTen:
            return *screens_.quizRandom;
        case ScreenId::Info:
            break;
    }
    return *screens_.info;
}

// The screens with a title line: the editor and the four drill screens.
void Navigation::setTitle(ScreenId id, const QString& title) const {
    switch (id) {
        case ScreenId::Editor:
            screens_.editor->lblKAPITEL->setText(title);
            break;
        case ScreenId::LearnList:
            screens_.learnList->lblKAPITEL->setText(title);
            break;
        case ScreenId::QuizList:
            screens_.quizList->lblKAPITEL->setText(title);
            break;
        case ScreenId::LearnTen:
            screens_.learnRandom->lblKAPITEL->setText(title);
            break;
        case ScreenId::QuizTen:
            screens_.quizRandom->lblKAPITEL->setText(title);
            break;
        default:
            break;
    }
}
