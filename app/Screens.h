#pragma once
// The eight screens of the program. Created once, in this order, by the program; a pointer is
// set as soon as its screen exists.

#include "ui/Screen.h"

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;

// The screens by what they are, one name for each TForm class.
using StartScreen = TForm1;
using MenuScreen = TForm2;
using ListEditor = TForm3;
using LearnListScreen = TForm4;
using QuizListScreen = TForm5;
using LearnTenScreen = TForm6;
using QuizTenScreen = TForm7;
using InfoScreen = TForm8;

struct Screens {
    ui::Context& context;
    StartScreen* start = nullptr;
    MenuScreen* menu = nullptr;
    ListEditor* editor = nullptr;
    LearnListScreen* learnList = nullptr;
    QuizListScreen* quizList = nullptr;
    LearnTenScreen* learnRandom = nullptr;
    QuizTenScreen* quizRandom = nullptr;
    InfoScreen* info = nullptr;
};
