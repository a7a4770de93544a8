// Importing by default: the language and the list a file says, empty rows passed over, pairs
// already there left out; and taking an import back exactly, or not at all.
#include <gtest/gtest.h>

#include <QDir>

#include "editor/ListEdits.h"
#include "memory/Database.h"
#include "store/WordList.h"
#include "tests/support/ToolRun.h"
#include "tool/backup/Recovery.h"
#include "tool/backup/Snapshots.h"
#include "tool/import/Importing.h"
#include "tool/import/Undo.h"

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ImportTest : public DataFolderTest {
  protected:
    // Three languages with these names; list 1 of each named language holds one pair.
    void makeFolder(const std::array<std::string, 3>& names) {
        QDir().mkpath(data());
        store::Settings settings = store::defaultSettings();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(data());
        for (int l = 1; l <= 3; ++l) {
            settings.names[static_cast<std::size_t>(l - 1)] =
                names[static_cast<std::size_t>(l - 1)];
            store::createWordList(l);
            if (names[static_cast<std::size_t>(l - 1)].rfind("Spr", 0) != 0) {
                EXPECT_TRUE(listedit::appendPair(l, 1, "ett", "one"));
            }
        }
        QDir::setCurrent(previous);
        writeFile(dataFile("agen.dat"), bytesOf(store::encode(settings)));
    }

    std::string shown(int language, int list = 0) {
        QStringList arguments{"show", "--language", QString::number(language)};
        if (list > 0) {
            arguments << "--list" << QString::number(list);
        }
        return run(arguments).out;
    }

    // The data files alone, by name: the snapshots beside them change with every import.
    std::map<QString, QByteArray> dataFiles() {
        std::map<QString, QByteArray> files;
        for (const auto& [name, bytes] : tool::readDataFiles(data())) {
            files[name] = bytes;
        }
        return files;
    }

    tool::ImportDone importNow(const QString& path, const QString& list = {}) {
        return tool::carryOut(tool::planImport(path, data(), {}, list, {}));
    }

    // A pair added to a list as the list editor adds it.
    void addPair(int language, int list, const char* swedish, const char* other) {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(data());
        EXPECT_TRUE(listedit::appendPair(language, list, swedish, other));
        QDir::setCurrent(previous);
    }
};

// Files the real programs wrote, each imported with no option into the language it names and
// a new list named after the file (or its lessons, or its decks).
TEST_F(ImportTest, FilesOfRealProgramsGoWhereTheySay) {
    struct Case {
        const char* file;
        int language;
        const char* lists;  // `show` of the language
        const char* said;   // in the report
    };
    const Case cases[] = {
        {"spreadsheet/libreoffice-semicolon-utf8.csv", 2,
         "1\tTomt kapitel: 1\t1\n2\tlibreoffice-semicolon-utf8\t7\n", ""},
        {"spreadsheet/libreoffice-semicolon-windows1252.csv", 2,
         "1\tTomt kapitel: 1\t1\n2\tlibreoffice-semicolon-windows1\t7\n", ""},
        {"anki/anki-2.1.55-notes.txt", 2,
         "1\tTomt kapitel: 1\t1\n2\tVerb\t2\n3\tMat\t2\n4\tDjur\t1\n", ""},
        // KWordQuiz gives both columns the locale "en": their names decide.
        {"kwordquiz-saved/glosor v12.kvtml", 2, "1\tTomt kapitel: 1\t1\n2\tglosor v12\t5\n",
         "15 empty row(s) passed over"},
        {"kwordquiz/french_verbs.kvtml", 1, "1\tTomt kapitel: 1\t1\n2\tfrench_verbs\t32\n", ""},
        {"kwordquiz/example.kvtml", 2, "1\tTomt kapitel: 1\t1\n2\texample\t9\n", ""},
    };
    for (const Case& c : cases) {
        QDir(data()).removeRecursively();
        makeFolder({"Engelska", "tyska", "Spr\xE5k C"});
        const QString path = QStringLiteral(ORDLYKTA_FIXTURES "/") + QString::fromUtf8(c.file);
        const ToolResult result = run({"import", path});
        ASSERT_EQ(result.status, 0) << c.file << result.err;
        EXPECT_TRUE(contains(result.out, c.said)) << c.file << result.out;
        const std::string lists = shown(c.language);
        EXPECT_TRUE(contains(lists, c.lists)) << c.file << "\n" << lists;
    }
}

// Rows with nothing on either side are nothing: passed over and counted, whatever the format;
// a row with one side empty is still no pair.
TEST_F(ImportTest, EmptyRowsAreNothing) {
    struct Case {
        const char* name;
        QByteArray content;
        int status;
        const char* said;
    };
    const Case cases[] = {
        {"a.csv", "Svenska;Tyska\nbil;Auto\n;\n\n;\nsol;Sonne\n", 0, "3 empty row(s) passed over"},
        {"b.csv", "bil;Auto\n;Haus\n;\n", 1, "line 2: a side is empty"},
        {"c.txt", "#separator:tab\n#html:false\nbil\tAuto\n\t\n\nsol\tSonne\n", 0,
         "2 empty row(s) passed over"},
        {"d.kvtml",
         "<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\"><text>bil</text>"
         "</translation><translation id=\"1\"><text>Auto</text></translation></entry>"
         "<entry id=\"1\"><translation id=\"0\"/><translation id=\"1\"/></entry>"
         "<entry id=\"2\"><translation id=\"0\"><text> </text></translation></entry></entries>"
         "</kvtml>",
         0, "2 empty row(s) passed over"},
    };
    for (const Case& c : cases) {
        QDir(data()).removeRecursively();
        makeFolder({"Tyska", "Spr\xE5k B", "Spr\xE5k C"});
        writeFile(file(c.name), c.content);
        const ToolResult result = run({"import", file(c.name), "--language", "1"});
        EXPECT_EQ(result.status, c.status) << c.name << result.err;
        EXPECT_TRUE(contains(result.status == 0 ? result.out : result.err, c.said))
            << c.name << result.out << result.err;
    }
}

// One row that is no pair does not hide the separator: it is named by its line.
TEST_F(ImportTest, TheSeparatorOfMostRowsNamesTheOddRow) {
    makeFolder({"Tyska", "Spr\xE5k B", "Spr\xE5k C"});
    writeFile(file("w.csv"), "Svenska,Tyska\nbil,das Auto\nbara ett ord\nsol,die Sonne\n");
    const ToolResult refused = run({"import", file("w.csv")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(contains(refused.err, "line 3: one field, not a pair")) << refused.err;
    const ToolResult skipped = run({"import", file("w.csv"), "--skip-bad-rows"});
    ASSERT_EQ(skipped.status, 0) << skipped.err;
    EXPECT_EQ(shown(1, 2), "1\tbil\tdas Auto\n2\tsol\tdie Sonne\n");
}

// The language a file names, by any of its names or its code; else the first language that
// still has its first name and no words, named after the file's; else the user must say.
TEST_F(ImportTest, TheLanguageComesFromTheFile) {
    struct Case {
        std::array<std::string, 3> names;
        QByteArray content;
        int status;
        const char* said;
    };
    const Case cases[] = {
        {{"Engelska", "Tyska", "Spr\xE5k C"},
         "Svenska,German\nbil,Auto\n",
         0,
         "language 2 \"Tyska\""},
        {{"Engelska", "Tyska", "Spr\xE5k C"}, "sv;de\nbil;Auto\n", 0, "language 2 \"Tyska\""},
        {{"Engelska", "tyska", "Spr\xE5k C"}, "Deutsch\tSvenska\nAuto\tbil\n", 0, "language 2"},
        {{"English", "Tyska", "Spr\xE5k C"}, "Svenska,Engelska\nbil,car\n", 0, "language 1"},
        {{"Engelska", "Tyska", "Spr\xE5k C"},
         "Svenska,fr\nbil,voiture\n",
         0,
         "language 3 \"Spr\xC3\xA5k C\" named \"Franska\""},
        {{"Engelska", "Tyska", "Spr\xE5k C"},
         "Svenska,Klingon\nbil,x\n",
         0,
         "language 3 \"Spr\xC3\xA5k C\" named \"Klingon\""},
        {{"Engelska", "Tyska", "Franska"}, "Svenska,Latin\nbil,x\n", 2, "give --language"},
        {{"Spr\xE5k A", "Tyska", "Spr\xE5k C"}, "bil,Auto\n", 0, "language 1 \"Spr\xC3\xA5k A\"\n"},
    };
    for (const Case& c : cases) {
        QDir(data()).removeRecursively();
        makeFolder(c.names);
        writeFile(file("w.csv"), c.content);
        const ToolResult result = run({"import", file("w.csv")});
        EXPECT_EQ(result.status, c.status) << c.content.constData() << result.err;
        EXPECT_TRUE(contains(result.status == 0 ? result.out : result.err, c.said))
            << c.content.constData() << result.out << result.err;
    }
}

// A file imported before adds nothing and says where its pairs are; into a list named, the
// pairs that list holds are left out.
TEST_F(ImportTest, PairsAlreadyThereAreLeftOut) {
    makeFolder({"Tyska", "Spr\xE5k B", "Spr\xE5k C"});
    writeFile(file("v12.csv"), "Svenska;Tyska\nbil;Auto\nsol;Sonne\n");
    ASSERT_EQ(run({"import", file("v12.csv")}).status, 0);
    const auto before = dataFiles();
    const ToolResult again = run({"import", file("v12.csv")});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_TRUE(contains(again.out, "every pair of " + file("v12.csv").toStdString() +
                                        " is in list 2 \"v12\" already"))
        << again.out;
    EXPECT_EQ(dataFiles(), before);

    writeFile(file("more.csv"), "Svenska;Tyska\nbil;Auto\nhus;Haus\n");
    const ToolResult more = run({"import", file("more.csv"), "--list", "2"});
    ASSERT_EQ(more.status, 0) << more.err;
    EXPECT_TRUE(contains(more.out, "1 pair(s) already there, left out")) << more.out;
    EXPECT_EQ(shown(1, 2), "1\tbil\tAuto\n2\tsol\tSonne\n3\thus\tHaus\n");
}

// "Ångra" takes back the import and only the import: a change made since elsewhere stays; a
// change since to what the import touched stops it, with what a whole restore would lose.
TEST_F(ImportTest, UndoTakesBackOnlyTheImport) {
    writeFile(file("glosor.csv"), "Svenska;Franska\nbil;voiture\nsol;soleil\n");

    // Nothing changed since: the files are back byte for byte.
    makeFolder({"Engelska", "Tyska", "Spr\xE5k C"});
    const auto before = dataFiles();
    tool::ImportDone done = importNow(file("glosor.csv"));
    ASSERT_EQ(done.record.languageAfter, "Franska");
    EXPECT_TRUE(tool::changesSince(done.record).isEmpty());
    tool::undoImport(done.record);
    EXPECT_EQ(dataFiles(), before);
    const auto snapshots = tool::listSnapshots(data());
    ASSERT_FALSE(snapshots.empty());
    EXPECT_EQ(snapshots.front().reason, "before undoing the import of glosor.csv");
    EXPECT_TRUE(contains(run({"backups"}).out, "before import of glosor.csv"));

    // A change elsewhere since, by the list editor and by another import: both stay.
    done = importNow(file("glosor.csv"));
    addPair(1, 1, "hus", "house");
    writeFile(file("tyska.csv"), "Svenska;Tyska\nhus;Haus\n");
    ASSERT_EQ(run({"import", file("tyska.csv")}).status, 0);
    const auto later = dataFiles();
    tool::undoImport(done.record);
    EXPECT_EQ(shown(1, 1), "1\tett\tone\n2\thus\thouse\n");
    EXPECT_EQ(shown(2, 2), "1\thus\tHaus\n");
    EXPECT_EQ(dataFiles().at("bu2.dat"), later.at("bu2.dat"));
    EXPECT_EQ(dataFiles().at("bu3.dat"), before.at("bu3.dat"));
    EXPECT_EQ(tool::DataFolder(data()).languageName(3), QString::fromUtf8("Spr\xC3\xA5k C"));

    // A change since to the imported list: refused, nothing written, and what a restore of
    // the snapshot would lose named pair by pair.
    const auto recordAnswer = [&] {
        memory::Database(dataFile("ordlykta.db").toStdString(), true)
            .recordAnswer({{1, "ett", "one"}, 1, "one", true, true}, memory::systemNow());
    };
    recordAnswer();  // before: in the snapshot as it is now
    done = importNow(file("glosor.csv"));
    addPair(3, 1, "hus", "maison");
    const auto changed = folderBytes(data());
    EXPECT_EQ(
        tool::changesSince(done.record),
        QStringList{QString::fromUtf8("list 1 \"glosor\": \"hus \xE2\x80\x93 maison\" added")});
    EXPECT_THROW(tool::undoImport(done.record), tool::Refusal);
    EXPECT_EQ(folderBytes(data()), changed);
    const QStringList lost = tool::lostByRestoring(data(), done.snapshot);
    EXPECT_TRUE(lost.contains(
        QString::fromUtf8("Franska, list 1 \"glosor\": \"hus \xE2\x80\x93 maison\" would be lost")))
        << lost.join('\n').toStdString();
    EXPECT_TRUE(lost.contains(
        QString::fromUtf8("language 3 is named \"Franska\", would be \"Spr\xC3\xA5k C\"")))
        << lost.join('\n').toStdString();
    // Answers recorded since go back with the snapshot too, and are named.
    const QString answersLost =
        "the answers and test days recorded since the snapshot (ordlykta.db) would be lost";
    EXPECT_FALSE(lost.contains(answersLost));
    recordAnswer();
    EXPECT_TRUE(tool::lostByRestoring(data(), done.snapshot).contains(answersLost));
}

}  // namespace
