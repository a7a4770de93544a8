#pragma once

#include <QLabel>

#include "app/Screens.h"
#include "ui/Screen.h"

class TForm3 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm3(Screens& screens);
    QLabel* lblSsprak;
    QLabel* lblKAPITEL;

  private:
    Screens& screens_;
};
