#pragma once
// The frame every screen stands in: a fixed 792 x 573 window with caption, icon, background
// and default font; its handlers run guarded; Enter presses the focused or the default button;
// a screen may map the four bracket characters as they are typed.

#include <QWidget>
#include <functional>

#include "ui/Dialogs.h"

class QAbstractButton;
class QKeyEvent;

namespace ui {

// What every screen shares: the dialogs, and how to end the program.
struct Context {
    Dialogs& dialogs;
    std::function<void()> quit;
};

inline constexpr int kClientWidth = 792;
inline constexpr int kClientHeight = 573;

// The four characters a mapping screen replaces: "[" "]" "{" "}" become "Ç" "¿" "ç" "¡".
QChar mappedCharacter(QChar typed);

class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(Context& context, const QString& caption, quint32 background, int fontPoints = 8);

    Dialogs& dialogs() const { return context_.dialogs; }

    // Runs a handler; an error it raises ends it and is shown in the standard error box.
    void guard(const std::function<void()>& handler);
    // Connects a button's click to a guarded handler.
    void onClick(QAbstractButton* button, std::function<void()> handler);

    // Asks "Avsluta programmet"; Yes ends the program. What every "&Avsluta" does.
    void buttEXITClick();

    // Pressed by Enter when no push button has the focus, while it is enabled.
    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    QAbstractButton* defaultButton() const { return defaultButton_; }
    void setBracketMapping(bool on) { bracketMapping_ = on; }

    // Gives every control that has no accessible name its tool tip or the caption of the group
    // it stands in as one. Buttons and labels are left alone: their caption names them, and
    // stays current when it changes. Runs when the screen is first shown.
    void nameControls();

    // Sees every key press meant for a widget of this screen before the widget does.
    bool previewKey(QWidget* receiver, QKeyEvent* event);

  protected:
    // The show handler: runs when the screen is shown by the program, not when it is
    // restored from the task bar.
    virtual void FormShow() {}
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Context& context_;
    QAbstractButton* defaultButton_ = nullptr;
    bool bracketMapping_ = false;
    bool named_ = false;
};

}  // namespace ui
