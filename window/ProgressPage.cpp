#include "window/ProgressPage.h"

#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

#include "memory/Clock.h"
#include "text/Text.h"
#include "tool/Base.h"
#include "tool/commands/Learned.h"
#include "tool/commands/Progress.h"
#include "window/Asker.h"
#include "window/Controls.h"
#include "window/ProgressCharts.h"
#include "window/Text.h"

namespace window {
namespace {

// The weeks the calendar shows.
constexpr int kWeeks = 8;

QString percent(double share) {
    return QStringLiteral("%1 %").arg(qRound(share * 100));
}

QString shortDate(int day) {
    return QString::fromStdString(memory::dateOf(day));
}

QString wrongText(const memory::HardWord& word) {
    QStringList wrong;
    for (const auto& [typed, times] : word.wrong) {
        wrong << (times > 1 ? Tr::tr("%1 (%2 gånger)").arg(text::fromStore(typed)).arg(times)
                            : text::fromStore(typed));
    }
    return wrong.join(QStringLiteral(", "));
}

// What the plan asks of today, in words.
QString todoText(const memory::ListProgress& list, int today) {
    if (!list.testDay) {
        return Tr::tr("Välj en provdag så planeras övningen fram till provet.");
    }
    if (*list.testDay == today) {
        return Tr::tr("Provet är idag. Lycka till!");
    }
    if (*list.testDay < today) {
        return Tr::tr("Provdagen har varit; listan övas som vanligt.");
    }
    if (list.planDue + list.planFresh == 0) {
        return Tr::tr("Idag: inget att öva för provet.");
    }
    return Tr::tr("Idag: repetera %1 ord och börja på %2 nya (Repetera dagens ord).")
        .arg(list.planDue)
        .arg(list.planFresh);
}

QChartView* viewOf(QChart* chart) {
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(view->fontMetrics().height() * 16);
    return view;
}

}  // namespace

ProgressPage::ProgressPage(Operations& operations, Asker& asker, QWidget* parent)
    : Page(operations, asker, parent), today_(tool::learnerToday) {
    language = new QComboBox;
    pupil = new QLineEdit;
    print = named(new QPushButton(Tr::tr("Skriv &ut rapport…")), Tr::tr("Skriv ut rapport"));
    review = named(new QPushButton(Tr::tr("Repe&tera dagens ord")), Tr::tr("Repetera dagens ord"));
    auto* top = new QHBoxLayout;
    top->addWidget(labelFor(language, Tr::tr("Spr&åk:")));
    top->addWidget(language);
    top->addWidget(labelFor(pupil, Tr::tr("Elevens &namn:")));
    top->addWidget(pupil, 1);
    top->addWidget(review);
    top->addWidget(print);

    table = named(new QTableWidget(0, 9), Tr::tr("Listorna"));
    table->setHorizontalHeaderLabels({Tr::tr("Lista"), Tr::tr("Par"), Tr::tr("Nya"),
                                      Tr::tr("Lär sig"), Tr::tr("Kan"), Tr::tr("Idag"),
                                      Tr::tr("Svåra"), Tr::tr("Provdag"), Tr::tr("Redo")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setMinimumHeight(table->fontMetrics().height() * 8);

    testDate = new QDateEdit;
    testDate->setCalendarPopup(true);
    testDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setTestDay = named(new QPushButton(Tr::tr("Sätt &provdag")), Tr::tr("Sätt provdag"));
    clearTestDay = named(new QPushButton(Tr::tr("Ta bort provda&g")), Tr::tr("Ta bort provdag"));
    ready = new QLabel;
    todo = new QLabel;
    todo->setWordWrap(true);
    auto* test = new QHBoxLayout;
    test->addWidget(labelFor(testDate, Tr::tr("Pro&vdag för listan:")));
    test->addWidget(testDate);
    test->addWidget(setTestDay);
    test->addWidget(clearTestDay);
    test->addWidget(ready, 1);

    answersView = viewOf(answersChart({}));
    knownView = viewOf(knownChart({}));
    rightSet = wrongSet = nullptr;
    knownSeries = nullptr;
    calendar = named(new QTableWidget(kWeeks, 7), Tr::tr("Dagar som övats"));
    calendar->setHorizontalHeaderLabels({Tr::tr("Mån"), Tr::tr("Tis"), Tr::tr("Ons"), Tr::tr("Tor"),
                                         Tr::tr("Fre"), Tr::tr("Lör"), Tr::tr("Sön")});
    calendar->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    calendar->verticalHeader()->hide();
    calendar->setEditTriggers(QAbstractItemView::NoEditTriggers);
    calendar->setSelectionMode(QAbstractItemView::NoSelection);
    calendar->setShowGrid(false);
    run = new QLabel;
    auto* days = new QVBoxLayout;
    days->addWidget(new QLabel(Tr::tr("Dagar som övats:")));
    days->addWidget(calendar);
    days->addWidget(run);
    days->addStretch(1);

    hardWords = named(new QTreeWidget, Tr::tr("Svåra ord"));
    hardWords->setHeaderLabels({Tr::tr("Lista"), Tr::tr("Svenska"), Tr::tr("Andra språket"),
                                Tr::tr("Fel"), Tr::tr("Vanliga fel svar")});
    hardWords->setRootIsDecorated(false);
    hardWords->setMinimumHeight(hardWords->fontMetrics().height() * 8);
    practise = named(new QPushButton(Tr::tr("Öva på &dessa")), Tr::tr("Öva på dessa"));

    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->addWidget(table, 0, 0, 1, 2);
    grid->addLayout(test, 1, 0, 1, 2);
    grid->addWidget(todo, 2, 0, 1, 2);
    grid->addWidget(answersView, 3, 0);
    grid->addWidget(knownView, 3, 1);
    grid->addLayout(days, 4, 0);
    auto* hard = new QVBoxLayout;
    hard->addWidget(new QLabel(Tr::tr("Svåra ord:")));
    hard->addWidget(hardWords, 1);
    hard->addWidget(practise, 0, Qt::AlignLeft);
    grid->addLayout(hard, 4, 1);
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll, 1);

    connect(language, &QComboBox::activated, this, &ProgressPage::reload);
    connect(table, &QTableWidget::currentCellChanged, this, &ProgressPage::showTestDay);
    connect(setTestDay, &QPushButton::clicked, this, [this] { changeTestDay(false); });
    connect(clearTestDay, &QPushButton::clicked, this, [this] { changeTestDay(true); });
    connect(practise, &QPushButton::clicked, this,
            [this] { emit practiseRequested(language->currentIndex() + 1, hard_); });
    connect(review, &QPushButton::clicked, this,
            [this] { emit reviewRequested(language->currentIndex() + 1); });
    connect(print, &QPushButton::clicked, this, [this] { asker_.print(reportHtml(), true); });
}

void ProgressPage::reload() {
    try {
        const tool::DataFolder folder(operations_.dataFolder());
        QStringList names;
        for (int l = 1; l <= store::kLanguageCount; ++l) {
            names << folder.languageName(l);
        }
        refill(language, names);
        progress_ = tool::readProgress(folder, language->currentIndex() + 1, today_());
    } catch (const tool::Error& e) {
        progress_ = memory::Progress{today_(), {}, {}, {}, {}, 0};
        asker_.error(Tr::tr("Framstegen kunde inte läsas: %1").arg(e.message()));
    }
    fillTable();
    fillCharts();
    fillCalendar();
    fillHardWords();
    showTestDay();
}

void ProgressPage::fillTable() {
    const int row = std::max(0, table->currentRow());
    const QSignalBlocker blocker(table);
    table->setRowCount(static_cast<int>(progress_.lists.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const memory::ListProgress& l = progress_.lists[static_cast<std::size_t>(r)];
        const QStringList cells = {QStringLiteral("%1 %2").arg(l.list).arg(text::fromStore(l.name)),
                                   QString::number(l.pairs),
                                   QString::number(l.fresh),
                                   QString::number(l.learning),
                                   QString::number(l.known),
                                   QString::number(l.due),
                                   QString::number(l.hard.size()),
                                   l.testDay ? shortDate(*l.testDay) : QString(),
                                   l.ready ? percent(*l.ready) : QString()};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table->setItem(r, c, item);
        }
    }
    // Current without being chosen: the report holds every list until the user chooses some.
    table->setCurrentCell(std::min(row, table->rowCount() - 1), 0, QItemSelectionModel::NoUpdate);
}

void ProgressPage::fillCharts() {
    answersView->setChart(answersChart(progress_.answers));  // the view deletes the old one
    knownView->setChart(knownChart(progress_.known));
    const auto bars = qobject_cast<QStackedBarSeries*>(answersView->chart()->series().at(0));
    rightSet = bars->barSets().at(0);
    wrongSet = bars->barSets().at(1);
    knownSeries = qobject_cast<QLineSeries*>(knownView->chart()->series().at(0));
    applyTheme();
}

void ProgressPage::fillCalendar() {
    // Eight weeks up to the one of today, Monday first; a practised day in the highlight colour.
    const QDate today = dateOfDay(progress_.today);
    const QDate first = today.addDays(1 - today.dayOfWeek() - 7 * (kWeeks - 1));
    const std::set<int> practised(progress_.days.begin(), progress_.days.end());
    for (int cell = 0; cell < kWeeks * 7; ++cell) {
        const QDate date = first.addDays(cell);
        auto* item = new QTableWidgetItem(date > today ? QString() : QString::number(date.day()));
        item->setTextAlignment(Qt::AlignCenter);
        item->setToolTip(QLocale().toString(date, QLocale::LongFormat));
        if (practised.count(static_cast<int>(QDate(1970, 1, 1).daysTo(date))) != 0) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setBackground(palette().color(QPalette::Highlight));
            item->setForeground(palette().color(QPalette::HighlightedText));
        }
        calendar->setItem(cell / 7, cell % 7, item);
    }
    run->setText(Tr::tr("Dagar i rad: %1").arg(progress_.run));
}

void ProgressPage::fillHardWords() {
    hardWords->clear();
    hard_.clear();
    for (const memory::ListProgress& l : progress_.lists) {
        for (const memory::HardWord& word : l.hard) {
            hardWords->addTopLevelItem(new QTreeWidgetItem(
                {QString::number(l.list), text::fromStore(word.pair.swedish),
                 text::fromStore(word.pair.other), QString::number(word.lapses), wrongText(word)}));
            hard_.push_back(word.pair);
        }
    }
    practise->setEnabled(!hard_.empty());
}

const memory::ListProgress* ProgressPage::currentList() const {
    const int row = table->currentRow();
    return row >= 0 && row < static_cast<int>(progress_.lists.size())
               ? &progress_.lists[static_cast<std::size_t>(row)]
               : nullptr;
}

void ProgressPage::showTestDay() {
    const memory::ListProgress* list = currentList();
    const QDate today = dateOfDay(progress_.today);
    testDate->setMinimumDate(today);
    testDate->setDate(list && list->testDay && *list->testDay >= progress_.today
                          ? dateOfDay(*list->testDay)
                          : today.addDays(7));
    setTestDay->setEnabled(list != nullptr && !busy());
    clearTestDay->setEnabled(list != nullptr && list->testDay.has_value() && !busy());
    ready->setText(list && list->ready ? Tr::tr("Redo för provet: %1").arg(percent(*list->ready))
                                       : QString());
    todo->setText(list ? todoText(*list, progress_.today) : QString());
}

void ProgressPage::changeTestDay(bool clear) {
    const memory::ListProgress* list = currentList();
    if (list == nullptr) {
        return;
    }
    const int day = static_cast<int>(QDate(1970, 1, 1).daysTo(testDate->date()));
    try {
        tool::setTestDay(operations_.dataFolder(), language->currentIndex() + 1, list->list,
                         clear ? std::nullopt : std::optional<int>(day));
    } catch (const tool::Error& e) {
        asker_.error(Tr::tr("Provdagen kunde inte sparas: %1").arg(e.message()));
        return;
    }
    folderChanged();
}

// The test day is kept beside the words: not while the trainer holds the folder.
void ProgressPage::busyChanged() {
    showTestDay();
}

void ProgressPage::applyTheme() {
    themeFor(answersView->chart(), palette());
    themeFor(knownView->chart(), palette());
}

void ProgressPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyTheme();
        fillCalendar();
    }
}

}  // namespace window
