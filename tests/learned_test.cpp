// The tool's `due` and `history` on an answers database written as the trainer writes it. The
// answers are kept relative to the machine's clock, so that what is due does not depend on the
// date the test runs.

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "memory/Database.h"
#include "tests/support/ToolRun.h"
#include "tool/Words.h"
#include "tool/commands/JsonWriter.h"

namespace {

using memory::Moment;

class LearnedTest : public DataFolderTest {
  protected:
    LearnedTest() { QDir().mkpath(data()); }
    // An answer `days` days before now.
    void answer(const memory::PairKey& pair, int list, const std::string& typed, bool right,
                bool first, int days) {
        const Moment now = memory::systemNow();
        memory::Database db(dataFile("ordlykta.db").toStdString(), true);
        db.recordAnswer({pair, list, typed, right, first},
                        {now.seconds - days * 86400, now.offset});
    }
    static QJsonArray json(const ToolResult& r) {
        EXPECT_EQ(r.status, 0) << r.err;
        return QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).array();
    }
    static QString date(int daysFromToday) {
        return QString::fromStdString(
            memory::dateOf(memory::dayOf(memory::systemNow()) + daysFromToday));
    }

    const memory::PairKey hund{1, "hund", "dog"};
    const memory::PairKey hast{1, "h\xe4st", "horse"};  // Windows-1252 as stored
    const memory::PairKey bil{2, "bil", "car"};
};

TEST_F(LearnedTest, DueListsTheWrongPairsAndNamesTheNextDayWhenNoneIs) {
    EXPECT_EQ(run({"due"}).out, "Nothing is due: no pair has been answered yet.\n");
    EXPECT_EQ(json(run({"due", "--json"})), QJsonArray());

    answer(hund, 3, "dgo", false, true, 1);   // wrong yesterday: due today
    answer(hund, 3, "dog", true, false, 1);   // its repeat moves nothing
    answer(hast, 4, "horse", true, true, 1);  // right yesterday: due in two days
    answer(bil, 1, "", false, true, 1);

    const QJsonArray due = json(run({"due", "--json", "--language", "1"}));
    ASSERT_EQ(due.size(), 1);
    const QJsonObject pair = due[0].toObject();
    EXPECT_EQ(pair.keys(), QStringList({"difficulty", "due", "language", "lapses", "list", "other",
                                        "reps", "retrievability", "stability", "swedish"}));
    EXPECT_EQ(pair["language"].toInt(), 1);
    EXPECT_EQ(pair["list"].toInt(), 3);
    EXPECT_EQ(pair["swedish"].toString(), "hund");
    EXPECT_EQ(pair["due"].toString(), date(0));
    EXPECT_EQ(pair["reps"].toInt(), 1);
    EXPECT_EQ(pair["lapses"].toInt(), 0);
    EXPECT_NEAR(pair["stability"].toDouble(), 0.212, 1e-9);
    EXPECT_LT(pair["retrievability"].toDouble(), 0.9);
    EXPECT_EQ(json(run({"due", "--json"})).size(), 2);

    const ToolResult text = run({"due", "--language", "1"});
    EXPECT_EQ(QString::fromStdString(text.out).section('\t', 0, 4), "1\t3\thund\tdog\t" + date(0));

    answer(hund, 3, "dog", true, true, 0);
    EXPECT_EQ(run({"due", "--language", "1"}).out,
              "Nothing is due today; the next pair is due on " + date(2).toStdString() + ".\n");
}

// With a test day to come, `due` gives what the drill asks: the list's planned pairs, then the
// new pairs the plan begins today, which the ordinary schedule never names.
TEST_F(LearnedTest, DueFollowsTheTestDaysPlan) {
    writeSettings("Engelska");
    store::WordListImage image;
    tool::writeList(image, 3, {"Djur", {{"hund", "dog"}, {"katt", "cat"}}});
    image.save(dataFile("bu1.dat").toStdString());
    answer(hund, 3, "dgo", false, true, 1);
    const auto dueWords = [&] {
        QStringList words;
        for (const QJsonValue pair : json(run({"due", "--json"}))) {
            words << pair.toObject()["swedish"].toString();
        }
        return words;
    };
    EXPECT_EQ(dueWords(), QStringList({"hund"}));
    ASSERT_EQ(run({"testday", "--language", "1", "--list", "3", "--date", date(2)}).status, 0);
    EXPECT_EQ(dueWords(), QStringList({"hund", "katt"}));
}

TEST_F(LearnedTest, HistoryGivesEveryAnswerAsJsonAndCsv) {
    answer(hund, 3, "dgo", false, true, 2);
    answer(hund, 3, "dog", true, false, 2);
    answer(hast, 4, "horse", true, true, 2);

    const QJsonArray history = json(run({"history", "--language", "1", "--list", "3", "--json"}));
    ASSERT_EQ(history.size(), 1);
    const QJsonArray answers = history[0].toObject()["answers"].toArray();
    ASSERT_EQ(answers.size(), 2);
    const QJsonObject first = answers[0].toObject();
    EXPECT_EQ(first.keys(), QStringList({"at", "first", "right", "typed"}));
    EXPECT_EQ(first["typed"].toString(), "dgo");
    EXPECT_FALSE(first["right"].toBool());
    EXPECT_TRUE(first["first"].toBool());
    EXPECT_FALSE(answers[1].toObject()["first"].toBool());
    EXPECT_TRUE(QDateTime::fromString(first["at"].toString(), Qt::ISODate).isValid());
    EXPECT_EQ(json(run({"history", "--json"})).size(), 2);

    const QStringList csv = QString::fromStdString(run({"history", "--format", "csv"}).out)
                                .split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(csv.size(), 4);
    EXPECT_EQ(csv[0],
              "language,list,swedish,other,due,stability,difficulty,retrievability,reps,lapses,"
              "at,right,typed,first");
    EXPECT_TRUE(csv[3].startsWith("1,4,häst,horse,")) << csv[3].toStdString();

    EXPECT_EQ(run({"history", "--list", "3"}).status, 2);
    EXPECT_EQ(run({"history", "--format", "xml"}).status, 2);
}

TEST_F(LearnedTest, ADamagedDatabaseIsRefusedWithAMessage) {
    writeFile(dataFile("ordlykta.db"), QByteArray(4096, 'x'));
    const ToolResult r = run({"due"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot be read"), std::string::npos);
    const ToolResult check = run({"check"});
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.out.find("ordlykta.db cannot be read"), std::string::npos) << check.out;
}

TEST_F(LearnedTest, CheckRunsTheIntegrityCheckAndNamesWhatWasSetAside) {
    answer(hund, 3, "dog", true, true, 0);
    writeFile(dataFile("ordlykta-damaged-20261207-130000.db"), "x");
    const ToolResult check = run({"check"});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("ordlykta-damaged-20261207-130000.db: answers the program set aside"),
              std::string::npos)
        << check.out;
}

// The writer `due` and `history` print with lays its text out byte for byte as Qt's document
// does: nesting, empty arrays, every escape, numbers whole and not, text beyond ASCII.
TEST(JsonWriterTest, WritesWhatQtsDocumentWrites) {
    const QList<QString> texts = {"",
                                  "hund",
                                  "h\u00e4st \u00e5\u00c4\u00d6\u20ac\u0152",
                                  "\"\\/",
                                  QString::fromUtf16(u"\b\f\n\r\t\u0001\u001f\u007f"),
                                  QString::fromUtf16(u"\U0001F600 \xD800 x")};
    const QList<double> numbers = {0,           -0.0, 5,          -1,    0.1,    1e6,  36500,
                                   1234567.125, 1e-7, 0.56572485, 1e300, 0x1p53, 1e19, -0x1p63};
    tool::JsonWriter json;
    QJsonArray expected;
    json.beginArray();
    json.beginArray();
    json.endArray();
    expected.append(QJsonArray());
    for (qsizetype i = 0; i < std::max(texts.size(), numbers.size()); ++i) {
        const QString text = texts[i % texts.size()];
        const double number = numbers[i % numbers.size()];
        const int whole = static_cast<int>(i) * 1000 - 3;
        json.beginObject();
        json.name("a").beginArray();
        for (qsizetype k = 0; k < i % 3; ++k) {
            json.beginObject();
            json.name("b").value(i % 2 == 0);
            json.endObject();
            json.value(whole);
        }
        json.endArray();
        json.name("n").value(number);
        json.name("t").value(text);
        json.name("w").value(whole);
        json.endObject();
        QJsonArray nested;
        for (qsizetype k = 0; k < i % 3; ++k) {
            nested.append(QJsonObject{{"b", i % 2 == 0}});
            nested.append(whole);
        }
        expected.append(QJsonObject{{"a", nested}, {"n", number}, {"t", text}, {"w", whole}});
    }
    json.endArray();
    EXPECT_EQ(json.text().toStdString(),
              QJsonDocument(expected).toJson(QJsonDocument::Indented).toStdString());

    tool::JsonWriter empty;
    empty.beginArray();
    empty.endArray();
    EXPECT_EQ(empty.text(), QJsonDocument(QJsonArray()).toJson(QJsonDocument::Indented));
}

}  // namespace
