#pragma once
// The menu screen: chooses the current language and list, names both, shows their counts,
// decides which drills are offered, and opens every other screen. It changes the menu state
// that the other screens read, and saves every change of it at once; its hidden labels show
// that state.

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "state/MenuState.h"
#include "ui/Navigator.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

class TForm2 : public ui::Screen {
    Q_OBJECT
  public:
    TForm2(ui::Context& context, state::MenuState& state, ui::Navigator& navigator);

    // The current language and its current list.
    int currentLanguage() const { return state_.language(); }
    int currentList() const { return state_.list(); }

    // Handlers.
    void ComboBox1Change();
    void buttSPRAKClick();
    void buttKAPITELClick();
    void lblNTALiKAPClick();
    void lblTOTALANTALClick();
    void bitbtnSAVEClick();  // "&Spara" opens the list editor
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
    QPushButton* bitbtnSAVE;  // "&Spara": opens the list editor, saves nothing
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
    // Hidden: the current language, the current list of each language, the language's name.
    QLabel* lblSPRAK;
    QLabel* lblKAP1;
    QLabel* lblKAP2;
    QLabel* lblKAP3;
    QLabel* lblSsprak;

  protected:
    void FormShow() override;

  private:
    // The construction, a group of controls at a time, in the order of the screen's controls.
    void makeDrillPanels();
    void makeListGroup();
    void makeLanguageGroup();
    void makeFooter();
    void connectHandlers();

    void loadState();
    void languageChoice(int language);
    QRadioButton* languageButton(int language) const;
    QLabel* listLabel(int language) const;
    // The hidden labels from the menu state.
    void showState();
    // The drill controls for the current list's count c.
    void applyListCount(int count);
    // "&Lär in" and "&Förhör": the drill of the chosen list or of ten random pairs.
    void openDrill(ui::ScreenId ofList, ui::ScreenId ofTen);
    // " " + language name + ": " + the selected list's name.
    QString chosenListTitle() const;
    QString randomTitle() const;

    state::MenuState& state_;
    ui::Navigator& navigator_;
};
