// The exam sheet a teacher hands out, as `ordlykta export --format html --exam` writes it:
// lines for name, date and score, numbered rows, headings that repeat on every printed page,
// the side asked, a shuffled order; and the options' wrong uses.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextTable>
#include <set>

#include "store/Settings.h"
#include "store/WordListImage.h"
#include "tests/support/ToolRun.h"
#include "tool/formats/Formats.h"

namespace {

tool::Lists lists(int pairs) {
    tool::WordList list{"Djur", {}};
    for (int p = 1; p <= pairs; ++p) {
        list.pairs.push_back({QStringLiteral("sv%1").arg(p), QStringLiteral("en%1").arg(p)});
    }
    return {"Engelska", {list, {"Mat", {{"ost", "cheese"}}}}};
}

// The words of the asked column, in order, and what the answers' column holds.
std::pair<QStringList, QStringList> columns(const QString& page) {
    static const QRegularExpression row(
        QStringLiteral("<tr><td class=\"n\">(\\d+)</td><td>([^<]*)</td><td>([^<]*)</td></tr>"));
    QStringList asked;
    QStringList answers;
    int expected = 0;
    for (const QRegularExpressionMatch& m : row.globalMatch(page)) {
        const int number = m.captured(1).toInt();
        expected = number == 1 ? 1 : expected + 1;
        EXPECT_EQ(number, expected) << "rows are numbered from 1 in each list";
        asked += m.captured(2);
        answers += m.captured(3);
    }
    return {asked, answers};
}

TEST(ExamSheet, AsksOneSideNumbersTheRowsAndCountsTheScore) {
    struct Case {
        bool askOther;
        const char* heading;  // the head: number, asked side, answer side
        const char* first;    // the first word asked
    };
    for (const Case& c :
         {Case{false,
               "<th class=\"n\" width=\"7%\">#</th><th>Svenska</th><th width=\"55%\">Engelska</th>",
               "sv1"},
          Case{true,
               "<th class=\"n\" width=\"7%\">#</th><th>Engelska</th><th width=\"55%\">Svenska</th>",
               "en1"}}) {
        const QString page = QString::fromUtf8(tool::writeHtml(lists(40), {true, c.askOther, {}}));
        EXPECT_EQ(page.count(QStringLiteral("<thead><tr>") + c.heading + "</tr></thead>"), 2);
        EXPECT_EQ(page.count("Namn: ____"), 2);
        EXPECT_TRUE(page.contains("Resultat: ___ av 40"));
        EXPECT_TRUE(page.contains("Resultat: ___ av 1<"));
        const auto [asked, answers] = columns(page);
        ASSERT_EQ(asked.size(), 41);
        EXPECT_EQ(asked.first(), c.first);
        EXPECT_EQ(answers, QStringList(41, QString())) << "no answer is printed";
    }
}

// A shuffled sheet holds every pair once, in another order, each list on its own; the same
// seed gives the same sheet, so that print and save agree.
TEST(ExamSheet, ShuffledOrderKeepsEveryPairInItsList) {
    const tool::Lists words = lists(40);
    const QString plain = QString::fromUtf8(tool::writeHtml(words, {true, false, {}}));
    const QString shuffled = QString::fromUtf8(tool::writeHtml(words, {true, false, 7u}));
    EXPECT_EQ(shuffled, QString::fromUtf8(tool::writeHtml(words, {true, false, 7u})));
    const QStringList order = columns(shuffled).first;
    const QStringList straight = columns(plain).first;
    EXPECT_NE(order, straight);
    EXPECT_EQ(order.last(), "ost") << "the second list stays after the first";
    EXPECT_EQ(std::set<QString>(order.begin(), order.end()),
              std::set<QString>(straight.begin(), straight.end()));
}

// As the words' window prints it (Qt's rich text on A4): each list begins a page, and the
// answers' column takes at least half the table's width.
TEST(ExamSheet, PrintedEachListOnItsOwnPagesWithRoomForTheAnswers) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "exam_sheet_test";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(tool::writeHtml(lists(60), {true, false, {}})));
    const QSizeF page(595, 842);  // A4 in points
    document.setPageSize(page);
    ASSERT_GE(document.pageCount(), 3);
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() == "Mat") {
            const qreal top = layout->blockBoundingRect(block).top();
            EXPECT_LT(std::fmod(top, page.height()), 40) << "the second list begins a page";
        }
    }
    int tables = 0;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            ++tables;
            const qreal width = layout->frameBoundingRect(table).width();
            const QTextBlock answer = table->cellAt(1, 2).firstCursorPosition().block();
            EXPECT_GE(layout->blockBoundingRect(answer).width(), width * 0.45);
        }
    }
    EXPECT_EQ(tables, 2);
}

TEST(ExamSheet, CommandLineOptions) {
    QTemporaryDir dir;
    const QString data = dir.path();
    writeFile(data + "/agen.dat", bytesOf(store::encode(store::defaultSettings())));
    store::WordListImage image;
    image.append(1, "hund", "dog");
    image.append(1, "katt", "cat");
    writeFile(data + "/bu1.dat", bytesOf(image.bytes()));
    const QStringList base{"export", "--data", data, "--language", "1", "--format", "html"};
    struct Case {
        QStringList options;
        int status;
        const char* contains;  // in the output, or in the error for a usage error
    };
    const Case cases[] = {
        {{"--exam", "--ask", "other"}, 0, "<td class=\"n\">1</td><td>dog</td><td></td>"},
        {{"--exam", "--ask", "swedish"}, 0, "<td class=\"n\">2</td><td>katt</td><td></td>"},
        {{"--exam", "--shuffle"}, 0, "Resultat: ___ av 2"},
        {{"--ask", "other"}, 2, "--ask swedish|other goes with --exam"},
        {{"--exam", "--ask", "english"}, 2, "--ask swedish|other goes with --exam"},
        {{"--shuffle"}, 2, "--shuffle goes with --exam"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const ToolResult result = runTool(base + c.options);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_NE((c.status == 0 ? result.out : result.err).find(c.contains), std::string::npos)
            << result.out << result.err;
    }
}

}  // namespace
