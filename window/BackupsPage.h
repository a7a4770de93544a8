#pragma once
// "Säkerhetskopior": every snapshot as a row, a restore that first says what it will change,
// a backup saved to a file and a restore from one; after a restore, "Ångra".

#include <optional>

#include "window/Page.h"

class QPushButton;
class QTableWidget;
class QLabel;

namespace window {

class BackupsPage : public Page {
    Q_OBJECT
  public:
    BackupsPage(Operations& operations, Asker& asker, QWidget* parent = nullptr);

    void reload() override;
    // The trainer takes snapshots, so the list is read each time it is shown.
    bool readWhenShown() const override { return true; }

    QTableWidget* table;
    QPushButton* restore;
    QPushButton* saveBackup;
    QPushButton* restoreFile;
    QPushButton* undoButton;
    QLabel* result;

  private:
    void busyChanged() override { updateButtons(); }
    void restoreFrom(const QString& archive, const QString& what);
    void undo();
    void updateButtons();

    std::vector<BackupRow> rows_;
    std::optional<Undo> undo_;
};

}  // namespace window
