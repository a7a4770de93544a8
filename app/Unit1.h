#pragma once
// The start screen. Its hidden labels show the screen position that travels from screen to
// screen.

#include <QLabel>
#include <QPushButton>

#include "app/Navigation.h"
#include "ui/Screen.h"

class TForm1 : public ui::Screen {
    Q_OBJECT
  public:
    TForm1(ui::Context& context, Navigation& navigation);

    // Shows the start screen centred on its display.
    void showCentred();

    void BitBtn1Click();

    QFrame* Panel2;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QFrame* Panel1;
    QPushButton* Button2;
    QPushButton* BitBtn1;
    QLabel* lblPOSY;
    QLabel* lblPOSX;

  private:
    Navigation& navigation_;
};
