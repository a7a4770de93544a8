#pragma once
// The start screen, which also keeps the screen position that travels from screen to screen.

#include <QLabel>
#include <QPushButton>

#include "app/Screens.h"
#include "ui/Screen.h"

class TForm1 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm1(Screens& screens);

    // Shows the start screen centred on its display.
    void showCentred();

    // Moves from one screen to another: the target shows (its show handler runs) and takes the
    // source's place, then the source hides and the target comes to the front.
    void handOver(QWidget& from, QWidget& to);

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
    Screens& screens_;
};
