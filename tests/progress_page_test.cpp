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
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "memory/Clock.h"
#include "memory/Database.h"
#include "tests/support/ScriptedAsker.h"
#include "tests/support/ToolRun.h"
#include "tool/Words.h"
#include "tool/commands/Progress.h"
#include "window/Asker.h"
#include "window/ProgressPage.h"

namespace {

// 2026-12-07 12:00 UTC, an hour east of it: the history's first day; "today" is ten days on.
constexpr std::int64_t kNoon = 1796644800;
constexpr int kCet = 3600;
const int kFirst = memory::dayOf({kNoon, kCet});
const int kToday = kFirst + 10;

memory::PairKey key(const QString& swedish, const QString& other) {
    return {1, tool::toStore(swedish), tool::toStore(other)};
}

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
        memory::Database db(dataFile("ordlykta.db").toStdString(), true);
        const auto answer = [&](const char* swedish, const char* other, const char* typed,
                                bool right, int day, int minute = 0) {
            db.recordAnswer({key(swedish, other), 3, tool::toStore(typed), right, minute == 0},
                            {kNoon + std::int64_t{day - kFirst} * 86400 + minute * 60, kCet});
        };
        // gå: wrong first on two of its last three days, "gick" twice, "gådd" once.
        answer("gå", "gått", "gådd", false, kFirst + 8);
        answer("gå", "gått", "gått", true, kFirst + 8, 1);
        answer("gå", "gått", "gått", true, kFirst + 9);
        answer("gå", "gått", "gick", false, kToday);
        answer("gå", "gått", "gick", false, kToday, 1);
        answer("gå", "gått", "gått", true, kToday, 2);
        answer("vara", "varit", "varit", true, kFirst);
        answer("vara", "varit", "varit", true, kFirst + 3);
        answer("vara", "varit", "varit", true, kToday);
        answer("se", "sett", "sätt", false, kFirst);
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

    // The tool sets and clears it the same way.
    ToolResult set = runTool({"testday", "--data", data(), "--language", "Engelska", "--list",
                              "Djur", "--date", "2099-05-04"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(
        runTool({"testday", "--data", data(), "--language", "1", "--list", "3", "--clear"}).status,
        0);
    EXPECT_EQ(runTool({"testday", "--data", data(), "--language", "1", "--list", "3", "--date",
                       "2026-13-01"})
                  .status,
              2);
    EXPECT_EQ(runTool({"testday", "--data", data(), "--language", "1", "--list", "3"}).status, 2);
    EXPECT_EQ(runTool({"testday", "--data", data(), "--language", "1", "--list", "3", "--date",
                       "2001-01-01"})
                  .status,
              1);
    EXPECT_EQ(memory::Database(dataFile("ordlykta.db").toStdString(), false).testDays(1),
              std::vector<memory::TestDay>({{1, 5, *tool::dayOfDate("2099-05-04")}}));
    p.reload();
    EXPECT_EQ(p.table->item(0, 7)->text(), "");
    EXPECT_EQ(p.table->item(1, 7)->text(), "2099-05-04");
}

// The report printed as the print dialog prints it, to PDF, and read back with pdftotext: a
// page a list, each with the pupil's name, the period, the counts and the hard words.
TEST_F(ProgressPageTest, ReportPrintedToPdfHasAPageForEachList) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    window::ProgressPage& p = page();
    p.pupil->setText("Alva Öberg");
    asker.expect(ScriptedAsker::Print);
    QTest::mouseClick(p.print, Qt::LeftButton);
    EXPECT_TRUE(asker.lastPreview);
    const QString pdf = file("rapport.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(pdf);
        window::printPage(asker.lastPrinted, printer);
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QStringList pages =
        QString::fromUtf8(text.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    const QString period = QStringLiteral("%1 – %2").arg(
        QString::fromStdString(memory::dateOf(kToday - memory::kChartDays + 1)),
        QString::fromStdString(memory::dateOf(kToday)));
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains("Alva Öberg")) << page.toStdString();
        EXPECT_TRUE(page.contains(period)) << page.toStdString();
        EXPECT_TRUE(page.contains("Svar per dag"));
    }
    const auto simplified = [](const QString& s) { return s.simplified(); };
    EXPECT_TRUE(simplified(pages[0]).contains("Lista: Engelska: 3 Kapitel 3"));
    EXPECT_TRUE(simplified(pages[0]).contains("Kan 2"));
    EXPECT_TRUE(simplified(pages[0]).contains("Dagar övade 5"));
    EXPECT_TRUE(simplified(pages[0]).contains("gå gått gick, gådd"));
    EXPECT_TRUE(simplified(pages[1]).contains("Lista: Engelska: 5 Djur"));
    EXPECT_TRUE(simplified(pages[1]).contains("Inga svåra ord."));

    // One list chosen: one page.
    p.table->selectRow(1);
    asker.expect(ScriptedAsker::Print);
    QTest::mouseClick(p.print, Qt::LeftButton);
    EXPECT_FALSE(asker.lastPrinted.contains("Kapitel 3"));
    EXPECT_TRUE(asker.lastPrinted.contains("Djur"));
}

}  // namespace
