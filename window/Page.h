#pragma once
// What every page of the window is: a view of the data folder that reads it again when asked,
// holds back its writing buttons while the trainer holds the folder, and says when it changed
// the folder so that the other pages read it again. A new page is a class of this kind and one
// row in the window's table of pages (Window.cpp).

#include <QWidget>

#include "window/Operations.h"

namespace window {

class Asker;

class Page : public QWidget {
    Q_OBJECT
  public:
    Page(Operations& operations, Asker& asker, QWidget* parent = nullptr);

    // Reads the data folder into the page.
    virtual void reload() = 0;
    // Whether the page is read again each time it is shown, even when nothing here changed the
    // folder (the backups page: the trainer takes snapshots).
    virtual bool readWhenShown() const { return false; }

    // While the trainer holds the folder no writing button is enabled.
    void setBusy(bool busy);
    bool busy() const { return busy_; }

  signals:
    void changed();  // this page changed the data folder

  protected:
    // The busy state changed: the page enables or disables its buttons.
    virtual void busyChanged() {}
    // This page changed the folder: it reads it again, and so does every other page.
    void folderChanged();

    Operations& operations_;
    Asker& asker_;

  private:
    bool busy_ = false;
};

}  // namespace window
