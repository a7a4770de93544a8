#pragma once
// The info screen: five pages of help, paged with two arrow buttons. It has no show handler, so
// the page on display survives leaving the screen and coming back.

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <array>

#include "ui/Navigator.h"
#include "ui/Screen.h"

class TForm8 : public ui::Screen {
    Q_OBJECT
  public:
    TForm8(ui::Context& context, ui::Navigator& navigator);

    void SpeedButton1Click();  // "&Framåt": one page forward
    void SpeedButton2Click();  // "&Bakåt": one page back
    void buttINFOClick();      // "&Menu": back to the menu

    QFrame* Panel2;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QLabel* Image4;
    QLabel* Image5;
    QToolButton* SpeedButton2;  // "&Bakåt": one page back
    QToolButton* SpeedButton1;  // "&Framåt": one page forward
    QFrame* Panel1;
    QPushButton* buttINFO;  // "&Menu": back to the menu, not to the info
    QPushButton* buttEXIT;
    // Hidden: the page on display. The arrows page from what it says, and a number that is no
    // page moves nothing.
    QLabel* lblSIDA;

  private:
    // The picture of page 1 to 5.
    QLabel* image(int page) const { return images_[std::size_t(page - 1)]; }

    ui::Navigator& navigator_;
    std::array<QLabel*, 5> images_{};
};
