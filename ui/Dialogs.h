#pragma once
// The one way a screen asks the user anything.

#include <QString>
#include <optional>

class QWidget;

namespace ui {

inline constexpr const char* kApplicationTitle = "ordlykta 2.00";

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A plain box with OK, titled with the application title.
    virtual void notice(const QString& text) = 0;
    // "Information", OK.
    virtual void information(const QString& text) = 0;
    // "Confirm", question icon, "&Yes" (default) and "&No" (Escape); true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // "Input Box" with OK and Cancel, the text preselected; nothing for Cancel.
    virtual std::optional<QString> inputBox(const QString& title, const QString& prompt,
                                            const QString& text) = 0;
    // The standard error box: application title, error icon, OK.
    virtual void error(const QString& text) = 0;
};

// The real boxes, modal over the active window.
class QtDialogs : public Dialogs {
  public:
    void notice(const QString& text) override;
    void information(const QString& text) override;
    bool confirm(const QString& text) override;
    std::optional<QString> inputBox(const QString& title, const QString& prompt,
                                    const QString& text) override;
    void error(const QString& text) override;
};

}  // namespace ui
