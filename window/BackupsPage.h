#pragma once
// "Säkerhetskopior": every snapshot as a row, a restore that first says what it will change,
// a backup saved to a file and a restore from one; after a restore, "Ångra".

#include <QWidget>
#include <optional>

#include "window/Operations.h"

class QPushButton;
class QTableWidget;
class QLabel;

namespace window {

class Asker;

class BackupsPage : public QWidget {
    Q_OBJECT
  public:
    BackupsPage(Operations& operations, Asker& asker, QWidget* parent = nullptr);

    void setBusy(bool busy);
    void reload();

    QTableWidget* table;
    QPushButton* restore;
    QPushButton* saveBackup;
    QPushButton* restoreFile;
    QPushButton* undoButton;
    QLabel* result;

  signals:
    void changed();

  private:
    void restoreFrom(const QString& archive, const QString& what);
    void undo();
    void updateButtons();

    Operations& operations_;
    Asker& asker_;
    bool busy_ = false;
    std::vector<BackupRow> rows_;
    std::optional<Undo> undo_;
};

}  // namespace window
