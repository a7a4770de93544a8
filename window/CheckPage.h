#pragma once
// "Kontroll": what check finds in the data files, grouped by file and list, a run of the same
// finding as one row; "Laga" mends what can be mended, and "Ångra" takes it back.

#include <QWidget>
#include <optional>

#include "window/Operations.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace window {

class Asker;

class CheckPage : public QWidget {
    Q_OBJECT
  public:
    CheckPage(Operations& operations, Asker& asker, QWidget* parent = nullptr);

    void setBusy(bool busy);
    void reload();

    QTreeWidget* tree;
    QLabel* summary;
    QPushButton* again;
    QPushButton* mend;
    QPushButton* undoButton;

  signals:
    void changed();

  private:
    void updateButtons();

    Operations& operations_;
    Asker& asker_;
    bool busy_ = false;
    bool mendable_ = false;
    std::optional<Undo> undo_;
};

}  // namespace window
