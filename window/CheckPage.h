#pragma once
// "Kontroll": what check finds in the data files, grouped by file and list, a run of the same
// finding as one row; "Laga" mends what can be mended, "Återställ" brings back a file that
// cannot be mended from the snapshot named (that file alone), and "Ångra" takes either back.

#include <optional>
#include <utility>
#include <vector>

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
    QPushButton* restoreDamaged;
    QPushButton* undoButton;

  private:
    void busyChanged() override { updateButtons(); }
    void updateButtons();

    void restoreNow();

    bool mendable_ = false;
    // The files of the wrong size with the snapshot that holds a sound copy of each.
    std::vector<std::pair<QString, QString>> soundCopies_;
    std::optional<Undo> undo_;
};

}  // namespace window
