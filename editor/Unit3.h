#pragma once
// The list editor: the pairs of the current list, with append, insertion and removal written
// straight to the word-list file.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <optional>

#include "state/MenuState.h"
#include "ui/Navigator.h"
#include "ui/Screen.h"
#include "ui/Widgets.h"

class TForm3 : public ui::Screen {
    Q_OBJECT
  public:
    TForm3(ui::Context& context, state::MenuState& state, ui::Navigator& navigator);

    void FormShow() override;
    void buttSPARAClick();
    void buttTABORTClick();
    void buttINSERTClick();
    void bitbuttMENYClick();

    // Adds the pair line of Swedish word `s` and other word `f` at the end of the list box (note
    // the order: the other word first, the reverse of the line).
    void prCENTRERA(const QString& f, const QString& s);

    QFrame* Shape1;
    // The list's title, given by the menu as it opens the editor.
    ui::ClickLabel* lblKAPITEL;
    // The current language's name, above the other word's field.
    ui::ClickLabel* lblSsprak;
    QLineEdit* edtSVE;
    QLineEdit* edtFOR;
    ui::ClickLabel* lblSVENSKA;
    QListWidget* ListBox1;
    QFrame* Panel1;
    QPushButton* buttSPARA;
    QPushButton* buttTABORT;
    QPushButton* buttINSERT;
    QPushButton* bitbuttMENY;
    QPushButton* buttEXIT;
    // Hidden: the pair count of the list on display.
    QLabel* lblNTAL;

  private:
    int pairCountShown() const { return pairCount_; }
    void setPairCount(int count);
    // Slot of the selected pair, 0 when no line is selected.
    int selectedSlot() const;
    void selectLine(int index);
    // Reads the list from the file into the list box and the pair count.
    void reload();
    void applyButtonState(int count);
    void refuseFullList();
    bool refuseEmptyField(const QString& text);
    // Runs a file operation. Should it fail, the list is read again, so that the lines shown
    // are the pairs in the file (a removal then takes out the pair the user sees), and the
    // error goes on to the error box.
    void rereadOnFailure(const std::function<void()>& change);
    // The list is not what the list box showed: show it as it is.
    void showListAsItIs();
    // After a removal or insertion that left `count` pairs: the count, empty fields, the list
    // read anew and the buttons set. With no count the change was refused and the list is
    // shown as the file has it; then false.
    bool showChange(const std::optional<int>& count);

    state::MenuState& state_;
    ui::Navigator& navigator_;
    int pairCount_ = 0;  // the pair count of the list on display
};
