#pragma once

#include <QLabel>

#include "app/Screens.h"
#include "ui/Screen.h"

class TForm6 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm6(Screens& screens);
    QLabel* lblKAPITEL;

  private:
    Screens& screens_;
};
