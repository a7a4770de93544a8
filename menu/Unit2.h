#pragma once

#include <QLabel>
#include <QPushButton>

#include "app/Screens.h"
#include "ui/Screen.h"

class TForm2 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm2(Screens& screens);

    // The menu state as the other screens read it: the current language (lblSPRAK) and its
    // current list (lblKAP1, lblKAP2 or lblKAP3).
    int currentLanguage() const;
    int currentList() const;
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
