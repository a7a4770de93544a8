#pragma once

#include <QLabel>
#include <QPushButton>

#include "app/Screens.h"
#include "ui/Screen.h"

class TForm2 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm2(Screens& screens);
    QLabel* lblSPRAK;
    QLabel* lblKAP1;
    QLabel* lblKAP2;
    QLabel* lblKAP3;
    QLabel* lblSsprak;
    QLabel* lblTOTALANTAL;
    QPushButton* buttEXIT;

  protected:
    void FormShow() override;

  private:
    Screens& screens_;
};
