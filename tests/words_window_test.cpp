// The words' own window, driven through its real widgets on the offscreen platform: an import
// previewed, done and undone; every export equal to the command line's; a restore and its
// undo; the check's grouped findings and their mending; the banner while a real trainer holds
// the folder; and the window opened on a file the way a desktop opens it.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTranslator>
#include <QTreeWidget>
#include <functional>
#include <iostream>

#include "store/File.h"
#include "store/FolderLock.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "store/WordListImage.h"
#include "tests/support/FaultSweep.h"
#include "tests/support/History.h"
#include "tests/support/PrintedPages.h"
#include "tests/support/ScriptedAsker.h"
#include "tests/support/ToolRun.h"
#include "tool/Words.h"
#include "tool/backup/Archive.h"
#include "tool/backup/Recovery.h"
#include "tool/backup/Snapshots.h"
#include "tool/formats/Formats.h"
#include "window/Asker.h"
#include "window/BackupsPage.h"
#include "window/CheckPage.h"
#include "window/ExportPage.h"
#include "window/ImportPage.h"
#include "window/Operations.h"
#include "window/ProgressPage.h"
#include "window/Start.h"
#include "window/Window.h"

// Texts read as text in the failure messages.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using Pairs = std::vector<tool::Pair>;

class WordsWindowTest : public DataFolderTest {
  protected:
    WordsWindowTest() {
        EXPECT_TRUE(dir_.isValid());
        // The window's own settings (its size, the backups saved) stay in the test's folder.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("config"));
    }
    ~WordsWindowTest() override { asker.verifyAllShown(); }

    // Settings as the program writes them, and language 1's lists holding these pairs.
    void givenLists(const std::vector<tool::WordList>& lists) {
        QDir().mkpath(data());
        writeSettings("Engelska");
        store::WordListImage image;
        for (std::size_t i = 0; i < lists.size(); ++i) {
            tool::writeList(image, static_cast<int>(i) + 1, lists[i]);
        }
        writeFile(data() + "/bu1.dat", bytesOf(image.bytes()));
    }

    // The data files alone (snapshots left out), with their bytes.
    tool::FileSet dataFiles() const { return tool::readDataFiles(data()); }
    // Language 1's words, bu1.dat, as the program reads them.
    store::WordListImage words() const {
        return store::WordListImage::load(dataFile("bu1.dat").toStdString());
    }

    // The data files: `changed` holding `bytes`, every other one byte for byte as in `before`.
    void expectDataFilesBut(const tool::FileSet& before, const QString& changed,
                            const QByteArray& bytes) const {
        const tool::FileSet now = dataFiles();
        EXPECT_EQ(tool::namesOf(now), tool::namesOf(before));
        for (const auto& [name, kept] : now) {
            EXPECT_EQ(kept, name == changed ? bytes : before.at(name)) << name.toStdString();
        }
    }

    // bu2.dat: the second language's list 1 holding these pairs.
    void givenLanguage2(const Pairs& pairs) {
        store::WordListImage image;
        for (const auto& [swedish, other] : pairs) {
            image.append(1, tool::toStore(swedish), tool::toStore(other));
        }
        writeFile(dataFile("bu2.dat"), bytesOf(image.bytes()));
    }

    // The window's texts in Swedish, as on a Swedish desktop.
    static void inSwedish() {
        QLocale::setDefault(QLocale(QLocale::Swedish));
        window::installTranslations();
    }

    window::Window& open() {
        window_ = std::make_unique<window::Window>(data(), asker);
        window_->show();
        QApplication::processEvents();  // the page on show is read
        return *window_;
    }

    static void click(QAbstractButton* button) {
        ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static QStringList row(const QTableWidget* table, int r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            cells += table->item(r, c) ? table->item(r, c)->text() : QString();
        }
        return cells;
    }

    ScriptedAsker asker;

  private:
    std::unique_ptr<window::Window> window_;
};

const Pairs kAnimals = {{"mus", "mouse"}, {"uggla", "owl"}};

// One pair, the Swedish word second.
const char* const kOneKvtmlPair =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><identifiers>"
    "<identifier id=\"0\"><name>Engelska</name></identifier><identifier id=\"1\"><name>"
    "Svenska</name></identifier></identifiers><entries><entry id=\"0\"><translation "
    "id=\"0\"><text>dog</text></translation><translation id=\"1\"><text>hund</text>"
    "</translation></entry></entries></kvtml>\n";

// A fresh folder and one with words: the preview says exactly what the import does, the
// import does it, and "Ångra" leaves the data files byte for byte as they were (none, when
// there were none).
TEST_F(WordsWindowTest, ImportPreviewedDoneAndUndone) {
    for (const bool fresh : {true, false}) {
        SCOPED_TRACE(fresh ? "a fresh folder" : "a folder with words");
        QDir(data()).removeRecursively();
        if (!fresh) {
            givenLists({{"Djur", kAnimals}});
        }
        const auto before = dataFiles();
        writeFile(file("glosor v12.csv"),
                  "Svenska,Engelska\nhäst,horse\n ko , cow\nfår,\nfisk,fish\n");
        window::Window& w = open();
        w.openFile(file("glosor v12.csv"));
        window::ImportPage& page = w.importPage();
        EXPECT_TRUE(w.tabs->currentWidget()->isAncestorOf(&page));
        EXPECT_TRUE(page.detected->text().contains("CSV")) << page.detected->text().toStdString();
        EXPECT_TRUE(page.detected->text().contains("Rubrikrad: ja"));
        // A new list named after the file, never appended to the list with words.
        const int list = fresh ? 1 : 2;
        ASSERT_EQ(page.targets->rowCount(), 1);
        EXPECT_EQ(row(page.targets, 0),
                  (QStringList{QString::number(list), "glosor v12", "3", "3"}));
        // The pairs as they will be stored, the row that is no pair struck through.
        ASSERT_EQ(page.pairs->rowCount(), 4);
        EXPECT_EQ(row(page.pairs, 1), (QStringList{"ko", "cow", ""}));
        EXPECT_EQ(row(page.pairs, 2).mid(0, 2), (QStringList{"får", ""}));
        EXPECT_TRUE(page.pairs->item(2, 0)->font().strikeOut());
        EXPECT_FALSE(page.pairs->item(1, 0)->font().strikeOut());
        EXPECT_EQ(page.pairs->horizontalHeaderItem(1)->text(), "Engelska");
        // A row with an empty side stops the import until such rows may be left out.
        ASSERT_EQ(page.notes->rowCount(), 1);
        EXPECT_EQ(row(page.notes, 0).mid(0, 2), (QStringList{"4", "stoppar"}));
        EXPECT_FALSE(page.importButton->isEnabled());
        page.skipBadRows->setChecked(true);
        ASSERT_EQ(page.notes->rowCount(), 1);
        EXPECT_EQ(row(page.notes, 0).mid(0, 2), (QStringList{"4", "lämnas utanför"}));
        EXPECT_EQ(dataFiles(), before) << "a preview writes nothing";

        click(page.importButton);
        EXPECT_TRUE(page.result->text().contains("3 par tillagda"))
            << page.result->text().toStdString();
        const store::WordListImage image = words();
        ASSERT_EQ(image.count(list), 3);
        EXPECT_EQ(tool::readList(image, list).pairs.back().other, "fish");
        EXPECT_EQ(tool::readList(image, list).pairs[1].swedish, "ko");
        // A second press imports nothing again.
        const auto imported = dataFiles();
        click(page.importButton);
        EXPECT_TRUE(page.result->text().contains("importerades nyss"));
        EXPECT_EQ(dataFiles(), imported);

        click(page.undoButton);
        EXPECT_EQ(dataFiles(), before);
        EXPECT_FALSE(page.undoButton->isEnabled());
    }
}

// "Ångra" keeps what was there: here only another language's words, already in the newest
// snapshot, so that the import takes none of its own.
TEST_F(WordsWindowTest, UndoKeepsAnotherLanguagesWordsAlreadyInASnapshot) {
    QDir().mkpath(data());
    givenLanguage2({{"hus", "maison"}});
    ASSERT_FALSE(tool::takeSnapshot(data()).isEmpty());
    const auto before = dataFiles();
    writeFile(file("ord.csv"), "katt,cat\n");
    window::Window& w = open();
    w.openFile(file("ord.csv"));
    click(w.importPage().importButton);
    EXPECT_TRUE(QFile::exists(data() + "/bu1.dat"));
    click(w.importPage().undoButton);
    EXPECT_EQ(dataFiles(), before);
}

// "Importera" carries out the plan the preview showed, and only on the words it was made on: a
// list changed in between (by the trainer, say) refuses it, writes nothing, and the preview is
// made again on the words as they are.
TEST_F(WordsWindowTest, ImportRefusedWhenTheWordsChangedSinceThePreview) {
    givenLists({{"Djur", kAnimals}});
    writeFile(file("ord.csv"), "häst,horse\n");
    window::Window& w = open();
    w.openFile(file("ord.csv"));
    window::ImportPage& page = w.importPage();
    choose(page.language, 0);   // the file names none: the user chooses
    choose(page.firstList, 1);  // appended to list 1, as the user chooses
    EXPECT_EQ(row(page.targets, 0), (QStringList{"1", "Djur", "1", "3"}));
    givenLists({{"Mat", {{"ost", "cheese"}}}});
    const auto changed = dataFiles();
    asker.expect(ScriptedAsker::Error);
    click(page.importButton);
    EXPECT_TRUE(asker.texts.value(0).startsWith("Ingenting importerades"))
        << asker.texts.value(0).toStdString();
    EXPECT_EQ(dataFiles(), changed);
    EXPECT_FALSE(page.undoButton->isEnabled());
    EXPECT_EQ(row(page.targets, 0), (QStringList{"1", "Mat", "1", "2"}));
    click(page.importButton);
    EXPECT_EQ(words().count(1), 2);
}

// What the preview says was read from a file, and what it makes of it.
TEST_F(WordsWindowTest, DetectsWhatTheFileIs) {
    givenLists({{"Djur", kAnimals}});
    struct Case {
        const char* name;
        QByteArray contents;
        tool::Format format;
        const char* encoding;
        const char* separator;
        bool header;
        int swedishColumn;
        bool whole;  // the plan can be carried out
    };
    const Case cases[] = {
        {"a.csv", "Engelska,Svenska\ndog,hund\n", tool::Format::Csv, "UTF-8", "komma", true, 2,
         true},
        {"a.txt", "#separator:semicolon\n#columns:Svenska;Engelska\nhund;dog\n", tool::Format::Anki,
         "UTF-8", "semikolon", false, 1, true},
        {"b.txt", "h\xc3\xa4st\thorse\n", tool::Format::Anki, "UTF-8", "tabb", false, 1, true},
        {"c.csv", "\xef\xbb\xbfko,cow\n", tool::Format::Csv, "UTF-8 med BOM", "komma", false, 1,
         true},
        {"ord", kOneKvtmlPair, tool::Format::Kvtml, "UTF-8", "", false, 2, true},
        {"d.csv", "Svenska,Engelska\nh\xe4st,horse\n", tool::Format::Csv, "Windows-1252", "komma",
         true, 1, true},
    };
    window::Operations operations(data());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(file(c.name), c.contents);
        window::ImportChoice choice;
        choice.path = file(c.name);
        const window::ImportPreview preview = operations.previewImport(choice);
        ASSERT_TRUE(preview.detected.has_value());
        const window::Detected& d = *preview.detected;
        EXPECT_EQ(d.format, c.format);
        EXPECT_EQ(d.encoding, c.encoding);
        EXPECT_EQ(d.separator, c.separator);
        EXPECT_EQ(d.header, c.header);
        EXPECT_EQ(d.swedishColumn, c.swedishColumn);
        EXPECT_EQ(preview.whole(), c.whole) << preview.problem.toStdString();
    }
    // A file of no pairs: nothing to show, nothing to carry out.
    writeFile(file("tom.kvtml"), "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"></kvtml>\n");
    window::ImportChoice empty;
    empty.path = file("tom.kvtml");
    const window::ImportPreview none = operations.previewImport(empty);
    EXPECT_FALSE(none.detected.has_value());
    EXPECT_FALSE(none.whole());
    EXPECT_FALSE(none.problem.isEmpty());
    EXPECT_THROW(operations.import(none), window::Failure);

    // The encoding chosen is the one read: UTF-8 bytes as Windows-1252, and Windows-1252
    // bytes refused as UTF-8, naming the line.
    window::ImportChoice choice;
    choice.path = file("b.txt");
    choice.encoding = QStringLiteral("Windows-1252");
    const window::ImportPreview asked = operations.previewImport(choice);
    ASSERT_TRUE(asked.detected.has_value());
    EXPECT_EQ(asked.detected->encoding, "Windows-1252");
    choice.path = file("d.csv");
    choice.encoding = QStringLiteral("UTF-8");
    const window::ImportPreview wrong = operations.previewImport(choice);
    EXPECT_FALSE(wrong.whole());
    EXPECT_TRUE(wrong.problem.contains("2")) << wrong.problem.toStdString();
    EXPECT_TRUE(wrong.problem.contains("UTF-8")) << wrong.problem.toStdString();
    choice.encoding.reset();
    operations.import(operations.previewImport(choice));
    const store::WordListImage image = words();
    EXPECT_EQ(tool::readList(image, 2).name, "d");  // a new list named after the file
    EXPECT_EQ(tool::readList(image, 2).pairs.back().swedish, "häst");
}

// "Importera" only for a whole plan: a word too long refuses until it may be cut; a word
// Windows-1252 cannot hold refuses until such pairs may be left out, and so does a row that is
// no pair; a file of no pairs never.
TEST_F(WordsWindowTest, ImportOnlyWhenThePlanIsWhole) {
    givenLists({{"Djur", kAnimals}});
    struct Case {
        const char* contents;
        QCheckBox* window::ImportPage::*option;
        int added;  // after the option is checked; -1: never
    };
    const Case cases[] = {
        {"katt\tcat\nen mycket mycket mycket lång mening\tx\n", &window::ImportPage::cut, 2},
        {"katt\tcat\nsnö\t雪\n", &window::ImportPage::skip, 1},
        {"katt\tcat\nhund\t\n", &window::ImportPage::skipBadRows, 1},
        {"\n\n", &window::ImportPage::cut, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contents);
        writeFile(file("ord.txt"), c.contents);
        window::Window& w = open();
        w.openFile(file("ord.txt"));
        window::ImportPage& page = w.importPage();
        EXPECT_FALSE(page.importButton->isEnabled());
        EXPECT_FALSE(page.problem->text().isEmpty());
        (page.*c.option)->setChecked(true);
        EXPECT_EQ(page.importButton->isEnabled(), c.added >= 0);
        if (c.added >= 0) {
            ASSERT_EQ(page.targets->rowCount(), 1);
            EXPECT_EQ(page.targets->item(0, 2)->text(), QString::number(c.added));
        }
    }
}

// The separator and the header row as the user says, over what the file seems to be: each
// choice changes the preview, and a file whose separator cannot be told becomes importable.
TEST_F(WordsWindowTest, SeparatorAndHeaderChosenChangeThePreview) {
    givenLists({{"Djur", kAnimals}});
    enum { AsTheFile, Tab, Comma, Semicolon };  // the entries of the separator box
    enum { HeaderAsTheFile, HeaderYes, HeaderNo };
    struct Case {
        const char* contents;
        int separator;
        int header;
        bool skipBadRows;
        int added;          // -1: nothing may be imported
        const char* shown;  // part of what the page says was read; "" for nothing read
    };
    const char* const semicolons = "Svenska;Engelska\nhund;dog\nkatt;cat\n";
    const char* const both = "hund;dog,cat\nkatt;cat,kitten\n";
    const char* const oneField = "katt\tcat\nhund\n";
    const Case cases[] = {
        {semicolons, AsTheFile, HeaderAsTheFile, false, 2, "Avgränsare: semikolon. Rubrikrad: ja."},
        {semicolons, AsTheFile, HeaderNo, false, 3, "Rubrikrad: nej."},
        {semicolons, Semicolon, HeaderYes, false, 2, "Rubrikrad: ja."},
        {semicolons, Comma, HeaderAsTheFile, false, -1, "Avgränsare: komma."},
        {both, AsTheFile, HeaderAsTheFile, false, -1, ""},
        {both, Semicolon, HeaderAsTheFile, false, 2, "Avgränsare: semikolon."},
        {both, Comma, HeaderAsTheFile, false, 2, "Avgränsare: komma."},
        {both, Comma, HeaderYes, false, 1, "Rubrikrad: ja."},
        {oneField, AsTheFile, HeaderAsTheFile, true, 1, "Avgränsare: tabb."},
        {oneField, Tab, HeaderAsTheFile, false, -1, "Avgränsare: tabb."},
        {oneField, Tab, HeaderAsTheFile, true, 1, "Avgränsare: tabb."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.contents << " separator " << c.separator << " header "
                                        << c.header << (c.skipBadRows ? " skipping" : ""));
        writeFile(file("ord.csv"), c.contents);
        window::Window& w = open();
        window::ImportPage& page = w.importPage();
        page.skipBadRows->setChecked(c.skipBadRows);
        choose(page.separator, c.separator);
        choose(page.header, c.header);
        w.openFile(file("ord.csv"));
        EXPECT_TRUE(page.detected->text().contains(c.shown)) << page.detected->text().toStdString();
        EXPECT_EQ(page.detected->text().isEmpty(), QString(c.shown).isEmpty());
        EXPECT_EQ(page.importButton->isEnabled(), c.added >= 0)
            << page.problem->text().toStdString();
        EXPECT_EQ(page.problem->text().isEmpty(), c.added >= 0);
        if (c.added >= 0) {
            ASSERT_EQ(page.targets->rowCount(), 1);
            EXPECT_EQ(page.targets->item(0, 2)->text(), QString::number(c.added));
        }
        EXPECT_TRUE(page.separator->isEnabled());
    }
    // A KVTML file has no separator, no header row, and says its own encoding.
    writeFile(file("ord.kvtml"), kOneKvtmlPair);
    window::Window& w = open();
    w.openFile(file("ord.kvtml"));
    for (const QComboBox* box :
         {w.importPage().separator, w.importPage().header, w.importPage().encoding}) {
        EXPECT_FALSE(box->isEnabled());
    }
}

// Each format, for all lists and for one, byte for byte what `ordlykta export` writes.
TEST_F(WordsWindowTest, ExportEqualsTheCommandLine) {
    givenLists({{"Djur", kAnimals}, {"Mat", {{"bröd", "bread"}, {"ost", "cheese"}}}});
    struct Case {
        int format;  // the entry of the format box
        QStringList options;
        bool askOther;
        const char* suggested;
    };
    const Case cases[] = {
        {0, {"--format", "kvtml"}, false, "engelska.kvtml"},
        {1, {"--format", "anki"}, false, "engelska.txt"},
        {2, {"--format", "csv"}, false, "engelska.csv"},
        {3, {"--format", "html"}, false, "engelska.html"},
        {4, {"--format", "html", "--exam"}, false, "engelska-prov.html"},
        {4, {"--format", "html", "--exam", "--ask", "other"}, true, "engelska-prov.html"},
    };
    window::Window& w = open();
    window::ExportPage& page = w.exportPage();
    w.showPage("export");
    for (const Case& c : cases) {
        for (const int list : {0, 2}) {
            SCOPED_TRACE(c.options.join(' ').toStdString() + " list " + std::to_string(list));
            choose(page.format, c.format);
            choose(page.list, list);
            (c.askOther ? page.askOther : page.askSwedish)->setChecked(true);
            const QString path = file("export");
            asker.expect(ScriptedAsker::SaveFile, path);
            click(page.save);
            // The status line says where the file went, with the way to its folder.
            EXPECT_EQ(page.saved->text(),
                      "Sparad som export i mappen " + QDir::toNativeSeparators(dir_.path()) + ".");
            EXPECT_FALSE(page.openFolder->isHidden());
            QStringList arguments{"export", "--data", data(), "--language", "1"};
            if (list > 0) {
                arguments += {"--list", "Mat"};
                EXPECT_EQ(asker.lastSuggested,
                          QString(c.suggested).replace("engelska", "engelska-mat"));
            } else {
                EXPECT_EQ(asker.lastSuggested, c.suggested);
            }
            const ToolResult expected = runTool(arguments + c.options);
            ASSERT_EQ(expected.status, 0) << expected.err;
            EXPECT_EQ(readFile(path).toStdString(), expected.out);
        }
    }
}

// The formats as the format table names them, in Swedish: what the import page reads and
// its file dialog's suffixes, and what the export page offers with each one's file filter.
TEST_F(WordsWindowTest, FormatsNamedAsTheTableSays) {
    givenLists({{"Djur", kAnimals}});
    // The tool's Swedish, for this test only: the tests after it read the tool's own words.
    struct Swedish : QTranslator {
        Swedish() {
            EXPECT_TRUE(
                load("ordlykta_tool_sv", QCoreApplication::applicationDirPath() + "/../tool"));
            QCoreApplication::installTranslator(this);
        }
        ~Swedish() override { QCoreApplication::removeTranslator(this); }
    } swedish;
    const auto items = [](const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i) {
            texts += box->itemText(i);
        }
        return texts;
    };
    window::Window& w = open();
    window::ImportPage& import = w.importPage();
    EXPECT_EQ(items(import.format).mid(1),
              (QStringList{"KVTML (KWordQuiz, Parley)", "Anki-text", "CSV (kalkylblad)"}));
    asker.expect(ScriptedAsker::OpenFile);
    click(import.choose);
    EXPECT_EQ(asker.lastFilter, "Ordlistor (*.kvtml *.txt *.tsv *.csv);;Alla filer (*)");

    window::ExportPage& page = w.exportPage();
    w.showPage("export");
    const std::pair<const char*, const char*> offered[] = {
        {"KVTML (KWordQuiz, Parley)", "KVTML (*.kvtml)"},
        {"Anki-text", "Anki-text (*.txt)"},
        {"CSV (kalkylblad)", "CSV (*.csv)"},
        {"Lista att skriva ut", "Webbsida (*.html)"},
        {"Prov", "Webbsida (*.html)"},
    };
    ASSERT_EQ(page.format->count(), static_cast<int>(std::size(offered)));
    for (int i = 0; i < page.format->count(); ++i) {
        EXPECT_EQ(page.format->itemText(i), offered[i].first);
        choose(page.format, i);
        asker.expect(ScriptedAsker::SaveFile);  // cancelled
        click(page.save);
        EXPECT_EQ(asker.lastFilter, offered[i].second);
    }
}

// The printed list and the exam sheet go to the print dialog, or its preview, as the page
// that `export --format html` writes; other formats cannot be printed.
TEST_F(WordsWindowTest, PrintsTheListAndTheExamSheet) {
    givenLists({{"Djur", kAnimals}});
    window::Window& w = open();
    window::ExportPage& page = w.exportPage();
    w.showPage("export");
    choose(page.format, 0);
    EXPECT_FALSE(page.print->isEnabled());
    EXPECT_FALSE(page.exam->isEnabled());
    choose(page.format, 4);
    EXPECT_TRUE(page.exam->isEnabled());
    page.shuffle->setChecked(true);
    asker.expect(ScriptedAsker::Print);
    click(page.preview);
    EXPECT_TRUE(asker.lastPreview);
    EXPECT_TRUE(asker.lastPrinted.contains("Resultat: ___ av 2"));
    EXPECT_TRUE(asker.lastPrinted.contains("<thead>"));
    EXPECT_FALSE(asker.lastPrinted.contains("dog"));
    // What the print dialog prints: Qt's text document of that page, its table's head
    // repeated on every page.
    QTextDocument document;
    document.setHtml(asker.lastPrinted);
    QTextTable* table = nullptr;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        table = table ? table : qobject_cast<QTextTable*>(frame);
    }
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->format().headerRowCount(), 1);
    EXPECT_EQ(table->rows(), 3);
    asker.expect(ScriptedAsker::Print);
    click(page.print);
    EXPECT_FALSE(asker.lastPreview);
}

// The exam sheet printed for real, to a PDF file as the print dialog's "Print to file" does, and
// read back page by page by poppler's pdftotext: the head with both columns' names on every
// page, the score line on the first, and the rows numbered 1 to 98 in order across the pages.
TEST_F(WordsWindowTest, PrintedExamRepeatsItsHeadOnEveryPage) {
    if (!canReadPdf()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    tool::WordList list{"Djur", {}};
    for (int p = 1; p <= 98; ++p) {
        list.pairs.push_back({QStringLiteral("ord%1").arg(p), QStringLiteral("word%1").arg(p)});
    }
    const QByteArray html = tool::writeHtml({"Engelska", {list}}, {true, false, {}});
    const QStringList pages = printedPages(QString::fromUtf8(html), file("prov.pdf"));
    ASSERT_GE(pages.size(), 2) << "98 rows fill more than one page";
    EXPECT_TRUE(pages.first().contains("Resultat: ___ av 98"));
    static const QRegularExpression row(QStringLiteral("^\\s*(\\d+)\\s+ord(\\d+)\\s*$"),
                                        QRegularExpression::MultilineOption);
    int last = 0;
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains("Svenska") && page.contains("Engelska")) << page.toStdString();
        for (const QRegularExpressionMatch& m : row.globalMatch(page)) {
            EXPECT_EQ(m.captured(1).toInt(), last + 1);
            EXPECT_EQ(m.captured(2).toInt(), last + 1);
            last = m.captured(1).toInt();
        }
    }
    EXPECT_EQ(last, 98);
}

// A restore from a file says what it will change, changes it, and "Ångra" brings the files
// back byte for byte; a snapshot row restores the same way.
TEST_F(WordsWindowTest, RestoreAndItsUndo) {
    givenLists({{"Djur", kAnimals}});
    const auto old = dataFiles();
    tool::FileSet archive;
    for (const auto& [name, bytes] : old) {
        archive[name] = bytes;
    }
    writeFile(file("kopia.tar.gz"), tool::packArchive(archive));
    givenLists({{"Djur", {{"hund", "dog"}}}, {"Mat", {{"ost", "cheese"}}}});
    const auto now = dataFiles();

    window::Window& w = open();
    window::BackupsPage& page = w.backupsPage();
    w.showPage("backups");
    EXPECT_EQ(page.table->rowCount(), 0);
    asker.expect(ScriptedAsker::OpenFile, file("kopia.tar.gz"));
    asker.expect(ScriptedAsker::Confirm, "yes");
    click(page.restoreFile);
    EXPECT_TRUE(asker.texts.last().contains("Det här ändras: bu1.dat."))
        << asker.texts.last().toStdString();
    EXPECT_EQ(dataFiles(), old);
    ASSERT_EQ(page.table->rowCount(), 1) << "the files as they were are kept first";
    // A snapshot says why it was taken (in the tool's words; English without its catalogue).
    EXPECT_EQ(page.table->item(0, 1)->text(), "ögonblicksbild, before restore");
    EXPECT_EQ(page.table->item(0, 2)->text(), "bu1.dat");

    click(page.undoButton);
    EXPECT_EQ(dataFiles(), now);
    ASSERT_EQ(page.table->rowCount(), 2) << "the restored files are kept before the undo";
    EXPECT_EQ(page.table->item(0, 2)->text(), "bu1.dat");
    EXPECT_EQ(page.table->item(1, 2)->text(), "inga: samma som nu");

    // The same archive once more, refused at the question: nothing changes.
    asker.expect(ScriptedAsker::OpenFile, file("kopia.tar.gz"));
    asker.expect(ScriptedAsker::Confirm, "no");
    click(page.restoreFile);
    EXPECT_EQ(dataFiles(), now);

    // A damaged archive is refused with its reason, and nothing changes: one that is no
    // archive, and a backup cut short.
    const QByteArray backup = tool::packArchive(archive);
    for (const auto& [damaged, reason] : std::vector<std::pair<QByteArray, QString>>{
             {"not a backup", "trasig.tar.gz"}, {backup.left(backup.size() - 9), "cut short"}}) {
        writeFile(file("trasig.tar.gz"), damaged);
        asker.expect(ScriptedAsker::OpenFile, file("trasig.tar.gz"));
        asker.expect(ScriptedAsker::Error);
        click(page.restoreFile);
        EXPECT_TRUE(asker.texts.last().startsWith("Det går inte att återställa från"));
        EXPECT_TRUE(asker.texts.last().contains(reason)) << asker.texts.last().toStdString();
        EXPECT_EQ(dataFiles(), now);
    }

    // A backup saved here is a row of its own, and restores as a snapshot does.
    asker.expect(ScriptedAsker::SaveFile, file("min kopia.tar.gz"));
    click(page.saveBackup);
    EXPECT_TRUE(asker.lastSuggested.startsWith("ordlykta-"));
    givenLists({{"Djur", kAnimals}});
    page.reload();
    ASSERT_EQ(page.table->rowCount(), 3);
    int saved = 0;
    while (saved < 2 && page.table->item(saved, 1)->text() != "säkerhetskopia") {
        ++saved;
    }
    EXPECT_EQ(page.table->item(saved, 1)->text(), "säkerhetskopia");
    EXPECT_EQ(page.table->item(saved, 2)->text(), "bu1.dat");
    page.table->selectRow(saved);
    asker.expect(ScriptedAsker::Confirm, "yes");
    click(page.restore);
    EXPECT_EQ(dataFiles(), now);
}

// A restore that brings a word list the folder did not have: "Ångra" takes the files back
// all at once and then removes that list, kept first in a snapshot. Should the removal fail,
// the files it put back stay back and the box says what stayed.
TEST_F(WordsWindowTest, UndoRemovesTheListARestoreBrought) {
    for (const bool removalFails : {false, true}) {
        SCOPED_TRACE(removalFails ? "the removal fails" : "all goes well");
        QDir(data()).removeRecursively();
        givenLists({{"Djur", kAnimals}});
        tool::FileSet archive = dataFiles();
        store::WordListImage german;
        german.append(1, tool::toStore("hund"), tool::toStore("Hund"));
        archive["bu2.dat"] = bytesOf(german.bytes());
        writeFile(file("kopia.tar.gz"), tool::packArchive(archive));
        givenLists({{"Mat", {{"ost", "cheese"}}}});
        const auto before = dataFiles();

        window::Operations operations(data());
        const window::Undo undo = operations.restore(file("kopia.tar.gz"));
        ASSERT_EQ(dataFiles().size(), 3u);
        if (removalFails) {
            store::setFaultHook([](store::FileOp op, const std::string& path) {
                return op == store::FileOp::Remove && path.ends_with("/bu2.dat") ? EIO : 0;
            });
        }
        try {
            operations.undo(undo);
            EXPECT_FALSE(removalFails);
        } catch (const window::Failure& e) {
            EXPECT_TRUE(removalFails);
            EXPECT_EQ(e.message(), "bu2.dat cannot be removed: I/O error 5");
        }
        store::setFaultHook({});
        auto expected = before;
        if (removalFails) {
            expected["bu2.dat"] = archive["bu2.dat"];
        }
        EXPECT_EQ(dataFiles(), expected);
        const QString kept = tool::snapshots(data()).value(0);
        EXPECT_EQ(tool::unpackArchive(kept).count("bu2.dat"), 1u) << "the list removed is kept";
    }
}

// A restore that fails at any one file operation leaves every data file as it was, or (failing
// once every new file is written and the renames are on the disk) has the next holder of the
// folder finish it: never a mix of old and new files.
TEST_F(WordsWindowTest, RestoreFailingAnywhereLeavesTheOldFilesOrTheNew) {
    givenLists({{"Djur", kAnimals}});
    const auto restored = dataFiles();
    tool::FileSet archive(restored.begin(), restored.end());
    writeFile(file("kopia.tar.gz"), tool::packArchive(archive));
    const auto given = [&] {
        QDir(data()).removeRecursively();
        givenLists({{"Mat", {{"ost", "cheese"}}}});
        store::Settings settings = store::defaultSettings();
        settings.names[1] = "Tyska";
        writeFile(data() + "/agen.dat", bytesOf(store::encode(settings)));
    };
    given();
    const auto old = dataFiles();
    ASSERT_EQ(old.size(), 2u);
    ASSERT_NE(old.at("agen.dat"), restored.at("agen.dat"));
    ASSERT_NE(old.at("bu1.dat"), restored.at("bu1.dat"));

    const sweep::Action restore = [&] {
        try {
            window::Operations(data()).restore(file("kopia.tar.gz"));
            return true;
        } catch (const window::Failure& e) {
            EXPECT_TRUE(e.message().contains("I/O error")) << e.message().toStdString();
            return false;
        }
    };
    const std::vector<store::FileOp> ops = sweep::operationsOf(restore);
    ASSERT_EQ(dataFiles(), restored);

    int keptOld = 0;
    const auto check = [&](sweep::Outcome outcome, const std::string& what) {
        SCOPED_TRACE(what);
        const bool failed = outcome == sweep::Outcome::Failed;
        const auto now = dataFiles();
        const bool intentLeft = QFile::exists(data() + "/.ordlykta.intent");
        if (!intentLeft) {
            EXPECT_TRUE(now == old || now == restored) << "never a mix";
        }
        EXPECT_TRUE(failed || now == restored);
        keptOld += failed && now == old;
        {
            const store::FolderLock next(data().toStdString());
            tool::recoverDataFolder(data());
        }
        const auto after = dataFiles();
        EXPECT_TRUE(after == old || after == restored) << "never a mix";
        if (!intentLeft) {
            EXPECT_EQ(after, now);
        }
        EXPECT_EQ(QDir(data()).entryList(QDir::Files | QDir::Hidden).size(), now.size())
            << "no temporary file stays";
    };
    sweep::run(
        ops,
        [](store::FileOp) {
            return std::vector<sweep::Fault>{{EIO, false, "I/O error"}};
        },
        given, restore, check);
    EXPECT_GT(keptOld * static_cast<int>(sweep::every()), 2);
}

// Findings grouped by file and list, a run of one finding as one row; "Laga" mends the
// spaces and leaves the repeated words, which only the user can judge.
TEST_F(WordsWindowTest, CheckGroupsRunsAndMends) {
    givenLists(
        {{"Djur", {{"hund", "dog"}, {"hund", "hound"}, {"hund", "doggy"}, {"katt ", "cat"}}}});
    // List 3 counting 5000 pairs: a damaged file, which "Ångra" brings back all the same.
    QByteArray bytes = readFile(dataFile("bu1.dat"));
    bytes.replace(3 * store::kSlotsPerList * store::kRecordSize, 4,
                  QByteArray::fromHex("88130000"));
    writeFile(dataFile("bu1.dat"), bytes);
    const auto before = dataFiles();
    inSwedish();
    window::Window& w = open();
    window::CheckPage& page = w.checkPage();
    EXPECT_EQ(page.tree->topLevelItemCount(), 0) << "a page reads the folder when shown";
    w.showPage("check");
    // Each list's rows, "Vad | Lagas"; the list's own header first.
    const auto listed = [&] {
        std::map<QString, QStringList> lists;
        for (int f = 0; f < page.tree->topLevelItemCount(); ++f) {
            QTreeWidgetItem* file = page.tree->topLevelItem(f);
            for (int l = 0; l < file->childCount(); ++l) {
                QTreeWidgetItem* list = file->child(l);
                QStringList& rows = lists[file->text(0) + " " + list->text(0)];
                for (int i = 0; i < list->childCount(); ++i) {
                    rows += list->child(i)->text(1) + " | " + list->child(i)->text(2);
                }
            }
        }
        return lists;
    };
    const QString spaces =
        "börjar eller slutar med ett mellanslag, så att ett rätt svar räknas som fel";
    // In list 3 the empty slots past 99 read as pairs: the run of one finding is one row
    // even where another finding comes between its pairs.
    EXPECT_EQ(listed(),
              (std::map<QString, QStringList>{{"bu1.dat lista 1",
                                               {"par 2–3: samma svenska ord som par 1 | nej",
                                                "par 4: det svenska ordet " + spaces + " | ja"}},
                                              {"bu1.dat lista 3",
                                               {"listan räknar 5000 par, utanför 0 till 99 | ja",
                                                "par 1–99: det andra ordet " + spaces + " | ja",
                                                "par 2–99: samma svenska ord som par 1 | nej"}}}));
    asker.expect(ScriptedAsker::Confirm, "yes");
    click(page.mend);
    const store::WordListImage image = words();
    EXPECT_EQ(tool::readList(image, 1).pairs[3].swedish, "katt");
    EXPECT_EQ(image.count(3), 99) << "as the program reads it";
    EXPECT_EQ(listed(), (std::map<QString, QStringList>{
                            {"bu1.dat lista 1", {"par 2–3: samma svenska ord som par 1 | nej"}},
                            {"bu1.dat lista 3", {"par 2–99: samma svenska ord som par 1 | nej"}}}));
    EXPECT_FALSE(page.mend->isEnabled());
    click(page.undoButton);
    EXPECT_EQ(dataFiles(), before);
    EXPECT_TRUE(page.mend->isEnabled());
}

// A file of the wrong size cannot be mended: its row names the newest snapshot with a sound
// copy of it, at the time the backups page shows for that snapshot, and none when there is none.
TEST_F(WordsWindowTest, CheckNamesTheSnapshotWithASoundCopy) {
    inSwedish();
    for (const bool kept : {true, false}) {
        SCOPED_TRACE(kept ? "a snapshot holds a sound copy" : "none does");
        QDir(data()).removeRecursively();
        givenLists({{"Djur", kAnimals}});
        const QString sound = kept ? tool::takeSnapshot(data()) : QString();
        const QByteArray whole = readFile(data() + "/bu1.dat");
        givenLanguage2({{"hus", "Haus"}});  // another language's words, newer than the sound copy
        cutLastRecord(dataFile("bu1.dat"));
        tool::takeSnapshot(data());  // newer, and of the damaged file
        window::Window& w = open();
        w.showPage("check");
        QTreeWidget* tree = w.checkPage().tree;
        ASSERT_EQ(tree->topLevelItemCount(), 1);
        ASSERT_EQ(tree->topLevelItem(0)->childCount(), 1);
        const QTreeWidgetItem* row = tree->topLevelItem(0)->child(0);
        EXPECT_EQ(tree->topLevelItem(0)->text(0), "bu1.dat");
        EXPECT_EQ(row->text(2), "nej");
        EXPECT_EQ(row->toolTip(1), sound);
        const QString found = "679932 byte i stället för 680000";
        if (!kept) {
            EXPECT_EQ(row->text(1), found);
            continue;
        }
        w.showPage("backups");
        const QTableWidget* table = w.backupsPage().table;
        ASSERT_EQ(table->rowCount(), 2);
        const int r = table->item(0, 0)->toolTip() == sound ? 0 : 1;
        ASSERT_EQ(table->item(r, 0)->toolTip(), sound);
        EXPECT_EQ(row->text(1), found + "; en hel kopia finns i ögonblicksbilden från " +
                                    table->item(r, 0)->text() + " (Säkerhetskopior)");

        // "Återställ" brings back the damaged file alone; the others stay byte for byte.
        w.showPage("check");
        const auto before = dataFiles();
        asker.expect(ScriptedAsker::Confirm, "yes");
        click(w.checkPage().restoreDamaged);
        EXPECT_TRUE(asker.texts.last().contains("bara bu1.dat"))
            << asker.texts.last().toStdString();
        expectDataFilesBut(before, "bu1.dat", whole);
        EXPECT_EQ(w.checkPage().tree->topLevelItemCount(), 0) << "read again: nothing wrong";
    }
}

// On the backups page a snapshot restores one file alone, as `restore --only` does: the damaged
// one, offered first when Kontroll names that snapshot, or any other that differs; every other
// data file stays byte for byte, and "Ångra" gives back the files as they were. Each row says
// why its snapshot was taken.
TEST_F(WordsWindowTest, RestoresOneFileFromTheBackupsPage) {
    inSwedish();
    givenLists({{"Djur", kAnimals}});
    // Another language's words, one more added after the snapshot.
    givenLanguage2({{"hus", "Haus"}});
    const QString sound = tool::takeSnapshot(data(), tool::reasonBeforeImport("glosor v12.csv"));
    const auto kept = dataFiles();
    givenLanguage2({{"hus", "Haus"}, {"bil", "Auto"}});
    cutLastRecord(dataFile("bu1.dat"));
    tool::takeSnapshot(data(), tool::reasonAtStart());
    const auto damaged = dataFiles();

    window::Window& w = open();
    w.showPage("backups");
    window::BackupsPage& page = w.backupsPage();
    ASSERT_EQ(page.table->rowCount(), 2);
    EXPECT_EQ(page.table->item(0, 1)->text(), "ögonblicksbild, vid start");
    EXPECT_EQ(page.table->item(1, 1)->text(), "ögonblicksbild, före import av glosor v12.csv");
    ASSERT_EQ(page.table->item(1, 0)->toolTip(), sound);
    const auto items = [&] {
        QStringList texts;
        for (int i = 0; i < page.files->count(); ++i) {
            texts += page.files->itemText(i);
        }
        return texts;
    };
    page.table->selectRow(0);
    EXPECT_EQ(items(), QStringList{"alla som skiljer sig"}) << "the same files as now";
    EXPECT_FALSE(page.files->isEnabled());
    page.table->selectRow(1);
    EXPECT_EQ(items(), (QStringList{"alla som skiljer sig", "bara den skadade filen, bu1.dat",
                                    "bara bu2.dat"}));
    EXPECT_EQ(page.files->currentIndex(), 1) << "Kontroll's advice comes first";

    struct Case {
        int item;
        const char* file;
    };
    for (const Case c : {Case{1, "bu1.dat"}, Case{2, "bu2.dat"}}) {
        SCOPED_TRACE(c.file);
        int r = 0;  // the newest first: the snapshots taken since come before it
        while (r + 1 < page.table->rowCount() && page.table->item(r, 0)->toolTip() != sound) {
            ++r;
        }
        page.table->selectRow(r);
        choose(page.files, c.item);
        asker.expect(ScriptedAsker::Confirm, "yes");
        click(page.restore);
        EXPECT_TRUE(asker.texts.last().startsWith(QString("Återställa bara ") + c.file + " från"))
            << asker.texts.last().toStdString();
        expectDataFilesBut(damaged, c.file, kept.at(c.file));
        // "Ångra" takes back that file alone; a file of the wrong size is never written back.
        if (c.file == QString("bu1.dat")) {
            asker.expect(ScriptedAsker::Error);
        }
        click(page.undoButton);
        if (c.file == QString("bu1.dat")) {
            EXPECT_TRUE(asker.texts.last().contains("bu1.dat har 679932 byte, inte 680000"))
                << asker.texts.last().toStdString();
            writeFile(data() + "/bu1.dat", damaged.at("bu1.dat"));
            page.reload();  // as the window's watch of the files does
        }
        EXPECT_EQ(dataFiles(), damaged);
    }
}

// While the trainer holds the folder every change is refused in the window's own words, an
// import as much as a restore, a repair or an undo, and nothing is written.
TEST_F(WordsWindowTest, ChangesRefusedWhileTheTrainerHoldsTheFolder) {
    givenLists({{"Djur", kAnimals}});
    writeFile(file("kopia.tar.gz"), tool::packArchive(dataFiles()));
    writeFile(file("ord.csv"), "katt,cat\n");
    window::Operations operations(data());
    window::ImportChoice choice;
    choice.path = file("ord.csv");
    const window::ImportPreview preview = operations.previewImport(choice);
    ASSERT_TRUE(preview.whole()) << preview.problem.toStdString();
    const auto before = dataFiles();
    // A lock of its own on the folder, as the trainer's would be.
    const store::FolderLock trainer(data().toStdString());
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"import", [&] { operations.import(preview); }},
        {"restore", [&] { operations.restore(file("kopia.tar.gz")); }},
        {"mend", [&] { operations.mend(); }},
        {"undo", [&] { operations.undo({}); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        try {
            change();
            ADD_FAILURE() << "written while the trainer holds the folder";
        } catch (const window::Failure& e) {
            EXPECT_EQ(e.message(),
                      "Ordlykta är öppet. Stäng det för att importera eller återställa.");
        }
    }
    EXPECT_EQ(dataFiles(), before);
}

// A real trainer holding the folder: the banner shows and every writing button is disabled;
// when the trainer ends the banner goes by itself, within the once-a-second look at the lock.
TEST_F(WordsWindowTest, BannerWhileTheTrainerRuns) {
    givenLists({{"Djur", kAnimals}});
    writeFile(file("ord.csv"), "katt,cat\n");
    window::Window& w = open();
    w.openFile(file("ord.csv"));
    EXPECT_FALSE(w.banner->isVisible());
    ASSERT_TRUE(w.importPage().importButton->isEnabled());

    QProcess trainer;
    trainer.setWorkingDirectory(data());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    trainer.setProcessEnvironment(environment);
    trainer.start(ORDLYKTA_TRAINER, {});
    ASSERT_TRUE(trainer.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.banner->isVisible(); }, 15000));
    EXPECT_EQ(w.banner->text(), "Ordlykta är öppet. Stäng det för att importera eller återställa.");
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             w.importPage().importButton, w.backupsPage().restoreFile, w.checkPage().mend}) {
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    }
    EXPECT_TRUE(w.exportPage().save->isEnabled()) << "reading works while the trainer runs";
    EXPECT_TRUE(w.backupsPage().saveBackup->isEnabled());

    trainer.kill();
    trainer.waitForFinished();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !w.banner->isVisible(); }, 3 * window::Window::kLockCheckMs));
    EXPECT_TRUE(w.importPage().importButton->isEnabled());
}

// Every control of every page has a name a screen reader says, every tab an access key, and
// within a page (with the tabs) no two access keys are the same, so that each page works from
// the keyboard alone.
// In Swedish, and in English as an English locale shows it.
TEST_F(WordsWindowTest, EveryControlNamedAndReachedByItsOwnKey) {
    givenLists({{"Djur", kAnimals}});
    for (const QLocale::Language language : {QLocale::Swedish, QLocale::English}) {
        QLocale::setDefault(QLocale(language));
        window::installTranslations();
        window::Window& w = open();
        EXPECT_EQ(w.tabs->tabText(0), language == QLocale::English ? "&Import" : "&Importera");
        const auto keyOf = [](const QString& text) {
            const qsizetype at = text.indexOf(QRegularExpression("&[^&]"));
            return at < 0 ? QChar() : text.at(at + 1).toLower();
        };
        for (int tab = 0; tab < w.tabs->count(); ++tab) {
            w.tabs->setCurrentIndex(tab);
            QWidget* page = w.tabs->widget(tab);
            SCOPED_TRACE(w.tabs->tabText(tab).toStdString());
            std::map<QChar, QString> keys;
            const auto addKey = [&](const QString& text) {
                const QChar key = keyOf(text);
                if (!key.isNull()) {
                    EXPECT_TRUE(keys.emplace(key, text).second)
                        << text.toStdString() << " and " << keys[key].toStdString();
                }
            };
            for (int t = 0; t < w.tabs->count(); ++t) {
                EXPECT_FALSE(keyOf(w.tabs->tabText(t)).isNull()) << "a tab without an access key";
                addKey(w.tabs->tabText(t));
            }
            int controls = 0;
            for (QWidget* c : page->findChildren<QWidget*>()) {
                if (!c->isVisibleTo(page)) {
                    continue;
                }
                if (auto* label = qobject_cast<QLabel*>(c); label && label->buddy()) {
                    addKey(label->text());
                }
                if (auto* button = qobject_cast<QAbstractButton*>(c)) {
                    addKey(button->text());
                }
                const bool control = qobject_cast<QAbstractButton*>(c) ||
                                     qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) ||
                                     qobject_cast<QAbstractSpinBox*>(c) ||
                                     qobject_cast<QAbstractItemView*>(c);
                if (!control || qobject_cast<QHeaderView*>(c) ||
                    qobject_cast<QLineEdit*>(c->parentWidget()) ||
                    qobject_cast<QAbstractSpinBox*>(c->parentWidget()) ||
                    qobject_cast<QComboBox*>(c->parentWidget())) {
                    continue;
                }
                ++controls;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
                const QString name = a ? a->text(QAccessible::Name) : QString();
                EXPECT_FALSE(name.isEmpty()) << c->metaObject()->className();
                EXPECT_FALSE(name.contains('&')) << name.toStdString();
            }
            EXPECT_GE(controls, 2);
        }
        // The last tab's key brings its page from the first.
        w.tabs->setCurrentIndex(0);
        w.activateWindow();
        const int last = w.tabs->count() - 1;
        QTest::keyClick(&w, keyOf(w.tabs->tabText(last)).toUpper().unicode(), Qt::AltModifier);
        EXPECT_EQ(w.tabs->currentIndex(), last);
    }
    inSwedish();
}

// At its smallest the window still shows every button's and every label's whole text.
TEST_F(WordsWindowTest, NoTextCutOffAtTheSmallestSize) {
    givenLists({{"Djur", kAnimals}});
    window::Window& w = open();
    w.resize(1, 1);
    for (int tab = 0; tab < w.tabs->count(); ++tab) {
        w.tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        QWidget* page = w.tabs->widget(tab);
        for (QWidget* c : page->findChildren<QWidget*>()) {
            const bool text = qobject_cast<QAbstractButton*>(c) ||
                              (qobject_cast<QLabel*>(c) && !qobject_cast<QLabel*>(c)->wordWrap());
            if (text && c->isVisibleTo(page)) {
                EXPECT_GE(c->width(), c->minimumSizeHint().width())
                    << w.tabs->tabText(tab).toStdString() << " " << c->metaObject()->className();
            }
        }
    }
}

// The window goes on the screen before its page is built, but its first paint already shows
// the page with the folder read: no empty window flashes up.
TEST_F(WordsWindowTest, FirstPaintShowsThePageRead) {
    givenLists({{"Djur", kAnimals}});
    window::Window w(data(), asker);
    QString listAtFirstPaint = QStringLiteral("not painted");
    struct PaintSpy : QObject {
        std::function<void()> onPaint;
        bool eventFilter(QObject* object, QEvent* event) override {
            if (event->type() == QEvent::Paint && object->isWidgetType() &&
                static_cast<QWidget*>(object)->isWindow() && onPaint) {
                onPaint();
                onPaint = nullptr;
            }
            return false;
        }
    } spy;
    spy.onPaint = [&] {
        auto* page = w.tabs->widget(0)->findChild<window::ImportPage*>();
        listAtFirstPaint = page ? page->firstList->currentText() : QStringLiteral("not built");
    };
    QApplication::instance()->installEventFilter(&spy);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(50);
    QApplication::instance()->removeEventFilter(&spy);
    EXPECT_EQ(listAtFirstPaint, QString::fromUtf8("en ny lista med filens namn"));
}

// As a desktop starts it for a double-clicked list (Exec=ordlykta window %f, which hands the
// data folder and the file on): the import page with that file's preview. A file: URL too.
TEST_F(WordsWindowTest, OpensOnTheFileADesktopHandsOver) {
    givenLists({{"Djur", kAnimals}});
    writeFile(file("glosor v12.csv"), "katt,cat\nko,cow\n");
    for (const QString& given :
         {file("glosor v12.csv"), QUrl::fromLocalFile(file("glosor v12.csv")).toString()}) {
        SCOPED_TRACE(given.toStdString());
        const auto w = window::startWindow({"ordlykta-ordlistor", "--data", data(), given}, asker);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->tabs->currentWidget()->isAncestorOf(&w->importPage()));
        EXPECT_EQ(w->importPage().file->text(), file("glosor v12.csv"));
        ASSERT_EQ(w->importPage().targets->rowCount(), 1);
        // The file names no language: the first that still has its first name and no words.
        EXPECT_EQ(w->importPage().language->currentText(), "Språk B");
        EXPECT_EQ(row(w->importPage().targets, 0), (QStringList{"1", "glosor v12", "2", "2"}));
    }
    EXPECT_THROW(window::startWindow({"ordlykta-ordlistor", "a", "b"}, asker), window::Failure);
}

// Another process (here the command line) changes the words while the window is open: the page
// on show reads them again within 2 s, by itself.
TEST_F(WordsWindowTest, ReadsAgainWhenAnotherProcessChangesTheWords) {
    givenLists({{"Djur", kAnimals}});
    window::Window& w = open();
    QComboBox* lists = w.importPage().firstList;
    ASSERT_EQ(lists->itemText(2), "2  Tomt kapitel: 2 (0 par)");
    writeFile(file("mat.csv"), "Svenska,Engelska\nost,cheese\n");
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(QProcess::execute(ORDLYKTA_TOOL, {"import", file("mat.csv"), "--data", data()}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return lists->itemText(2) == "2  mat (1 par)"; }, 2000))
        << lists->itemText(2).toStdString();
    std::cout << "read again " << clock.elapsed() << " ms after the other process began\n";
}

// "Ångra" after a later change to the imported list: refused with what changed and what a
// restore of the snapshot would lose, nothing written unless confirmed; confirmed, the
// snapshot from before the import, without the word-list file the import made.
TEST_F(WordsWindowTest, UndoAfterALaterChangeToTheListAsksFirst) {
    // Into list 2 of the language that has a file, and into a language whose file it makes.
    for (const auto& [language, list] : {std::pair{"Engelska", "2"}, std::pair{"Tyska", "1"}}) {
        QDir(data()).removeRecursively();
        givenLists({{"Djur", kAnimals}});
        const auto before = dataFiles();
        const QByteArray head = QByteArray("Svenska,") + language + "\n";
        writeFile(file("glosor.csv"), head + "ost,cheese\n");
        window::Window& w = open();
        w.openFile(file("glosor.csv"));
        window::ImportPage& page = w.importPage();
        click(page.importButton);
        ASSERT_EQ(runTool({"import", file("glosor.csv"), "--data", data(), "--list", list}).status,
                  0)
            << "nothing to add: already there";
        writeFile(file("mer.csv"), head + "bröd,bread\n");
        ASSERT_EQ(runTool({"import", file("mer.csv"), "--data", data(), "--list", list}).status, 0);
        const auto changed = dataFiles();
        asker.expect(ScriptedAsker::Confirm, "no");
        click(page.undoButton);
        // What changed, and what the snapshot would lose: the pair added since and the import's.
        const std::string said = asker.texts.last().toStdString();
        EXPECT_EQ(asker.texts.last().count("bröd \u2013 bread"), 2) << language << said;
        EXPECT_EQ(asker.texts.last().count("ost \u2013 cheese"), 1) << language << said;
        EXPECT_EQ(dataFiles(), changed) << language;
        asker.expect(ScriptedAsker::Confirm, "yes");
        click(page.undoButton);
        EXPECT_EQ(dataFiles(), before) << language;
        EXPECT_FALSE(page.undoButton->isEnabled());
    }
}

// After an import, "Förhör listan" makes that list the trainer's current one, as the menu does,
// and starts the trainer ($ORDLYKTA_PROGRAM, here one that ends at once).
TEST_F(WordsWindowTest, OnToPractiseTheListImported) {
    givenLists({{"Djur", kAnimals}});
    writeFile(file("tyska.csv"), "Svenska,Tyska\nhund,Hund\n");
    qputenv("ORDLYKTA_PROGRAM", "/bin/true");
    window::Window& w = open();
    w.openFile(file("tyska.csv"));
    window::ImportPage& page = w.importPage();
    EXPECT_EQ(page.language->currentText(), "Språk B") << "the first language still free";
    EXPECT_FALSE(page.quizButton->isEnabled());
    click(page.importButton);
    click(page.quizButton);
    const store::Settings settings = store::readSettingsOrDefaults(data().toStdString());
    EXPECT_EQ(settings.language, 2);
    EXPECT_EQ(settings.lists[1], 1);
    EXPECT_EQ(settings.names[1], "Tyska");
    qunsetenv("ORDLYKTA_PROGRAM");
}

// "Öva på dessa" starts the trainer's review on exactly the hard words, handed over in a file
// of the data folder; "Repetera dagens ord" on today's due words. The trainer here is a script
// that keeps its arguments and the file it was given.
TEST_F(WordsWindowTest, ProgressPageStartsTheTrainersReview) {
    givenLists({{"Djur", {{"gå", "gått"}, {"ta", "tagit"}}}});
    {
        history::History answers(dataFile("ordlykta.db"), 1, 0);
        int day = history::kFirst;
        for (const char* typed : {"gådd", "gått", "gick"}) {  // wrong first on two of three days
            answers.answer("gå", "gått", typed, typed == std::string("gått"), day++);
        }
    }
    const QString kept = file("kept");
    writeFile(file("trainer"), QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > %1.args\n"
                                              "[ -n \"$4\" ] && cat \"$4\" > %1.pairs\n"
                                              "mv %1.args %1\n")
                                   .arg(kept)
                                   .toUtf8());
    QFile(file("trainer")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("ORDLYKTA_PROGRAM", file("trainer").toUtf8());
    window::Window& w = open();
    window::ProgressPage& page = w.progressPage();
    page.setClock([] { return history::kFirst + 2; });
    w.showPage("progress");
    page.reload();
    const auto started = [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(kept); }, 10000));
        const QByteArray arguments = readFile(kept);
        QFile::remove(kept);
        return QString::fromUtf8(arguments).split('\n', Qt::SkipEmptyParts);
    };

    click(page.practise);
    const QStringList arguments = started();
    ASSERT_EQ(arguments.size(), 4) << arguments.join(' ').toStdString();
    EXPECT_EQ(arguments.mid(0, 3), QStringList({"--review", "1", "--pairs"}));
    EXPECT_EQ(QFileInfo(arguments[3]).absolutePath(), QFileInfo(data()).absoluteFilePath());
    EXPECT_EQ(readFile(kept + ".pairs"), tool::toStore("gå\tgått\n").c_str());

    click(page.review);
    EXPECT_EQ(started(), QStringList({"--review", "1"}));
    qunsetenv("ORDLYKTA_PROGRAM");
}

}  // namespace
