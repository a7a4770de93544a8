// "Framsteg" and the commands beside it, on a history made here on fixed days: the counts, the
// hard words and their typical wrong answers, the charts' data, the test day and how ready the
// list is, "Öva på dessa", the report printed to PDF and read back, `progress --json` and
// `testday`.
#include <gtest/gtest.h>

#include <QBarSet>
#include <QDateEdit>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "memory/Clock.h"
#include "memory/Database.h"
#include "tests/support/History.h"
#include "tests/support/PrintedPages.h"
#include "tests/support/ScriptedAsker.h"
#include "tests/support/ToolRun.h"
#include "tool/Words.h"
#include "tool/commands/Progress.h"
#include "window/Asker.h"
#include "window/ProgressPage.h"

namespace {

using history::key;
using history::kFirst;
using history::kToday;

class ProgressPageTest : public DataFolderTest {
  protected:
    void SetUp() override {
        QDir().mkpath(data());
        writeSettings("Engelska");
        store::WordListImage image;
        tool::writeList(
            image, 3,
            {"Kapitel 3", {{"gå", "gått"}, {"se", "sett"}, {"ta", "tagit"}, {"vara", "varit"}}});
        tool::writeList(image, 5, {"Djur", {{"hund", "dog"}}});
        image.save(dataFile("bu1.dat").toStdString());
        history::History answers(dataFile("ordlykta.db"), 3);
        // gå: wrong first on two of its last three days, "gick" twice, "gådd" once.
        answers.answer("gå", "gått", "gådd", false, kFirst + 8);
        answers.answer("gå", "gått", "gått", true, kFirst + 8, 1);
        answers.answer("gå", "gått", "gått", true, kFirst + 9);
        answers.answer("gå", "gått", "gick", false, kToday);
        answers.answer("gå", "gått", "gick", false, kToday, 1);
        answers.answer("gå", "gått", "gått", true, kToday, 2);
        answers.answer("vara", "varit", "varit", true, kFirst);
        answers.answer("vara", "varit", "varit", true, kFirst + 3);
        answers.answer("vara", "varit", "varit", true, kToday);
        answers.answer("se", "sett", "sätt", false, kFirst);
    }

    window::ProgressPage& page() {
        if (!page_) {
            operations_ = std::make_unique<window::Operations>(data());
            page_ = std::make_unique<window::ProgressPage>(*operations_, asker);
            page_->setClock([] { return kToday; });
            page_->resize(900, 700);
            page_->show();
            page_->reload();
        }
        return *page_;
    }

    static QStringList row(const QTableWidget* table, int r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            cells += table->item(r, c)->text();
        }
        return cells;
    }

    ScriptedAsker asker;

  private:
    std::unique_ptr<window::Operations> operations_;
    std::unique_ptr<window::ProgressPage> page_;
};

TEST_F(ProgressPageTest, CountsHardWordsAndChartsOfTheHistory) {
    window::ProgressPage& p = page();
    ASSERT_EQ(p.table->rowCount(), 2);
    // Kapitel 3: ta never asked; gå and vara answered today (known); se wrong ten days ago, due.
    EXPECT_EQ(row(p.table, 0), QStringList({"3 Kapitel 3", "4", "1", "1", "2", "1", "1", "", ""}));
    EXPECT_EQ(row(p.table, 1), QStringList({"5 Djur", "1", "1", "0", "0", "0", "0", "", ""}));

    ASSERT_EQ(p.hardWords->topLevelItemCount(), 1);
    const QTreeWidgetItem* hard = p.hardWords->topLevelItem(0);
    EXPECT_EQ(hard->text(1), "gå");
    EXPECT_EQ(hard->text(2), "gått");
    EXPECT_EQ(hard->text(4), "gick (2 gånger), gådd");

    // The answers per day: eight weeks to today; today two right and two wrong.
    ASSERT_EQ(p.rightSet->count(), memory::kChartDays);
    EXPECT_EQ(p.rightSet->at(memory::kChartDays - 1), 2);
    EXPECT_EQ(p.wrongSet->at(memory::kChartDays - 1), 2);
    EXPECT_EQ(p.rightSet->at(memory::kChartDays - 11), 1);  // the first day: vara right...
    EXPECT_EQ(p.wrongSet->at(memory::kChartDays - 11), 1);  // ...and se wrong
    EXPECT_EQ(p.rightSet->at(0) + p.wrongSet->at(0), 0);
    // The known words: two on the first day (each answered that day), two today.
    ASSERT_EQ(p.knownSeries->count(), memory::kChartDays);
    EXPECT_EQ(p.knownSeries->at(memory::kChartDays - 11).y(), 2);
    EXPECT_EQ(p.knownSeries->at(memory::kChartDays - 1).y(), 2);

    EXPECT_EQ(p.run->text(), "Dagar i rad: 3");
    // The calendar: eight weeks, today's among them; the days practised in bold.
    const QDate today = QDate(1970, 1, 1).addDays(kToday);
    const int cell = 7 * 7 + today.dayOfWeek() - 1;  // the last week's row
    const auto dayCell = [&](int back) {
        return p.calendar->item((cell - back) / 7, (cell - back) % 7);
    };
    EXPECT_EQ(dayCell(0)->text(), QString::number(today.day()));
    for (const int back : {0, 1, 2, 10}) {
        EXPECT_TRUE(dayCell(back)->font().bold()) << back;
    }
    EXPECT_FALSE(dayCell(4)->font().bold());

    QSignalSpy practised(&p, &window::ProgressPage::practiseRequested);
    QTest::mouseClick(p.practise, Qt::LeftButton);
    ASSERT_EQ(practised.size(), 1);
    EXPECT_EQ(practised[0][0].toInt(), 1);
    EXPECT_EQ(practised[0][1].value<std::vector<memory::PairKey>>(),
              std::vector<memory::PairKey>({key("gå", "gått")}));
}

TEST_F(ProgressPageTest, TestDayChosenOnThePageAndReadByTheTool) {
    window::ProgressPage& p = page();
    p.table->setCurrentCell(0, 0);
    EXPECT_FALSE(p.clearTestDay->isEnabled());
    p.testDate->setDate(QDate(1970, 1, 1).addDays(kToday + 4));
    QTest::mouseClick(p.setTestDay, Qt::LeftButton);
    const auto tests = memory::Database(dataFile("ordlykta.db").toStdString(), false).testDays(1);
    EXPECT_EQ(tests, std::vector<memory::TestDay>({{1, 3, kToday + 4}}));

    // gå and vara will be near 0.9, se far below it, ta not known at all.
    const QJsonArray lists = tool::progressJson(tool::DataFolder(data()), {1}, kToday);
    ASSERT_EQ(lists.size(), 2);
    const QJsonObject list = lists[0].toObject();
    EXPECT_EQ(list.keys(),
              QStringList({"due", "hard", "hard_words", "known", "language", "learning", "list",
                           "name", "new", "pairs", "ready", "testday"}));
    EXPECT_EQ(list["language"], 1);
    EXPECT_EQ(list["name"], "Kapitel 3");
    EXPECT_EQ(list["testday"], QString::fromStdString(memory::dateOf(kToday + 4)));
    const double ready = list["ready"].toDouble();
    EXPECT_GT(ready, 0.3);
    EXPECT_LT(ready, 0.6);
    EXPECT_EQ(QJsonDocument(list["hard_words"].toArray()).toJson(QJsonDocument::Compact),
              R"([{"lapses":1,"other":"gått","swedish":"gå","wrong":["gick","gådd"]}])");
    EXPECT_TRUE(lists[1].toObject()["testday"].isNull());
    EXPECT_TRUE(lists[1].toObject()["ready"].isNull());

    EXPECT_EQ(p.table->item(0, 7)->text(), QString::fromStdString(memory::dateOf(kToday + 4)));
    EXPECT_EQ(p.ready->text(), QStringLiteral("Redo för provet: %1 %").arg(qRound(ready * 100)));
    // Today: se to repeat (gå and vara were answered today already), ta to begin.
    EXPECT_EQ(p.todo->text(), "Idag: repetera 1 ord och börja på 1 nya (Repetera dagens ord).");

    // The tool sets and clears it the same way; a bad date, none, or one past are refused.
    const QStringList list3 = {"testday", "--data", data(), "--language", "1", "--list", "3"};
    const std::pair<QStringList, int> runs[] = {
        {{"testday", "--data", data(), "--language", "Engelska", "--list", "Djur", "--date",
          "2099-05-04"},
         0},
        {list3 + QStringList{"--clear"}, 0},
        {list3 + QStringList{"--date", "2026-13-01"}, 2},
        {list3, 2},
        {list3 + QStringList{"--date", "2001-01-01"}, 1},
    };
    for (const auto& [arguments, status] : runs) {
        const ToolResult result = runTool(arguments);
        EXPECT_EQ(result.status, status) << arguments.join(' ').toStdString() << ": " << result.err;
    }
    EXPECT_EQ(memory::Database(dataFile("ordlykta.db").toStdString(), false).testDays(1),
              std::vector<memory::TestDay>({{1, 5, *tool::dayOfDate("2099-05-04")}}));
    p.reload();
    EXPECT_EQ(p.table->item(0, 7)->text(), "");
    EXPECT_EQ(p.table->item(1, 7)->text(), "2099-05-04");
}

// The report printed as the print dialog prints it, to PDF, and read back with pdftotext: a
// page a list, each with the pupil's name, the period, the counts and the hard words.
TEST_F(ProgressPageTest, ReportPrintedToPdfHasAPageForEachList) {
    if (!canReadPdf()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    window::ProgressPage& p = page();
    p.pupil->setText("Alva Öberg");
    asker.expect(ScriptedAsker::Print);
    QTest::mouseClick(p.print, Qt::LeftButton);
    EXPECT_TRUE(asker.lastPreview);
    const QStringList pages =
        printedPages(asker.lastPrinted, file("rapport.pdf"), QPageSize(QPageSize::A4));
    ASSERT_EQ(pages.size(), 2);
    const QString period = QStringLiteral("%1 – %2").arg(
        QString::fromStdString(memory::dateOf(kToday - memory::kChartDays + 1)),
        QString::fromStdString(memory::dateOf(kToday)));
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains("Alva Öberg")) << page.toStdString();
        EXPECT_TRUE(page.contains(period)) << page.toStdString();
        EXPECT_TRUE(page.contains("Svar per dag"));
    }
    const std::pair<int, const char*> shown[] = {
        {0, "Lista: Engelska: 3 Kapitel 3"},
        {0, "Kan 2"},
        {0, "Dagar övade 5"},
        {0, "gå gått gick, gådd"},
        {1, "Lista: Engelska: 5 Djur"},
        {1, "Inga svåra ord."},
    };
    for (const auto& [page, text] : shown) {
        EXPECT_TRUE(pages[page].simplified().contains(text)) << page << ": " << text;
    }

    // One list chosen: one page.
    p.table->selectRow(1);
    asker.expect(ScriptedAsker::Print);
    QTest::mouseClick(p.print, Qt::LeftButton);
    EXPECT_FALSE(asker.lastPrinted.contains("Kapitel 3"));
    EXPECT_TRUE(asker.lastPrinted.contains("Djur"));
}

}  // namespace
