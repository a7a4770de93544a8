#pragma once
// "Importera": a file, where its pairs go, what was read from it, and a preview of exactly what
// the import would do; "Importera" only when the plan is whole, then "Ångra".

#include <optional>

#include "window/Page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace window {

class ImportPage : public Page {
    Q_OBJECT
  public:
    ImportPage(Operations& operations, Asker& asker, QWidget* parent = nullptr);

    void openFile(const QString& path);
    void reload() override;

    QLineEdit* file;
    QPushButton* choose;
    QComboBox* language;
    QComboBox* firstList;
    QComboBox* format;
    QComboBox* encoding;
    QComboBox* separator;
    QComboBox* header;
    QSpinBox* swedishColumn;
    QLabel* detected;
    QCheckBox* cut;
    QCheckBox* skip;
    QCheckBox* skipBadRows;
    QTableWidget* targets;
    QTableWidget* notes;
    QLabel* problem;
    QPushButton* importButton;
    QPushButton* undoButton;
    QLabel* result;

  private:
    void busyChanged() override { updateButtons(); }
    ImportChoice choice() const;
    void fillLists();
    void preview();
    void importNow();
    void undo();
    void updateButtons();

    ImportPreview preview_;
    std::optional<Undo> undo_;
};

}  // namespace window
