#pragma once
// The info screen: five pages of help, paged with two arrow buttons. It has no show handler, so
// the page on display survives leaving the screen and coming back.

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <array>

#include "app/Screens.h"
#include "ui/Screen.h"

class TForm8 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm8(Screens& screens);

    void SpeedButton1Click();  // "&Framåt": one page forward
    void SpeedButton2Click();  // "&Bakåt": one page back
    void buttINFOClick();      // "&Menu": back to the menu

    QFrame* Panel2;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QLabel* Image4;
    QLabel* Image5;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton1;
    QFrame* Panel1;
    QPushButton* buttINFO;
    QPushButton* buttEXIT;
    QLabel* lblSIDA;

  private:
    // The picture of page 1 to 5.
    QLabel* image(int page) const { return images_[std::size_t(page - 1)]; }

    Screens& screens_;
    std::array<QLabel*, 5> images_{};
};
