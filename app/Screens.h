#pragma once
// The eight screens, as every screen reaches the others. Created once, in this order, by the
// program; a pointer is set as soon as its screen exists.

#include "ui/Screen.h"

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;

struct Screens {
    ui::Context& context;
    TForm1* start = nullptr;
    TForm2* menu = nullptr;
    TForm3* editor = nullptr;
    TForm4* learnList = nullptr;
    TForm5* quizList = nullptr;
    TForm6* learnRandom = nullptr;
    TForm7* quizRandom = nullptr;
    TForm8* info = nullptr;
};
