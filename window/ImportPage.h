#pragma once
// "Importera": a file, where its pairs go, what was read from it, and a preview of exactly what
// the import would do; "Importera" only when the plan is whole, then "Ångra".

#include <memory>
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
    QTableWidget* pairs;  // the pairs as they will be stored, the first kShownPairs
    QLabel* morePairs;    // how many more, and the rows passed over
    QTableWidget* notes;
    QLabel* problem;
    QPushButton* importButton;
    QPushButton* undoButton;
    QPushButton* learnButton;
    QPushButton* quizButton;
    QLabel* result;

    static constexpr int kShownPairs = 12;

  signals:
    // The trainer is to start on this list's learn (or quiz) screen.
    void practise(int language, int list, bool quiz);

  private:
    void busyChanged() override { updateButtons(); }
    ImportChoice choice() const;
    void fillLists();
    void preview();
    void importNow();
    void undo();
    void showPairs();
    void updateButtons();

    ImportPreview preview_;
    bool languageChosen_ = false;                       // by the user; else as the file says
    std::shared_ptr<const tool::ImportRecord> record_;  // of the last import, for "Ångra"
    QString imported_;                                  // the file just imported
    int importedLanguage_ = 0;
    int importedList_ = 0;
};

}  // namespace window
