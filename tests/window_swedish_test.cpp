// The words' window under a Swedish locale with its catalogues loaded as the program loads them
// (the tool's Swedish, Qt's own and the window's additions to it): one walk through every page
// and every dialog it opens, the boxes through the scripted double and Qt's own dialogs for real
// (files, the question before a file is replaced, printing, its preview and page set-up, the
// date picker). Every text a user sees or hears there is checked: one that is an English source
// text with a Swedish translation, or that no catalogue translated where it was asked (Qt's and
// the tool's sources are English), was not translated; one that is no Swedish text of the
// catalogues (a text made of several) must not look English.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QChartView>
#include <functional>
#include <map>
#include <set>

#include "store/Layout.h"
#include "store/WordListImage.h"
#include "tests/support/History.h"
#include "tests/support/ScriptedAsker.h"
#include "tests/support/ToolRun.h"
#include "tool/Words.h"
#include "tool/backup/Snapshots.h"
#include "window/BackupsPage.h"
#include "window/CheckPage.h"
#include "window/ExportPage.h"
#include "window/ImportPage.h"
#include "window/ProgressPage.h"
#include "window/Start.h"
#include "window/Window.h"

namespace {

// Under a Swedish locale from the start, as a Swedish desktop starts the program: Qt takes the
// system's locale (the file dialog's dates and sizes) from the environment when it starts.
const bool kSwedishLocale = setenv("LC_ALL", "sv_SE.UTF-8", 1) == 0;

// A text as compared: without access-key marks, rich text, the colon or dots at its end, and
// with its spaces and line breaks made single spaces.
QString plain(QString text) {
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    text.remove(QRegularExpression(QStringLiteral("\\(&[^&]\\)")));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    text = text.simplified();
    for (const QString& end : {QStringLiteral("…"), QStringLiteral("..."), QStringLiteral(":")}) {
        if (text.endsWith(end)) {
            text.chop(end.size());
        }
    }
    return text.trimmed();
}

// The texts of the catalogues: English sources that have a Swedish translation, and every
// Swedish text (those translations, and the window's own texts, which are Swedish in the code).
struct Catalogues {
    std::set<QString> english;
    std::set<QString> swedish;
    std::set<QString> neutral;  // the same in both: "OK", "A4"

    // A .ts file; `swedishSource` for the window's own, whose sources are the Swedish texts.
    void read(const QString& path, bool swedishSource) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = plain(xml.readElementText());
                if (swedishSource) {
                    swedish.insert(source);
                }
            } else if (xml.name() == QLatin1String("translation") && !swedishSource) {
                const QString kind = xml.attributes().value(QLatin1String("type")).toString();
                const QString text =
                    plain(xml.readElementText(QXmlStreamReader::IncludeChildElements));
                if (text.isEmpty() || kind == QLatin1String("vanished") ||
                    kind == QLatin1String("obsolete")) {
                    continue;
                }
                if (text != source) {
                    english.insert(source);
                    swedish.insert(text);
                } else if (context != QLatin1String("QShortcut")) {
                    neutral.insert(text);  // a key's name is no word of a dialog
                }
            }
        }
        ASSERT_FALSE(xml.hasError())
            << path.toStdString() << ": " << xml.errorString().toStdString();
    }
};

// Words of English that Swedish does not have: a text holding one looks English.
const std::set<QString> kEnglishWords = {
    "about",     "after",   "again",     "already",    "and",         "apply",     "are",
    "back",      "backup",  "backups",   "before",     "bottom",      "cancel",    "cannot",
    "check",     "choose",  "close",     "collate",    "color",       "colour",    "column",
    "copies",    "create",  "current",   "date",       "delete",      "detail",    "details",
    "directory", "discard", "do",        "does",       "down",        "duplex",    "encoding",
    "error",     "exists",  "file",      "files",      "first",       "fit",       "folder",
    "forward",   "from",    "grayscale", "header",     "height",      "help",      "hidden",
    "home",      "if",      "ignore",    "landscape",  "language",    "last",      "layout",
    "left",      "list",    "look",      "margins",    "mend",        "modified",  "month",
    "name",      "new",     "next",      "no",         "none",        "not",       "of",
    "on",        "open",    "options",   "or",         "orientation", "output",    "page",
    "pages",     "pair",    "pairs",     "paper",      "parent",      "portrait",  "preview",
    "previous",  "print",   "printer",   "properties", "question",    "range",     "recent",
    "rename",    "repair",  "replace",   "restore",    "retry",       "reverse",   "right",
    "row",       "rows",    "save",      "select",     "selection",   "settings",  "setup",
    "sheet",     "show",    "side",      "size",       "snapshot",    "snapshots", "the",
    "these",     "this",    "to",        "today",      "top",         "type",      "undo",
    "unknown",   "up",      "view",      "want",       "warning",     "was",       "week",
    "were",      "width",   "with",      "word",       "words",       "year",      "yes",
    "you",       "your",    "zoom",
};

bool looksEnglish(const QString& text) {
    QString words = text;
    // A path names files; it is no sentence.
    words.remove(QRegularExpression(QStringLiteral("\\S*/\\S*")));
    static const QRegularExpression word(QStringLiteral("\\w+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    for (auto it = word.globalMatch(words); it.hasNext();) {
        if (kEnglishWords.count(it.next().captured().toLower()) != 0) {
            return true;
        }
    }
    return false;
}

// Asked last and answering nothing: every text no catalogue translates, by its context, so that
// a failure says where its translation belongs.
class Asked : public QTranslator {
  public:
    Asked() { QCoreApplication::installTranslator(this); }
    ~Asked() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        asked.emplace(plain(QString::fromUtf8(source)),
                      QStringLiteral("%1 \"%2\"").arg(context, QString::fromUtf8(source)));
        return {};
    }
    mutable std::map<QString, QString> asked;  // the text as shown, its context and source
};

// The walk: what was seen where, and the dialogs met on the way.
class Walker {
  public:
    using Step = std::function<void(QWidget*)>;

    // Every text `root` shows or gives a screen reader, its children's that are shown with it.
    void collect(QWidget* root, const QString& where) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : widgets) {
            if (w != root && !w->isVisibleTo(root)) {
                continue;
            }
            if (w->isWindow()) {
                add(w->windowTitle(), where);
            }
            for (const QString& text :
                 {w->toolTip(), w->accessibleName(), w->accessibleDescription(), w->whatsThis(),
                  w->statusTip()}) {
                add(text, where);
            }
            for (const QAction* action : w->actions()) {
                if (action->isVisible()) {
                    add(action->text(), where);
                    add(action->toolTip(), where);
                }
            }
            collectOwn(w, where);
        }
    }

    void add(const QString& text, const QString& where) {
        const QString p = plain(text);
        if (!p.isEmpty()) {
            seen.emplace(p, where);
        }
    }

    // Runs `open`, which returns once its dialog is closed; each modal dialog that comes up
    // meanwhile has its texts collected and goes to the next of `steps`, which closes it or
    // leads on to the next dialog. Should a step leave its dialog open, it is closed after a
    // while and the test fails.
    void dialogs(const QString& where, const std::function<void()>& open, std::vector<Step> steps) {
        std::size_t next = 0;
        QTimer poll;
        QElapsedTimer clock;
        clock.start();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                return;
            }
            if (clock.elapsed() > 20000) {
                ADD_FAILURE() << where.toStdString() << ": a dialog left open";
                modal->close();
                return;
            }
            if (modal->property("walked").toBool()) {
                return;
            }
            modal->setProperty("walked", true);
            if (next == steps.size()) {
                ADD_FAILURE() << where.toStdString() << ": an unexpected dialog "
                              << modal->windowTitle().toStdString();
                QTimer::singleShot(0, modal, &QWidget::close);
                return;
            }
            QTimer::singleShot(0, modal, [this, modal, step = steps[next++], where] {
                collect(modal, where + QStringLiteral(" › ") + modal->windowTitle());
                step(modal);
            });
        });
        poll.start(20);
        open();
        poll.stop();
        EXPECT_EQ(next, steps.size()) << where.toStdString() << ": dialogs that never came";
    }

    std::multimap<QString, QString> seen;  // text, where

  private:
    void collectOwn(QWidget* w, const QString& where) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            add(label->text(), where);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            add(button->text(), where);
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            add(group->title(), where);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            add(edit->placeholderText(), where);
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i) {
                add(box->itemText(i), where);
            }
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(tabs->tabText(i), where);
                add(tabs->tabToolTip(i), where);
            }
        } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
            add(spin->specialValueText(), where);
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            collectModel(view->model(), where);
        } else if (auto* chart = qobject_cast<QChartView*>(w)) {
            add(chart->chart()->title(), where);
            for (const QAbstractSeries* series : chart->chart()->series()) {
                add(series->name(), where);
            }
            for (const QAbstractAxis* axis : chart->chart()->axes()) {
                add(axis->titleText(), where);
            }
        }
    }

    // Headings both ways, and the first rows' texts and tips (the tool's messages stand there).
    void collectModel(const QAbstractItemModel* model, const QString& where) {
        if (model == nullptr) {
            return;
        }
        for (int c = 0; c < model->columnCount(); ++c) {
            add(model->headerData(c, Qt::Horizontal).toString(), where);
        }
        const std::function<void(const QModelIndex&)> rows = [&](const QModelIndex& parent) {
            for (int r = 0; r < std::min(model->rowCount(parent), 40); ++r) {
                for (int c = 0; c < model->columnCount(parent); ++c) {
                    const QModelIndex index = model->index(r, c, parent);
                    add(index.data(Qt::DisplayRole).toString(), where);
                    add(index.data(Qt::ToolTipRole).toString(), where);
                    rows(index);
                }
            }
        };
        rows({});
    }
};

using history::kFirst;
using history::kToday;

// The boxes scripted, Qt's own dialogs real.
struct Asker : ScriptedAsker {
    window::QtAsker real;
    QString openFile(const QString& title, const QString& filter) override {
        return real.openFile(title, filter);
    }
    QString saveFile(const QString& title, const QString& suggested,
                     const QString& filter) override {
        return real.saveFile(title, suggested, filter);
    }
    void print(const QString& html, bool preview) override { real.print(html, preview); }
};

class WindowSwedishTest : public DataFolderTest {
  protected:
    WindowSwedishTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("config"));
        // The file dialogs open in the home folder and offer the working folder: this one,
        // whatever the machine's hold.
        EXPECT_TRUE(kSwedishLocale);
        home_ = qgetenv("HOME");
        qputenv("HOME", dir_.path().toUtf8());
        workingFolder_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        window::installTranslations();
        catalogues_.read(QStringLiteral(ORDLYKTA_SOURCE "/tool/ordlykta_tool_sv.ts"), false);
        catalogues_.read(QStringLiteral(ORDLYKTA_SOURCE "/window/ordlykta_qt_sv.ts"), false);
        catalogues_.read(QStringLiteral(ORDLYKTA_SOURCE "/window/ordlykta_window_en.ts"), true);
        // Qt's own Swedish, as Debian ships it.
        const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qt_sv.qm";
        QProcess lconvert;
        lconvert.start(ORDLYKTA_LCONVERT, {"-i", qt, "-o", dir_.filePath("qt_sv.ts")});
        EXPECT_TRUE(lconvert.waitForFinished() && lconvert.exitCode() == 0) << qt.toStdString();
        catalogues_.read(dir_.filePath("qt_sv.ts"), false);
    }
    ~WindowSwedishTest() override {
        qputenv("HOME", home_);
        QDir::setCurrent(workingFolder_);
    }

    // Two languages' words, a history of answers, a snapshot for each reason and a damaged
    // file that one of them holds sound; a file to import with a row that is no pair.
    void givenAFolderInUse() {
        QDir().mkpath(data());
        writeSettings("Engelska");
        store::WordListImage english;
        tool::writeList(english, 3,
                        {"Kapitel 3", {{"gå", "gone"}, {"se", "seen"}, {"ta", "taken"}}});
        english.save(dataFile("bu1.dat").toStdString());
        store::WordListImage german;
        german.append(1, "hus", "Haus");
        german.save(dataFile("bu2.dat").toStdString());
        history::History answers(dataFile("ordlykta.db"), 3);
        for (const int day : {kFirst + 7, kFirst + 9, kToday}) {
            answers.answer("gå", "gone", "went", false, day);
        }
        answers.answer("se", "seen", "seen", true, kToday);
        for (const QString& reason :
             {tool::reasonAtStart(), tool::reasonBeforeRestore(), tool::reasonBeforeRepair(),
              tool::reasonBeforeUndo("glosor.csv"), tool::reasonBeforeImport("glosor.csv")}) {
            tool::takeSnapshot(data(), reason);
        }
        cutLastRecord(dataFile("bu2.dat"));
        writeFile(file("glosor.csv"), "Svenska;Engelska\nbil;car\nbara ett ord\nsol;sun\n");
    }

    // Texts that were not translated, or look English, each with where it was seen.
    QStringList english(const Walker& walker) const {
        QStringList found;
        for (const auto& [text, where] : walker.seen) {
            const bool swedish =
                catalogues_.swedish.count(text) != 0 || catalogues_.neutral.count(text) != 0;
            const auto source = asked_.asked.find(text);
            const QString context =
                source == asked_.asked.end() ? QString() : "; " + source->second;
            if (!swedish &&
                (catalogues_.english.count(text) != 0 || source != asked_.asked.end())) {
                found += where + ": \"" + text + "\" (not translated" + context + ")";
            } else if (!swedish && looksEnglish(text)) {
                found += where + ": \"" + text + "\" (looks English" + context + ")";
            }
        }
        found.removeDuplicates();
        return found;
    }

    Asker asker;
    Catalogues catalogues_;
    Asked asked_;

  private:
    QByteArray home_;
    QString workingFolder_;
};

void click(QAbstractButton* button) {
    ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Steps for the dialogs met: each closes its dialog as a user who changed their mind.
void cancel(QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog); box && box->button(QMessageBox::No)) {
        box->button(QMessageBox::No)->click();
        return;
    }
    qobject_cast<QDialog*>(dialog)->reject();
}

// Picks `path` in a file dialog, as a user who types its name and presses Enter. A save dialog
// first asks whether to replace a file that is there, which the next step answers; should the
// dialog be open still after that, it is closed.
Walker::Step pick(const QString& path) {
    return [path](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
        if (files->isVisible()) {
            files->reject();
        }
    };
}

// Presses the dialog's button or action whose text is `text` (Qt's own words, translated as
// the dialog shows them), which shows more of it or opens the next dialog; then the texts it
// shows now are collected and it is closed.
Walker::Step press(Walker& walker, const char* context, const char* text) {
    return [&walker, context, text](QWidget* dialog) {
        const QString shown = plain(QCoreApplication::translate(context, text));
        bool pressed = false;
        for (QAction* action : dialog->findChildren<QAction*>()) {
            if (!pressed && plain(action->text()) == shown) {
                action->trigger();
                pressed = true;
            }
        }
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (!pressed && plain(button->text()) == shown) {
                button->click();
                pressed = true;
            }
        }
        EXPECT_TRUE(pressed) << "no " << text << " in " << dialog->windowTitle().toStdString();
        QApplication::processEvents();
        walker.collect(dialog, dialog->windowTitle() + QStringLiteral(" › ") + plain(shown));
        cancel(dialog);
    };
}

TEST_F(WindowSwedishTest, NoEnglishOnAnyPageOrDialog) {
    givenAFolderInUse();
    window::Window w(data(), asker);
    asker.real.setParent(&w);
    w.resize(1000, 800);
    w.show();
    QApplication::processEvents();
    Walker walker;
    const auto page = [&](const char* name) {
        w.showPage(name);
        QApplication::processEvents();
        walker.collect(&w, w.tabs->tabText(w.tabs->currentIndex()));
    };
    const auto dialog = [&](QAbstractButton* button, std::vector<Walker::Step> steps) {
        walker.dialogs(
            plain(button->text()), [&] { click(button); }, std::move(steps));
    };

    // Import: a file with a row that is no pair, chosen in the file dialog; done, pressed
    // again, undone.
    window::ImportPage& import = w.importPage();
    page("import");
    dialog(import.choose, {pick(file("glosor.csv"))});
    page("import");
    import.skipBadRows->click();
    click(import.importButton);
    click(import.importButton);
    page("import");
    click(import.undoButton);
    page("import");

    // Export: each format; the save dialog with a file that is there, its question refused.
    window::ExportPage& exportPage = w.exportPage();
    for (int f = 0; f < exportPage.format->count(); ++f) {
        choose(exportPage.format, f);
        page("export");
    }
    writeFile(file("engelska-prov.html"), "");
    dialog(exportPage.save, {pick(file("engelska-prov.html")), cancel});
    dialog(exportPage.print, {press(walker, "QPrintDialog", "&Options >>")});
    dialog(exportPage.preview, {press(walker, "QPrintPreviewDialog", "Page setup"), cancel});

    // Backups: every snapshot's reason; a restore of the damaged file alone, refused; saving
    // cancelled in the file dialog; a file that is no backup refused with the tool's reason.
    window::BackupsPage& backups = w.backupsPage();
    page("backups");
    backups.table->selectRow(backups.table->rowCount() - 1);
    page("backups");
    asker.expect(ScriptedAsker::Confirm, "no");
    click(backups.restore);
    dialog(backups.saveBackup, {cancel});
    writeFile(file("trasig.tar.gz"), "ingen säkerhetskopia");
    asker.expect(ScriptedAsker::Error);
    dialog(backups.restoreFile, {pick(file("trasig.tar.gz"))});

    // Kontroll: the damaged file and the snapshot that holds it sound; restore refused.
    window::CheckPage& check = w.checkPage();
    page("check");
    asker.expect(ScriptedAsker::Confirm, "no");
    click(check.restoreDamaged);

    // Framsteg: the page on a fixed day, its date picker and the report's preview.
    window::ProgressPage& progress = w.progressPage();
    progress.setClock([] { return kToday; });
    progress.reload();
    page("progress");
    progress.table->selectRow(0);
    QDateEdit* date = progress.testDate;  // its arrow
    QTest::mouseClick(date, Qt::LeftButton, {}, QPoint(date->width() - 4, date->height() / 2));
    QWidget* picker = QApplication::activePopupWidget();
    ASSERT_NE(picker, nullptr) << "the date picker";
    walker.collect(picker, "Provdag");
    picker->close();
    dialog(progress.print, {cancel});

    // The window's own boxes, as they are built for real, and the banner.
    walker.dialogs("Rutor", [&] { asker.real.error("fel"); }, {cancel});
    walker.dialogs("Rutor", [&] { asker.real.confirm("fråga"); }, {cancel});
    walker.add(window::folderBusyText(), "Banderoll");
    for (const QString& text : asker.texts) {
        walker.add(text, "Ruta");
    }
    asker.verifyAllShown();

    EXPECT_GT(walker.seen.size(), 300u) << "the walk saw the pages and dialogs";
    const QStringList found = english(walker);
    EXPECT_TRUE(found.isEmpty()) << found.size() << " English texts:\n"
                                 << found.join('\n').toStdString();
}

// The window's command line refused in Swedish, Qt's own words for its options too.
TEST_F(WindowSwedishTest, CommandLineRefusedInSwedish) {
    const std::pair<QStringList, QString> cases[] = {
        {{"--bogus"}, "Okänd flagga 'bogus'."},
        {{"--bogus", "--foo"}, "Okända flaggor: bogus, foo."},
        {{"--page"}, "Värde saknas efter '--page'."},
        {{"--page", "nope"}, "Okänd sida nope: ge import, export, backups, check eller progress"},
        {{"a.csv", "b.csv"}, "Ge högst en fil att importera."},
    };
    for (const auto& [arguments, message] : cases) {
        try {
            window::startWindow(QStringList{"ordlykta-ordlistor", "--data", data()} + arguments,
                                asker);
            ADD_FAILURE() << arguments.join(' ').toStdString() << " taken";
        } catch (const window::Failure& e) {
            EXPECT_EQ(e.message(), message);
        }
    }
}

// The rule itself, on texts it must and must not take for English.
TEST(LooksEnglish, WordsOfEnglishNotOfSwedish) {
    for (const char* text : {"Look in", "Files of type", "Cancel the print", "Page setup"}) {
        EXPECT_TRUE(looksEnglish(text)) << text;
    }
    for (const char* text : {"Lär in listan", "Importera", "KVTML (KWordQuiz, Parley)",
                             "/tmp/data/backups/ordlykta-1.tar.gz", "UTF-8 med BOM", "Avbryt"}) {
        EXPECT_FALSE(looksEnglish(text)) << text;
    }
}

}  // namespace
