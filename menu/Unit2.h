#pragma once
// The menu screen: chooses the current language and list, names both, shows their counts,
// decides which drills are offered, and opens every other screen. It holds the state the
// other screens read, in the captions of its labels, and saves every change of it at once.

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/Screens.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

class TForm2 : public ui::Screen {
    Q_OBJECT
  public:
    explicit TForm2(Screens& screens);

    // The menu state as the other screens read it: the current language (lblSPRAK) and its
    // current list (lblKAP1, lblKAP2 or lblKAP3).
    int currentLanguage() const;
    int currentList() const;

    // Handlers.
    void opt1Click() { languageChoice(1); }
    void opt2Click() { languageChoice(2); }
    void opt3Click() { languageChoice(3); }
    void ComboBox1Change();
    void buttSPRAKClick();
    void buttKAPITELClick();
    void lblNTALiKAPClick();
    void lblTOTALANTALClick();
    void bitbtnSAVEClick();
    void buttLEARNClick();
    void buttREHEARSEClick();
    void bitbutINFOClick();

    // The menu refresh: list names, counters and drill controls from the current language's
    // file, which it creates when it is missing.
    void prBUDAT();
    void prUPPDATKAPITELBOX();
    // Writes the settings record from the menu state.
    void prSPARA();

    QFrame* Panel2;
    QPushButton* bitbtnSAVE;
    QFrame* Panel3;
    QPushButton* buttLEARN;
    QPushButton* buttREHEARSE;
    QRadioButton* optKAP;
    QRadioButton* optRANDOM;
    QGroupBox* GroupBox1;
    QComboBox* ComboBox1;
    ui::ClickLabel* lblNTALiKAP;
    ui::ClickLabel* lblTOTALANTAL;
    QFrame* Shape1;
    QFrame* Shape2;
    QPushButton* buttKAPITEL;
    QGroupBox* RadioGroup2;
    QRadioButton* opt1;
    QRadioButton* opt2;
    QRadioButton* opt3;
    QPushButton* buttSPRAK;
    QFrame* Panel1;
    QPushButton* bitbutINFO;
    QPushButton* buttEXIT;
    QLabel* lblSPRAK;
    QLabel* lblKAP1;
    QLabel* lblKAP2;
    QLabel* lblKAP3;
    QLabel* lblSsprak;

  protected:
    void FormShow() override;

  private:
    void loadState();
    void languageChoice(int language);
    QRadioButton* languageButton(int language) const;
    QLabel* listLabel(int language) const;
    // The drill controls for the current list's count c.
    void applyListCount(int count);
    // " " + language name + ": " + the selected list's name.
    QString chosenListTitle() const;
    QString randomTitle() const;

    Screens& screens_;
};
