#pragma once
// "Säkerhetskopior": every snapshot as a row with why it was taken, a restore of all its files
// or of one alone (the damaged one, when Kontroll names this snapshot for it) that first says
// what it will change, a backup saved to a file and a restore from one; after a restore, "Ångra".

#include <optional>

#include "window/Page.h"

class QComboBox;
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
    QComboBox* files;  // what "Återställ" brings back: every file that differs, or one alone
    QPushButton* saveBackup;
    QPushButton* restoreFile;
    QPushButton* undoButton;
    QLabel* result;

  private:
    void busyChanged() override { updateButtons(); }
    void restoreFrom(const QString& archive, const QString& what);
    void undo();
    void updateButtons();
    // The files of the chosen row, the damaged ones first.
    void fillFiles();

    std::vector<BackupRow> rows_;
    std::vector<std::pair<QString, QString>> damaged_;  // a damaged file, its sound copy
    std::optional<Undo> undo_;
};

}  // namespace window
