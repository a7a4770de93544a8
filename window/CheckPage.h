#pragma once
// "Kontroll": what check finds in the data files, grouped by file and list, a run of the same
// finding as one row; "Laga" mends what can be mended, and "Ångra" takes it back.

#include <optional>

#include "window/Page.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace window {

class CheckPage : public Page {
    Q_OBJECT
  public:
    CheckPage(Operations& operations, Asker& asker, QWidget* parent = nullptr);

    void reload() override;

    QTreeWidget* tree;
    QLabel* summary;
    QPushButton* again;
    QPushButton* mend;
    QPushButton* undoButton;

  private:
    void busyChanged() override { updateButtons(); }
    void updateButtons();

    bool mendable_ = false;
    std::optional<Undo> undo_;
};

}  // namespace window
