#pragma once
// "Exportera och skriv ut": a language's lists, or one, saved in a format another program
// reads, or printed as a list or as an exam sheet.

#include <vector>

#include "window/Page.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace window {

class ExportPage : public Page {
    Q_OBJECT
  public:
    ExportPage(Operations& operations, Asker& asker, QWidget* parent = nullptr);

    void reload() override;
    // The file name the save dialog suggests for the current choice.
    QString suggestedName() const;

    QComboBox* language;
    QComboBox* list;
    QComboBox* format;
    QGroupBox* exam;
    QRadioButton* askSwedish;
    QRadioButton* askOther;
    QCheckBox* shuffle;
    QPushButton* save;
    QPushButton* print;
    QPushButton* preview;

  private:
    const tool::ExportChoice& chosen() const;
    std::optional<int> chosenList() const;
    QByteArray bytes() const;
    void fillLists();
    void updateControls();
    void saveFile();
    void printPage(bool preview);

    // What the format box offers, in its order.
    const std::vector<tool::ExportChoice> choices_ = tool::exportChoices();
};

}  // namespace window
