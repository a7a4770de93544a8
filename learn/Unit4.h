#pragma once

#include <QLabel>

#include "app/Screens.h"
#include "ui/Screen.h"

class TForm4 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm4(Screens& screens);
    QLabel* lblKAPITEL;

  private:
    Screens& screens_;
};
