#pragma once
// "Framsteg": what the learning memory shows of a language. Per list the pairs that are new,
// learning, known, due today and hard; the answers per day and the known words over eight
// weeks; the days practised and the current run; the hard words with the wrong answers typed
// most often; a list's test day and how ready the list is; and a report to print.

#include <functional>
#include <vector>

#include "memory/Progress.h"
#include "window/Page.h"

class QBarSet;
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

class ProgressPage : public Page {
    Q_OBJECT
  public:
    ProgressPage(Operations& operations, Asker& asker, QWidget* parent = nullptr);

    // The learner's day (memory/Clock.h) the page shows; the machine's clock unless a test
    // fixes it.
    void setClock(std::function<int()> today) { today_ = std::move(today); }

    // Reads the word lists and the answers again.
    void reload() override;
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
    QTableWidget* calendar;  // the chart's eight weeks, Monday first; days practised marked
    QLabel* run;
    QTreeWidget* hardWords;
    QPushButton* practise;
    QPushButton* print;
    QPushButton* review;

  signals:
    // "Öva på dessa": the trainer's quiz on exactly these pairs of `language`.
    void practiseRequested(int language, const std::vector<memory::PairKey>& pairs);
    // "Repetera dagens ord": the trainer's review of today's due pairs of `language`.
    void reviewRequested(int language);

  protected:
    void changeEvent(QEvent* event) override;
    void busyChanged() override;

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

    std::function<int()> today_;
    memory::Progress progress_;
    std::vector<memory::PairKey> hard_;
};

}  // namespace window
