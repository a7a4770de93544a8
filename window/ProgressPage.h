#pragma once
// "Framsteg": what the learning memory shows of a language. Per list the pairs that are new,
// learning, known, due today and hard; the answers per day and the known words over eight
// weeks; the days practised and the current run; the hard words with the wrong answers typed
// most often; a list's test day and how ready the list is; and a report to print.

#include <QWidget>
#include <functional>
#include <vector>

#include "memory/Progress.h"

class QBarSet;
class QCalendarWidget;
class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QTableWidget;
class QTreeWidget;

namespace window {

class Asker;

class ProgressPage : public QWidget {
    Q_OBJECT
  public:
    // `today` gives the learner's day (memory/Clock.h), so that tests fix it.
    ProgressPage(QString dataFolder, Asker& asker, std::function<int()> today,
                 QWidget* parent = nullptr);

    // Reads the word lists and the answers again.
    void reload();
    const memory::Progress& progress() const { return progress_; }
    // The report of the lists chosen in the table (all of them when none is): HTML, a page a list.
    QString reportHtml() const;

    QComboBox* language;
    QLineEdit* pupil;
    QTableWidget* table;
    QDateEdit* testDate;
    QPushButton* setTestDay;
    QPushButton* clearTestDay;
    QLabel* ready;
    QLabel* todo;
    QChartView* answersView;
    QChartView* knownView;
    QBarSet* rightSet;
    QBarSet* wrongSet;
    QLineSeries* knownSeries;
    QCalendarWidget* calendar;
    QLabel* run;
    QTreeWidget* hardWords;
    QPushButton* practise;
    QPushButton* print;

  signals:
    // "Öva på dessa": the trainer's quiz on exactly these pairs of `language`.
    void practiseRequested(int language, const std::vector<memory::PairKey>& pairs);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void fillTable();
    void fillCharts();
    void fillCalendar();
    void fillHardWords();
    void showTestDay();
    void changeTestDay(bool clear);
    void applyTheme();
    // The list of the table's current row, or null.
    const memory::ListProgress* currentList() const;

    QString folder_;
    Asker& asker_;
    std::function<int()> today_;
    memory::Progress progress_;
    std::vector<memory::PairKey> hard_;
};

}  // namespace window
