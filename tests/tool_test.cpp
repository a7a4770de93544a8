// The command-line tool, run in-process on temporary data folders.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "editor/ListEdits.h"
#include "store/File.h"
#include "store/FolderLock.h"
#include "store/Settings.h"
#include "store/WordListImage.h"
#include "tests/support/ToolRun.h"
#include "tool/Tool.h"
#include "tool/formats/Formats.h"
#include "tool/import/Importing.h"

namespace {

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// Word pairs (Swedish word, other word), and lists by name with their pairs.
using TextPairs = std::vector<std::pair<store::Text, store::Text>>;
using NamedLists = std::vector<std::pair<store::Text, TextPairs>>;

// A file the import refuses: its name and content, the options given and part of the message.
struct Refused {
    const char* name;
    QByteArray content;
    QStringList options;
    const char* message;
};

// Pairs "sw1/ot1", "sw2/ot2", ... with a prefix, so that every pair is told apart.
TextPairs pairs(int count, const std::string& prefix) {
    TextPairs result;
    for (int i = 1; i <= count; ++i) {
        const std::string number = std::to_string(i);
        result.emplace_back(prefix + "sw" + number, prefix + "ot" + number);
    }
    return result;
}

class ToolTest : public DataFolderTest {
  protected:
    QString wordList() const { return data() + QStringLiteral("/bu1.dat"); }

    // Language 1, "Engelska", with the given lists from list 1 on, written as the menu names a
    // list and the list editor appends to it.
    store::WordListImage makeLanguage(const NamedLists& lists) {
        QDir().mkpath(data());
        writeSettings("Engelska");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(data());
        store::createWordList(1);
        int list = 1;
        for (const auto& [name, words] : lists) {
            store::WordRecord header = store::readHeader(1, list);
            header.first = name;
            store::writeHeader(1, list, header);
            for (const auto& [swedish, other] : words) {
                EXPECT_TRUE(listedit::appendPair(1, list, swedish, other));
            }
            ++list;
        }
        QDir::setCurrent(previous);
        return store::WordListImage::load(wordList().toStdString());
    }

    ToolResult import(const QString& name, const QByteArray& content, QStringList options = {}) {
        writeFile(file(name), content);
        return runTool(QStringList{"import", file(name), "--data", data(), "--language", "1"} +
                       (options.contains("--list") ? QStringList{} : QStringList{"--list", "1"}) +
                       options);
    }

    // The lists of language 1, and the pairs of list N, as `show` prints them.
    std::string shownLists() { return run({"show", "--language", "1"}).out; }
    std::string shown(int list) {
        return run({"show", "--language", "1", "--list", QString::number(list)}).out;
    }
};

TEST(WordListImage, EmptyImageIsTheFileCreateWordListWrites) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    store::createWordList(1);
    QDir::setCurrent(previous);
    const QByteArray created = readFile(dir.path() + "/bu1.dat");
    const store::WordListImage image;
    EXPECT_EQ(created, bytesOf(image.bytes()));
}

TEST(Tool, UsageErrorsEndWithTwoAndAUsageLine) {
    for (const QStringList& arguments :
         {QStringList{"frobnicate"}, QStringList{"--frobnicate"}, QStringList{"where", "extra"},
          QStringList{"show", "--list", "2"}, QStringList{"export", "--language", "1"},
          QStringList{"export", "--language", "1", "--format", "pdf"},
          QStringList{"export", "--language", "4", "--format", "csv"},
          QStringList{"export", "--language", "1", "--list", "99", "--format", "csv"},
          QStringList{"export", "--language", "1", "--list", "Ingen sådan", "--format", "csv"},
          QStringList{"import", "--language", "1"},
          QStringList{"import", "x.csv", "--language", "1", "--list", "1", "--format", "html"},
          QStringList{"import", "x.csv", "--language", "1", "--list", "1", "--swedish-column",
                      "0"}}) {
        const ToolResult result = runTool(arguments + QStringList{"--data", "/nonexistent/folder"});
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString() << result.err;
        EXPECT_TRUE(contains(result.err, "Usage: ordlykta")) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

// Whatever a command throws ends in the one handler: a message and a status, never an abort.
TEST(Tool, EveryExceptionOfACommandEndsWithAMessageAndAStatus) {
    struct Case {
        int (*run)(tool::Call&);
        int status;
        const char* message;
    };
    const Case cases[] = {
        {[](tool::Call&) -> int { throw std::logic_error("index past the end"); }, 1,
         "ordlykta: internal error: index past the end\n"},
        {[](tool::Call&) -> int { throw std::out_of_range("vector"); }, 1,
         "ordlykta: internal error: vector\n"},
        {[](tool::Call&) -> int { throw std::bad_alloc(); }, 1, "ordlykta: out of memory\n"},
        {[](tool::Call&) -> int { throw store::IoError("Disk full"); }, 1, "ordlykta: Disk full\n"},
        {[](tool::Call&) -> int { throw std::runtime_error("a\x1b[2Jb"); }, 1,
         "ordlykta: internal error: aU+001B[2Jb\n"},
        {[](tool::Call&) -> int { throw 42; }, 1, "ordlykta: internal error\n"},
        {[](tool::Call&) -> int { throw tool::Refusal("no"); }, 1, "ordlykta: no\n"},
        {[](tool::Call&) -> int { throw tool::UsageError("how"); }, 2,
         "ordlykta: how\nUsage: ordlykta failing ARGS\n"},
    };
    for (const Case& c : cases) {
        const tool::Command command{"failing", "ARGS", "", "", c.run};
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(tool::runCommand(command, {"failing"}, out, err), c.status) << c.message;
        EXPECT_EQ(err.str(), c.message);
        EXPECT_EQ(out.str(), "");
    }
}

// What the window takes from each row: a title and a file filter naming the suffix written;
// the choices to save or print are every written format, each followed by its exam sheet
// where it writes one, and only a printed format has one.
TEST(Formats, TheRowsGiveTheWindowItsChoices) {
    for (const tool::FormatInfo& info : tool::formats()) {
        SCOPED_TRACE(info.name);
        EXPECT_FALSE(info.shownTitle().isEmpty());
        EXPECT_TRUE(info.shownFilter().contains(QStringLiteral("*.") + info.suffixes[0]));
        EXPECT_TRUE(!info.text || info.read) << "a text format is read";
    }
    QStringList offered;
    for (const tool::ExportChoice& c : tool::exportChoices()) {
        offered += QLatin1String(c.info->name) + (c.exam ? " exam" : "");
        EXPECT_TRUE(!c.exam || c.info->printed);
        EXPECT_FALSE(c.shownTitle().isEmpty());
    }
    EXPECT_EQ(offered, (QStringList{"kvtml", "anki", "csv", "html", "html exam"}));
    EXPECT_EQ(tool::formatInfo(tool::Format::Html).shownTitle(), "List to print");
    EXPECT_EQ(tool::exportChoices().back().shownTitle(), "Exam sheet");
}

// A file to import is taken by its suffix, else by its first text; a format that is only
// written is never guessed and never read.
TEST(Formats, TheTableGuessesNamesAndReads) {
    using tool::Format;
    const struct {
        const char* path;
        QByteArray start;
        Format format;
    } cases[] = {
        {"a.kvtml", "hund,dog", Format::Kvtml},
        {"a.CSV", "<kvtml>", Format::Csv},
        {"a.txt", "hund,dog", Format::Anki},
        {"a.tsv", "hund\tdog", Format::Anki},
        {"a.html", "<html>", Format::Kvtml},
        {"a", "  \n<?xml", Format::Kvtml},
        {"a.dat", "\xEF\xBB\xBF#separator:tab", Format::Anki},
        {"a", "hund;dog", Format::Csv},
        {"a", "", Format::Csv},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tool::guessFormat(c.path, c.start), c.format) << c.path << " " << c.start.data();
    }
    for (const tool::FormatInfo& info : tool::formats()) {
        EXPECT_EQ(tool::formatNamed(QString::fromLatin1(info.name).toUpper()), info.format);
        EXPECT_EQ(tool::formatName(info.format), QLatin1String(info.name));
    }
    EXPECT_EQ(tool::formatNamed("pdf"), std::nullopt);
    EXPECT_THROW(tool::readSource("<html></html>", Format::Html, {}), tool::UsageError);
    const tool::Source csv = tool::readSource("hund,dog\n", Format::Csv, {});
    EXPECT_EQ(csv.layout.encoding, "UTF-8");
    ASSERT_EQ(csv.lists.size(), 1u);
    EXPECT_EQ(csv.lists[0].pairs[0].other, "dog");
}

TEST(Tool, HelpNamesEveryCommandAndWhereTheWordsAre) {
    const ToolResult result = runTool({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const tool::Command& command : tool::commands()) {
        EXPECT_TRUE(contains(result.out, (std::string("ordlykta ") + command.name + " ").c_str()))
            << command.name;
        EXPECT_TRUE(contains(result.out, command.example)) << command.name;
    }
    EXPECT_TRUE(contains(result.out, "Removing the package keeps them"));
}

TEST_F(ToolTest, ShowFindsLanguagesAndListsByNameWithoutRegardToCase) {
    makeLanguage({{"Djur", pairs(2, "d")}, {"F\xE4rger", pairs(1, "f")}});
    EXPECT_EQ(run({"show"}).out, "1\tEngelska\t3\n2\tSpr\xC3\xA5k B\t0\n3\tSpr\xC3\xA5k C\t0\n");
    const ToolResult lists = run({"show", "--language", "engelska"});
    EXPECT_TRUE(contains(lists.out, "1\tDjur\t2\n2\tF\xC3\xA4rger\t1\n3\tTomt kapitel: 3\t0\n"));
    EXPECT_EQ(run({"show", "--language", "1", "--list", "F\xC3\x84RGER"}).out, "1\tfsw1\tfot1\n");
}

// Export, then import into an empty folder: the same lists, names and records, byte for byte.
TEST_F(ToolTest, EveryFormatRoundTripsAFullLanguageByteForByte) {
    const store::WordListImage original = makeLanguage(
        {{"Djur", pairs(98, "d")},
         {"Tecken",
          {{"\x80 euro", "a, b"}, {"\"citat\"", "semi;colon"}, {"\xE5\xE4\xF6", "#hash"}}},
         {"Lista med l\xE5ngt namn som fyller 30", pairs(3, "x")}});
    for (const char* format : {"kvtml", "anki", "csv"}) {
        const QString exported = file(QStringLiteral("export.") + format);
        ASSERT_EQ(
            run({"export", "--language", "1", "--format", format, "--output", exported}).status, 0);
        // Spreadsheets take CSV for their own code page unless a byte-order mark says UTF-8.
        EXPECT_EQ(readFile(exported).startsWith("\xEF\xBB\xBF"), QLatin1String(format) == "csv");
        const QString target = file(QStringLiteral("target-") + format);
        const ToolResult imported = runTool({"import", exported, "--data", target, "--language",
                                             "1", "--list", "1", "--format", format});
        ASSERT_EQ(imported.status, 0) << format << imported.err;
        const store::WordListImage copy =
            store::WordListImage::load((target + "/bu1.dat").toStdString());
        EXPECT_TRUE(std::ranges::equal(copy.bytes(), original.bytes())) << format;
        EXPECT_TRUE(QFile::exists(target + "/agen.dat"));
    }
}

TEST_F(ToolTest, KvtmlAsAnotherTrainerWritesIt) {
    makeLanguage({});
    const QByteArray kvtml = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
  <information><generator>other</generator><title>Resa</title><date>2020-01-01</date></information>
  <identifiers>
    <identifier id="0"><name>English</name><locale>en</locale></identifier>
    <identifier id="1"><name>Swedish</name><locale>sv</locale><article/></identifier>
  </identifiers>
  <entries>
    <entry id="5"><translation id="0"><text>dog</text><grade currentgrade="2"/></translation>
      <translation id="1"><text> hund </text><comparison><comparative>x</comparative></comparison></translation></entry>
    <entry id="7"><translation id="0"><text>cat</text></translation></entry>
    <entry id="9"><translation id="1"><text>bil</text></translation><translation id="0"><text>car</text></translation></entry>
    <entry id="11"><translation id="0"><text>boat</text></translation><translation id="1"><text>b&#229;t</text></translation></entry>
  </entries>
  <lessons>
    <container><name>Djur</name><inpractice>true</inpractice><entry id="5"/><entry id="7"/>
      <container><name>Fordon</name><entry id="9"/></container>
    </container>
  </lessons>
  <wordtypes><container><name>Noun</name></container></wordtypes>
</kvtml>
)";
    const auto before = folderBytes(data());
    const ToolResult refused = import("trip.kvtml", kvtml);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(contains(refused.err, "line 12: a side is empty")) << refused.err;
    EXPECT_TRUE(folderBytes(data()) == before);
    const ToolResult result = import("trip.kvtml", kvtml, {"--skip-bad-rows"});
    ASSERT_EQ(result.status, 0) << result.err;
    // The lesson without a translation of "cat" loses that pair when the user says so; the
    // entry outside every lesson gets a list named after the document's title.
    EXPECT_EQ(shown(1), "1\thund\tdog\n");
    EXPECT_EQ(shown(2), "1\tbil\tcar\n");
    EXPECT_EQ(shown(3), "1\tb\xC3\xA5t\tboat\n");
    EXPECT_TRUE(contains(shownLists(), "1\tDjur\t1\n2\tFordon\t1\n3\tResa\t1\n"));
    EXPECT_TRUE(contains(result.out, "Left out:\n  line 12: a side is empty"));
}

// Anki text: header lines are read and never taken as pairs; without them the first line
// shows the separator, and a first row naming "Svenska" is a header.
TEST_F(ToolTest, AnkiTextWithAndWithoutHeaders) {
    struct Case {
        const char* text;
        const char* list1;
        const char* list2;
    };
    const Case cases[] = {
        {"hund\tdog\nkatt\tcat\n", "1\thund\tdog\n2\tkatt\tcat\n", ""},
        {"hund;dog\n\"a;b\";\"say \"\"hi\"\"\"\n", "1\thund\tdog\n2\ta;b\tsay \"hi\"\n", ""},
        {"ba\xCC\x8At\tboat\n", "1\tb\xC3\xA5t\tboat\n", ""},  // a + combining ring: one å
        {"#separator:Pipe\n#html:true\n#columns:English|Svenska\nkatt &amp; co|<b>hund</b>\n",
         "1\thund\tkatt & co\n", ""},
        {"#separator:tab\n#deck column:3\n#tags column:4\nhund\tdog\tX::Djur\ttag\n"
         "# a comment\nbil\tcar\tX::Fordon\ttag\n",
         "1\thund\tdog\n", "1\tbil\tcar\n"},
        {"\xEF\xBB\xBFhund,dog\r\n\r\n\"x,y\",z\r\n", "1\thund\tdog\n2\tx,y\tz\n", ""},
        // A spreadsheet's header row: never a pair, and it names the columns.
        {"Engelska\tSvenska\ndog\thund\n", "1\thund\tdog\n", ""},
        // Anki writes the guid, note type and deck before the fields, the tags after them.
        {"#separator:tab\n#deck column:1\nX::Djur\thund\tdog\n", "1\thund\tdog\n", ""},
        {"#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n"
         "#tags column:6\nf8Kx\tBasic\tDjur\thund\tdog\ttag\n",
         "1\thund\tdog\n", ""},
        {"#deck column:-2147483648\n#tags column:x\nhund\tdog\n", "1\thund\tdog\n", ""},
        {"#columns:English,Svenska\n#separator:comma\ndog,hund\n", "1\thund\tdog\n", ""},
    };
    for (const Case& c : cases) {
        makeLanguage({});
        const ToolResult result = import("words.txt", c.text);
        EXPECT_EQ(result.status, 0) << c.text << result.err;
        EXPECT_EQ(shown(1), c.list1) << c.text;
        EXPECT_EQ(shown(2), c.list2) << c.text;
    }
}

TEST_F(ToolTest, CsvHeaderPicksColumnsAndSwedishColumnOverrides) {
    struct Case {
        const char* name;
        QByteArray content;
        QStringList options;
        const char* list1;
    };
    const Case cases[] = {
        {"a.csv", "Engelska,Svenska\ndog,hund\n", {}, "1\thund\tdog\n"},
        {"b.csv", "cat,katt\n", {"--swedish-column", "2"}, "1\tkatt\tcat\n"},
        {"c.csv", "Lista,Svenska,Engelska\nDjur,hund,dog\n", {}, "1\thund\tdog\n"},
    };
    for (const Case& c : cases) {
        makeLanguage({});
        ASSERT_EQ(import(c.name, c.content, c.options).status, 0) << c.name;
        EXPECT_EQ(shown(1), c.list1) << c.name;
    }
}

// One list is appended to list N; what does not fit continues in the next empty lists, which
// take its name. Lists that hold pairs are passed over.
TEST_F(ToolTest, OneListSpillsIntoTheNextEmptyLists) {
    makeLanguage({{"Bas", pairs(50, "b")}, {"Upptagen", pairs(1, "u")}});
    QByteArray csv;
    for (int i = 1; i <= 150; ++i) {
        csv += "ny" + QByteArray::number(i) + ",new" + QByteArray::number(i) + "\n";
    }
    const ToolResult result = import("many.csv", csv);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string lists = shownLists();
    EXPECT_TRUE(contains(lists, "1\tBas\t98\n2\tUpptagen\t1\n3\tBas\t98\n4\tBas\t4\n5\tTomt"))
        << lists;
    EXPECT_TRUE(contains(shown(1), "50\tbsw50\tbot50\n51\tny1\tnew1\n"));
    EXPECT_TRUE(contains(shown(1), "98\tny48\tnew48\n"));
    EXPECT_TRUE(contains(shown(4), "4\tny150\tnew150\n"));
    const store::WordListImage image = store::WordListImage::load(wordList().toStdString());
    EXPECT_EQ(image.read(1, 51).number, 51);  // each pair carries the count it was written with
    EXPECT_EQ(image.header(1).second, std::string(30, ' '));
}

TEST_F(ToolTest, SeveralListsGoToEmptyListsFromN) {
    makeLanguage({{"Full", pairs(1, "f")}, {"Tom", {}}, {"Full2", pairs(1, "g")}});
    const ToolResult result = import(
        "lists.csv", "Svenska,X,Lista\na,b,Ett\nc,d,Två ✓ och ett mycket långt namn på en lista\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string lists = shownLists();
    EXPECT_TRUE(contains(
        lists,
        "1\tFull\t1\n2\tEtt\t1\n3\tFull2\t1\n4\tTv\xC3\xA5 ? och ett mycket l\xC3\xA5ngt nam\t1\n"))
        << lists;
    EXPECT_TRUE(contains(result.out, "list name \"Två ✓ och")) << result.out;
}

// Every refusal leaves every byte of the folder as it was.
TEST_F(ToolTest, RefusalsWriteNothing) {
    NamedLists full;
    for (int l = 1; l <= 96; ++l) {
        full.push_back({std::string("L").append(std::to_string(l)), pairs(1, "p")});
    }
    makeLanguage(full);  // lists 97 and 98 are empty
    const QString fifo = file("fifo");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    writeFile(file("big.csv"), QByteArray(17 * 1024 * 1024, 'a'));
    QByteArray entities = "<!DOCTYPE kvtml [<!ENTITY e0 \"aaaaaaaaaa\">";
    for (int i = 1; i < 9; ++i) {
        entities += "<!ENTITY e" + QByteArray::number(i) + " \"" +
                    QByteArray("&e" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    }
    const QByteArray nested = "<kvtml version=\"2.0\"><lessons>" +
                              QByteArray("<container><name>x</name>").repeated(10000);
    const Refused cases[] = {
        {"u.csv", "hund,dog\n\xE2\x9C\x93 ok,x\n", {}, "line 2: \"\xE2\x9C\x93 ok\" holds U+2713"},
        {"l.csv", "hund,dog\ncat,abcdefghijklmnopqrstuvwxyz12345\n", {}, "line 2:"},
        {"b.kvtml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml>\n\xFF\xFE</kvtml>",
         {},
         "line 3 is not UTF-8"},
        {"x.kvtml",
         "<?xml version=\"1.0\" encoding=\"x-nothing\"?><kvtml/>",
         {},
         "encoding x-nothing is not known"},
        {"q.csv", "hund,dog\n\"open,x\n", {}, "line 2: a quoted field is not closed"},
        {"m.kvtml", "<kvtml version=\"2.0\"><entries><entry></kvtml>", {}, "line 1:"},
        {"t.kvtml", "<kvtml version=\"2.0\"><entries><entry id=\"1\">", {}, "line 1:"},
        {"n.csv", "Svenska,X,Lista\na,b,A\nc,d,B\ne,f,C\n", {"--list", "2"}, "not enough"},
        {"e.csv", "Svenska,X\n,b\n", {}, "line 2: a side is empty"},
        {"h.csv", "Svenska,X\n", {}, "holds no pairs"},
        {"line.csv", QByteArray(8 << 20, 'a') + ",b", {}, "is 8388608 characters long"},
        {"lol.kvtml",
         entities + "]><kvtml version=\"2.0\"><entries><entry id=\"1\"><translation "
                    "id=\"0\"><text>&e8;</text></translation></entry></entries></kvtml>",
         {},
         "entity expansion limit"},
        {"deep.kvtml", nested, {}, "nested too deeply"},
        {"deeper.kvtml",
         "<kvtml version=\"2.0\">" + QByteArray("<x>").repeated(100000),
         {},
         "elements nested too deeply"},
        {"languages.kvtml",
         "<kvtml version=\"2.0\"><identifiers>" + QByteArray("<identifier/>").repeated(65),
         {},
         "more than 64 languages"},
        {"fields.csv",
         QByteArray(",").repeated(100) + "\na,b\n",
         {"--separator", ","},
         "line 1: more than 64 fields"},
        {"twice.kvtml",
         QByteArray("<kvtml version=\"2.0\"><entries>") +
             QByteArray("<entry id=\"1\"><translation id=\"0\"><text>a</text></translation>"
                        "<translation id=\"1\"><text>b</text></translation></entry>")
                 .repeated(2) +
             "</entries></kvtml>",
         {},
         "a second entry with the id \"1\""},
        {"rows.txt", QByteArray("a\tb\n").repeated(98 * 98 + 1), {}, "line 9605: more rows"},
    };
    const auto before = folderBytes(data());
    for (const Refused& c : cases) {
        const ToolResult result = import(c.name, c.content, c.options);
        EXPECT_EQ(result.status, 1) << c.name;
        EXPECT_TRUE(contains(result.err, c.message)) << c.name << ": " << result.err;
        EXPECT_LT(result.err.size(), 1000u) << c.name;
        EXPECT_TRUE(folderBytes(data()) == before) << c.name;
    }
    makeLanguage(full);
    for (const QString& path : {dir_.path(), fifo, file("big.csv"), file("missing.csv")}) {
        const ToolResult result =
            run({"import", path, "--language", "1", "--list", "1", "--format", "csv"});
        EXPECT_EQ(result.status, 1) << path.toStdString();
        EXPECT_TRUE(folderBytes(data()) == before) << path.toStdString();
    }
    {
        const store::FolderLock program(data().toStdString());
        const ToolResult result = import("ok.csv", "a,b\n", {"--list", "97"});
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(contains(result.err, "is running"));
        EXPECT_TRUE(folderBytes(data()) == before);
        EXPECT_EQ(import("ok.csv", "a,b\n", {"--list", "97", "--dry-run"}).status, 0);
        EXPECT_EQ(run({"show"}).status, 0);
        EXPECT_TRUE(folderBytes(data()) == before);
    }
}

// The folder is held while the files are written, also when the import makes the folder.
TEST_F(ToolTest, ImportHoldsTheFolderWhileItWrites) {
    for (const bool existing : {true, false}) {
        QDir(data()).removeRecursively();
        if (existing) {
            makeLanguage({});
        }
        int created = 0;
        int unheld = 0;
        store::setFaultHook([&](store::FileOp op, const std::string&) {
            if (op == store::FileOp::Create) {
                ++created;
                unheld += !store::FolderLock(data().toStdString()).taken();
            }
            return 0;
        });
        const ToolResult result = import("w.csv", "hund,dog\n");
        store::setFaultHook({});
        EXPECT_EQ(result.status, 0) << result.err;
        // The snapshot of the files as they were and its reason, or agen.dat when there were
        // none; bu1.dat; the record of the renames.
        EXPECT_EQ(created, existing ? 4 : 3);
        EXPECT_EQ(unheld, 0) << existing;
    }
}

TEST_F(ToolTest, CutAndSkipUnsupportedAreReported) {
    makeLanguage({});
    const ToolResult result =
        import("w.csv",
               "hund,dog\nkatt,abcdefghijklmnopqrstuvwxyz12345\n\xE2\x9C\x93,x\n"
               "bil,abcdefghijklmnopqrstuvwxyz123 och mer\n",
               {"--cut", "--skip-unsupported"});
    ASSERT_EQ(result.status, 0) << result.err;
    // A word cut before a space keeps no space at its end.
    EXPECT_EQ(shown(1),
              "1\thund\tdog\n2\tkatt\tabcdefghijklmnopqrstuvwxyz1234\n"
              "3\tbil\tabcdefghijklmnopqrstuvwxyz123\n");
    EXPECT_TRUE(contains(result.out, "Words cut to 30 characters:\n  line 2:"));
    EXPECT_TRUE(contains(result.out, "Left out:\n  line 3:"));
}

// A character outside the Basic Multilingual Plane is one character the word list cannot hold:
// the refusal names it whole, never half of it, and leaving it out leaves out its pair only.
TEST_F(ToolTest, CharactersBeyondTheBasicPlaneAreRefusedWhole) {
    makeLanguage({});
    const QByteArray words = "hund,dog\nglad \xF0\x9F\x98\x80,happy\n";
    const ToolResult refused = import("w.csv", words);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(contains(refused.err, "line 2: \"glad \xF0\x9F\x98\x80\" holds U+1F600"))
        << refused.err;
    EXPECT_FALSE(contains(refused.err, "U+D83D")) << refused.err;
    const ToolResult skipped = import("w.csv", words, {"--skip-unsupported"});
    ASSERT_EQ(skipped.status, 0) << skipped.err;
    EXPECT_EQ(shown(1), "1\thund\tdog\n");
    EXPECT_TRUE(contains(skipped.out, "Left out:\n  line 2:"));
}

TEST_F(ToolTest, MissingFilesAreCreatedWhole) {
    const ToolResult result = import("w.csv", "hund,dog\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile(data() + "/agen.dat"), bytesOf(store::encode(store::defaultSettings())));
    store::WordListImage expected;
    expected.rename(1, "w");  // an empty list takes the file's name
    expected.append(1, "hund", "dog");
    EXPECT_TRUE(std::ranges::equal(store::WordListImage::load(wordList().toStdString()).bytes(),
                                   expected.bytes()));
}

TEST_F(ToolTest, HtmlEscapesWordsAndExamLeavesAnswersOut) {
    makeLanguage({{"<b>Lista</b>", {{"a<b", "x&y"}, {"hund", "dog"}}}});
    const ToolResult page = run({"export", "--language", "1", "--format", "html"});
    EXPECT_TRUE(contains(page.out, "<h1>&lt;b&gt;Lista&lt;/b&gt;</h1>"));
    EXPECT_TRUE(contains(page.out, "<td>a&lt;b</td><td>x&amp;y</td>"));
    const ToolResult exam = run({"export", "--language", "1", "--format", "html", "--exam"});
    EXPECT_TRUE(contains(exam.out, "<td>hund</td><td></td>"));
    EXPECT_FALSE(contains(exam.out, "dog"));
}

}  // namespace

namespace {

// Without --format and without a known extension, the content tells the format.
TEST_F(ToolTest, FormatComesFromTheContentWhenTheNameDoesNotTell) {
    const std::pair<QByteArray, const char*> cases[] = {
        {"\xEF\xBB\xBF<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries><entry id=\"1\">"
         "<translation id=\"0\"><text>hund</text></translation><translation id=\"1\"><text>dog"
         "</text></translation></entry></entries></kvtml>",
         "1\thund\tdog\n"},
        {"#html:false\nhund;dog\n", "1\thund\tdog\n"},
        {"\"hund, en\",dog\n", "1\thund, en\tdog\n"},
    };
    for (const auto& [content, pairs] : cases) {
        makeLanguage({});
        EXPECT_EQ(import("words", content).status, 0) << content.constData();
        EXPECT_EQ(shown(1), pairs) << content.constData();
    }
}

// One lesson, or none, is appended to list N after its pairs, whatever the lesson is called.
TEST_F(ToolTest, KvtmlWithOneLessonIsAppendedToListN) {
    makeLanguage({{"Mina ord", pairs(2, "m")}});
    const QByteArray kvtml =
        "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><name>Engelska</name>"
        "</identifier><identifier id=\"1\"><name>Svenska</name></identifier></identifiers>"
        "<entries><entry id=\"a\"><translation id=\"0\"><text>dog</text></translation>"
        "<translation id=\"1\"><text>hund</text></translation></entry></entries><lessons>"
        "<container><name>Djur</name><entry id=\"a\"/></container></lessons></kvtml>";
    ASSERT_EQ(import("one.kvtml", kvtml).status, 0);
    EXPECT_EQ(shown(1), "1\tmsw1\tmot1\n2\tmsw2\tmot2\n3\thund\tdog\n");
    // The user's column wins over the identifier's name.
    ASSERT_EQ(import("one.kvtml", kvtml, {"--swedish-column", "1"}).status, 0);
    EXPECT_TRUE(contains(shown(1), "4\tdog\thund\n"));
    EXPECT_TRUE(contains(shownLists(), "1\tMina ord\t4\n"));
}

// A damaged word-list file is never read into an export or written over by an import; an
// output that cannot be written leaves nothing behind.
TEST_F(ToolTest, DamagedFilesAndUnwritableOutputFail) {
    makeLanguage({{"Djur", pairs(1, "d")}});
    const QString output = file("missing-folder/out.csv");
    const ToolResult unwritten =
        run({"export", "--language", "1", "--format", "csv", "--output", output});
    EXPECT_EQ(unwritten.status, 1);
    EXPECT_FALSE(QFile::exists(output));

    QFile::resize(wordList(), 1000);
    ASSERT_EQ(::mkfifo((data() + "/bu2.dat").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(run({"show"}).status, 1);
    const auto before = folderBytes(data());
    EXPECT_EQ(run({"export", "--language", "1", "--format", "csv"}).status, 1);
    const ToolResult result = import("w.csv", "hund,dog\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(contains(result.err, "bu1.dat")) << result.err;
    EXPECT_TRUE(folderBytes(data()) == before);
}

}  // namespace

// Files as the programs people use write them import to exactly the pairs they hold.
TEST_F(ToolTest, FilesFromSpreadsheetsAndAnkiImportToThePairsTheyHold) {
    const std::string words =
        "1\thund\tHund\n2\t\xC3\xA4lg\tElch\n3\ts\xC3\xA4g \"hej\"\tsag "
        "\xE2\x80\x9Ehallo\xE2\x80\x9C\n"
        "4\ten, tv\xC3\xA5\teins; zwei\n5\tcaf\xC3\xA9\tCaf\xC3\xA9\n6\tsm\xC3\xB6rg\xC3\xA5s\t"
        "Butterbrot\n7\tk\xC3\xB6tt & fisk\tFleisch & Fisch\n";
    struct Case {
        const char* file;
        const char* detected;  // in --dry-run's report
        std::vector<std::string> lists;
    };
    const Case cases[] = {
        {"spreadsheet/libreoffice-comma-utf8.csv", "encoding: UTF-8, separator: ,", {words}},
        {"spreadsheet/libreoffice-semicolon-utf8.csv", "encoding: UTF-8, separator: ;", {words}},
        {"spreadsheet/libreoffice-semicolon-windows1252.csv",
         "encoding: Windows-1252, separator: ;",
         {words}},
        {"spreadsheet/libreoffice-tab-utf8.csv", "encoding: UTF-8, separator: tab", {words}},
        {"anki/anki-2.1.55-notes.txt",
         "Swedish words: column 4, other words: column 5, list: column 3",
         {"1\tg\xC3\xA5 gick\tgehen ging\n2\th\xC3\xB6ra\th\xC3\xB6ren\n",
          "1\tM\xC3\xBCsli\tM\xC3\xBCsli\n2\tk\xC3\xB6tt & fisk\tFleisch & Fisch\n",
          "1\thund\tHund\n"}},
        {"anki/anki-2.1.50-notes.txt",
         "fields read as HTML",
         {"1\t\xC3\xA4pple\tApfel\n2\tk\xC3\xB6tt & fisk\tFleisch & Fisch\n3\tg\xC3\xA5 gick\t"
          "gehen ging\n4\t\"hej\"\t\xE2\x80\x9Ehallo\xE2\x80\x9C\n"}},
        {"anki/anki-html-false.txt",
         "separator: ;",
         {"1\tbr\xC3\xB6"
          "d & sm\xC3\xB6r\tBrot &amp; Butter\n2\t<b>fet</b>\tfett\n"}},
    };
    for (const Case& c : cases) {
        QDir(data()).removeRecursively();
        makeLanguage({});
        const QString path = QStringLiteral(ORDLYKTA_FIXTURES "/") + QLatin1String(c.file);
        const QStringList arguments{"import",     path, "--data", data(),
                                    "--language", "1",  "--list", "1"};
        const ToolResult plan = runTool(arguments + QStringList{"--dry-run"});
        EXPECT_TRUE(contains(plan.out, c.detected)) << c.file << "\n" << plan.out << plan.err;
        const ToolResult result = runTool(arguments);
        ASSERT_EQ(result.status, 0) << c.file << ": " << result.err;
        for (std::size_t l = 0; l < c.lists.size(); ++l) {
            EXPECT_EQ(shown(static_cast<int>(l) + 1), c.lists[l]) << c.file;
        }
    }
}

// The separator is the one that gives every row the same number of fields; a header row is
// one that names the Swedish side or only names columns; the user's word wins over both.
TEST_F(ToolTest, SeparatorHeaderAndEncodingAreDetected) {
    struct Case {
        QByteArray content;
        QStringList options;
        const char* outcome;  // list 1 as shown, or what the refusal says
    };
    const Case cases[] = {
        {"hund;Hund\nkatt;Katze\nfisk, lax;Fisch\n",
         {},
         "1\thund\tHund\n2\tkatt\tKatze\n3\tfisk, lax\tFisch\n"},
        {"\"a;b\",c\n\"d;e\",f\n", {}, "1\ta;b\tc\n2\td;e\tf\n"},
        {"\"a\nb\",c\n", {}, "line 1: \"aU+000Ab\" holds U+000A"},
        {"hund\tdog\r\nkatt\tcat\r\n", {}, "1\thund\tdog\n2\tkatt\tcat\n"},
        {"Ord,\xC3\x96vers\xC3\xA4ttning\nh\xC3\xA4st,horse\n", {}, "1\th\xC3\xA4st\thorse\n"},
        {"Swedish,German\nhund,Hund\n", {}, "1\thund\tHund\n"},
        {"English,sv\ndog,hund\n", {}, "1\thund\tdog\n"},
        {"Ord,Engelska\nhund,dog\n", {}, "1\thund\tdog\n"},
        {"hund,dog\nkatt,cat\n", {"--header"}, "1\tkatt\tcat\n"},
        {"Svenska,Engelska\nhund,dog\n", {"--no-header"}, "1\tSvenska\tEngelska\n2\thund\tdog\n"},
        {"a,b;c\nd,e;f\n", {}, "--separator , or ; or tab"},
        {"a,b;c\nd,e;f\n", {"--separator", ";"}, "1\ta,b\tc\n2\td,e\tf\n"},
        {"a,b,c\nd,e\n", {}, "1\ta\tb\n2\td\te\n"},
        {"a b\nc d\n", {}, "neither comma, semicolon nor tab"},
        {"\xEF\xBB\xBFh\xC3\xA4st,horse\n", {}, "1\th\xC3\xA4st\thorse\n"},
        {QByteArray("\xFF\xFEh\0\xE4\0s\0t\0;\0x\0\n\0", 16), {}, "1\th\xC3\xA4st\tx\n"},
        {QByteArray("\xFE\xFF\0h\0\xE4\0s\0t\0\t\0x", 14), {}, "1\th\xC3\xA4st\tx\n"},
        {"h\xE4st;h\xF6ra \x84x\x93\n",
         {},
         "1\th\xC3\xA4st\th\xC3\xB6ra \xE2\x80\x9Ex\xE2\x80\x9C\n"},
        {"\xEF\xBB\xBFh\xE4st,horse\n", {}, "1\th\xC3\xA4st\thorse\n"},
    };
    for (const Case& c : cases) {
        makeLanguage({});
        const ToolResult result = import("w.csv", c.content, c.options);
        const std::string& got = result.status == 0 ? shown(1) : result.err;
        EXPECT_TRUE(contains(got, c.outcome)) << c.content.constData() << "\n" << got;
    }
    makeLanguage({});
    const ToolResult plan = import("w.csv", "Tyska,Svenska,Lista\nHund,hund,Djur\n", {"--dry-run"});
    EXPECT_TRUE(contains(plan.out,
                         "Swedish words: column 2, other words: column 1, list: "
                         "column 3\nthe first row is a header and was skipped\n"))
        << plan.out;
}

// An import goes in whole or not at all: rows that are no pair stop it, named with their
// lines, unless the user says to leave them out.
TEST_F(ToolTest, RowsThatAreNoPairStopTheImportUnlessLeftOut) {
    makeLanguage({{"Djur", pairs(1, "d")}});
    const QByteArray content = "hund;Hund\nkatt\nfisk;\n;Vogel\nhäst;Pferd\n";
    const auto before = folderBytes(data());
    const ToolResult refused = import("w.csv", content, {"--separator", ";"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(contains(refused.err,
                         "line 2: one field, not a pair\n  line 3: a side is empty\n"
                         "  line 4: a side is empty"))
        << refused.err;
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(folderBytes(data()) == before);

    const ToolResult result = import("w.csv", content, {"--separator", ";", "--skip-bad-rows"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(shown(1), "1\tdsw1\tdot1\n2\thund\tHund\n3\th\xC3\xA4st\tPferd\n");
    EXPECT_TRUE(contains(result.out, "Left out:\n  line 2: one field, not a pair\n"));
}

// Before an import writes, the files as they were go into a snapshot that restore gives back.
TEST_F(ToolTest, ImportCanBeUndone) {
    makeLanguage({{"Djur", pairs(3, "d")}});
    const auto before = folderBytes(data());
    const ToolResult result = import("w.csv", "hund,dog\n", {"--list", "2"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(contains(result.out, "to undo the import: ordlykta restore --latest"))
        << result.out;
    EXPECT_NE(readFile(wordList()), before.at(wordList()));
    ASSERT_EQ(run({"restore", "--latest"}).status, 0);
    for (const auto& [path, bytes] : before) {
        EXPECT_EQ(readFile(path), bytes) << path.toStdString();
    }
}

// The common mistakes are told what to do.
TEST_F(ToolTest, CommonMistakesAreToldWhatToDo) {
    makeLanguage({});
    const Refused cases[] = {
        {"w.xlsx", QByteArray("PK\x03\x04\x14\0\x06\0", 8), {}, "save it as CSV"},
        {"w.ods", QByteArray("PK\x03\x04\x14\0\0\0", 8), {"--format", "csv"}, "File > Save as"},
        {"w.xls", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1rest", {}, "save it as CSV"},
        {"w.csv",
         "a\tb,c\n",
         {"--separator", ","},
         "holds U+0009, which a word list cannot "
         "hold (if tabs part the fields, give "
         "--separator tab)"},
        {"w.csv", QByteArray("a\0b,c\n", 6), {}, "\"a\\0b\" holds U+0000"},
        {"w.csv", "a,c\x1B[2J\n", {}, "\"cU+001B[2J\" holds U+001B"},
        {"w.csv", "a,b\n", {"--separator", "x"}, "unknown separator"},
        {"w.kvtml", "<kvtml version=\"2.0\"><entries>\x01</entries></kvtml>", {}, "line 1:"},
    };
    for (const Refused& c : cases) {
        const ToolResult result = import(c.name, c.content, c.options);
        EXPECT_NE(result.status, 0) << c.name;
        EXPECT_TRUE(contains(result.err, c.message)) << c.name << ": " << result.err;
        EXPECT_FALSE(contains(result.err, "\x1B") || contains(result.err, "\x01")) << c.name;
    }
    writeFile(file("plain"), "a,b\n");
    const ToolResult folder = runTool({"import", file("plain"), "--data", file("plain") + "/sub",
                                       "--language", "1", "--list", "1", "--format", "csv"});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(contains(folder.err, "cannot be made: Not a directory")) << folder.err;
}

// KVTML is read in the encoding its declaration names; bytes that do not match are refused by
// line.
TEST_F(ToolTest, KvtmlIsReadInItsDeclaredEncoding) {
    const QByteArray body =
        "\n<kvtml version=\"2.0\"><entries><entry id=\"1\"><translation id=\"0\"><text>h\xE4st"
        "</text></translation><translation id=\"1\"><text>horse</text></translation></entry>"
        "</entries></kvtml>\n";
    makeLanguage({});
    ASSERT_EQ(import("l.kvtml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + body).status,
              0);
    EXPECT_EQ(shown(1), "1\th\xC3\xA4st\thorse\n");
    const ToolResult wrong = import("u.kvtml", "<?xml version='1.0' encoding='utf-8'?>" + body);
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(contains(wrong.err, "line 2 is not utf-8 text")) << wrong.err;
}

// Windows-1252 declared in a KVTML file is read as the word lists hold it: every byte a
// character, the five bytes the code page leaves undefined among them, so that the words go
// into the list byte for byte.
TEST_F(ToolTest, KvtmlInWindows1252KeepsEveryByte) {
    makeLanguage({});
    const QByteArray word = "\x80\x81\x8D\x8F\x90\x9D\xE5";
    ASSERT_EQ(import("w.kvtml",
                     "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<kvtml "
                     "version=\"2.0\"><entries><entry id=\"1\"><translation id=\"0\">"
                     "<text>" +
                         word +
                         "</text></translation><translation id=\"1\"><text>"
                         "x</text></translation></entry></entries></kvtml>\n")
                  .status,
              0);
    const QByteArray list = readFile(data() + "/bu1.dat");
    EXPECT_TRUE(list.contains(char(word.size()) + word)) << list.left(200).toHex().toStdString();
}

// A plan is carried out only on the word list it was made on.
TEST_F(ToolTest, APlanIsCarriedOutOnlyOnTheWordsItWasMadeOn) {
    makeLanguage({});
    writeFile(file("w.csv"), "hund,dog\n");
    const tool::ImportPlan plan =
        tool::planImport(file("w.csv"), data(), QStringLiteral("1"), QStringLiteral("1"), {});
    ASSERT_TRUE(plan.whole());
    EXPECT_EQ(plan.layout.encoding, "UTF-8");
    ASSERT_EQ(plan.placements.size(), 1u);
    EXPECT_EQ(plan.placements[0].pairs.size(), 1u);
    ASSERT_EQ(import("v.csv", "katt,cat\n").status, 0);
    try {
        tool::carryOut(plan);
        ADD_FAILURE() << "a plan was carried out on changed words";
    } catch (const tool::Refusal& e) {
        EXPECT_TRUE(e.message().contains("changed since")) << e.message().toStdString();
    }
    EXPECT_EQ(shown(1), "1\tkatt\tcat\n");
}

// A text file is read in the encoding the user chooses, over what its bytes suggest; a byte-order
// mark is never a character, and bytes that do not match are refused by line.
TEST_F(ToolTest, ATextFileIsReadInTheEncodingChosen) {
    makeLanguage({});
    struct Case {
        QByteArray bytes;
        const char* encoding;
        const char* swedish;  // nullptr: refused
        const char* shown;    // the encoding the plan names, or part of the refusal
    };
    const Case cases[] = {
        {"h\xC3\xA4st,horse\n", "Windows-1252", "h\xC3\x83\xC2\xA4st", "Windows-1252"},
        {"\xEF\xBB\xBFko,cow\n", "windows-1252", "ko", "Windows-1252"},
        {"\xEF\xBB\xBFh\xC3\xA4st,horse\n", "UTF-8", "h\xC3\xA4st", "UTF-8"},
        {QByteArray("\xFF\xFEk\0o\0,\0c\0o\0w\0\n\0", 16), "UTF-16LE", "ko", "UTF-16LE"},
        {"ko,cow\nh\xE4st,horse\n", "UTF-8", nullptr, "line 2 is not UTF-8 text"},
        {"ko,cow\n", "EBCDIC-X", nullptr, "not known"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoding);
        writeFile(file("w.csv"), c.bytes);
        tool::ImportChoices choices;
        choices.text.encoding = QString::fromLatin1(c.encoding);
        try {
            const tool::ImportPlan plan = tool::planImport(
                file("w.csv"), data(), QStringLiteral("1"), QStringLiteral("1"), choices);
            ASSERT_NE(c.swedish, nullptr) << "read as " << plan.layout.encoding.toStdString();
            ASSERT_EQ(plan.placements.size(), 1u);
            EXPECT_EQ(plan.placements[0].pairs.at(0).swedish, QString::fromUtf8(c.swedish));
            EXPECT_EQ(plan.layout.encoding, c.shown);
        } catch (const tool::Refusal& e) {
            EXPECT_EQ(c.swedish, nullptr) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(c.shown)) << e.message().toStdString();
        }
    }
}

TEST(Markup, AnkiFieldsBecomePlainText) {
    const std::pair<const char*, const char*> cases[] = {
        {"g\xC3\xA5<br>gick", "g\xC3\xA5 gick"},
        {"gehen<br />ging", "gehen ging"},
        {"M&uuml;sli", "M\xC3\xBCsli"},
        {"h&#246;ra", "h\xC3\xB6ra"},
        {"h&#xF6;ren", "h\xC3\xB6ren"},
        {"hund [sound:hund.mp3]", "hund"},
        {"<div>\xC3\xA4pple</div>", "\xC3\xA4pple"},
        {"k\xC3\xB6tt&nbsp;&amp;&nbsp;fisk", "k\xC3\xB6tt & fisk"},
        {"<div>a</div><div>b</div>", "a b"},
        {"<ul><li>x</li><li>y</li></ul>", "x y"},
        {"<b>fe</b>t", "fet"},
        {"&lt;b&gt; &quot;x&quot;", "<b> \"x\""},
        {"a  \t b ", "a b"},
        {"<style>p{}</style>ord", "ord"},
        {"&bdquo;hej&ldquo;", "\xE2\x80\x9Ehej\xE2\x80\x9C"},
        {"", ""},
    };
    for (const auto& [html, text] : cases) {
        EXPECT_EQ(tool::htmlToText(QString::fromUtf8(html)).toStdString(), text) << html;
    }
}
