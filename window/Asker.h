#pragma once
// The one way the window asks the user anything or hands something to the printer; tests give
// a scripted double.

#include <QString>

class QPrinter;
class QWidget;

namespace window {

class Asker {
  public:
    virtual ~Asker() = default;
    // An error box that says what went wrong and what to do.
    virtual void error(const QString& text) = 0;
    // A question with "Ja" and "Nej" (the default); true for Ja.
    virtual bool confirm(const QString& text) = 0;
    // A file to open or to save to; empty when the user cancels.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& suggested,
                             const QString& filter) = 0;
    // Qt's print dialog, or its print preview, for this page.
    virtual void print(const QString& html, bool preview) = 0;
};

// Prints the page `html` on `printer`, as the print dialog and its preview do: Qt's text
// document of the page, a table's head repeated at the top of every printed page.
void printPage(const QString& html, QPrinter& printer);

// The real boxes and dialogs, modal over `parent`.
class QtAsker : public Asker {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& suggested,
                     const QString& filter) override;
    void print(const QString& html, bool preview) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace window
