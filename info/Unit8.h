#pragma once

#include <QLabel>

#include "app/Screens.h"
#include "ui/Screen.h"

class TForm8 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm8(Screens& screens);

  private:
    Screens& screens_;
};
