// The menu screen: its state, the menu refresh, the choices and renames, and the way to every
// other screen.

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QTest>
#include <cerrno>

#include "app/Unit1.h"
#include "editor/Unit3.h"
#include "info/Unit8.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"
#include "state/MenuState.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tests/support/Fixture.h"
#include "ui/Text.h"

namespace {

const QString kAgen = QStringLiteral("agen.dat");
const QString kLanguagePrompt = QStringLiteral("Ange önskat namn för språket");
const QString kListPrompt = QStringLiteral("Ange önskad beteckning på listan");
const QString kBrokenTitle = QStringLiteral("Files missing? something is wrong");

// The drill controls as the user sees them.
struct Drill {
    bool kapEnabled;
    bool kapChecked;
    bool randomEnabled;
    bool randomChecked;
    bool buttonsEnabled;
    bool operator==(const Drill&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Drill& d) {
    return out << "optKAP " << d.kapEnabled << d.kapChecked << " optRANDOM " << d.randomEnabled
               << d.randomChecked << " buttons " << d.buttonsEnabled;
}

// The four rows of the refresh: current list empty or not, total below 10 or not.
constexpr Drill kNothing{false, false, false, false, false};
constexpr Drill kRandomOnly{false, false, true, true, true};
constexpr Drill kListOnly{true, true, false, false, true};
constexpr Drill kListAndRandom{true, true, true, false, true};

Pairs pairs(int n) {
    Pairs result;
    for (int i = 0; i < n; ++i) {
        result.emplace_back(QStringLiteral("ord%1").arg(i), QStringLiteral("word%1").arg(i));
    }
    return result;
}

qint32 intAt(const QByteArray& bytes, int offset) {
    return static_cast<qint32>(static_cast<quint8>(bytes[offset]) |
                               static_cast<quint8>(bytes[offset + 1]) << 8 |
                               static_cast<quint8>(bytes[offset + 2]) << 16 |
                               static_cast<quint32>(static_cast<quint8>(bytes[offset + 3])) << 24);
}

// A short string field: its length byte and characters, as Windows-1252 bytes.
QByteArray textAt(const QByteArray& bytes, int offset) {
    return bytes.mid(offset + 1, static_cast<quint8>(bytes[offset]));
}

QByteArray cp1252(const QString& text) {
    const store::Text stored = ui::toStore(text);
    return QByteArray(stored.data(), static_cast<qsizetype>(stored.size()));
}

class MenuTest : public ProgramTest {
  protected:
    TForm2& menu() { return *screens().menu; }

    // The menu shows and loads its state: from the start screen the first time, later back
    // from another screen, as the user comes back to it.
    void showMenu() {
        TForm1& start = *screens().start;
        if (menu().isVisible()) {
            navigation().handOver(menu(), *screens().info);
            navigation().handOver(*screens().info, menu());
        } else {
            start.showCentred();
            navigation().handOver(start, menu());
        }
        ASSERT_TRUE(menu().isVisible());
    }

    Drill drill() {
        return {menu().optKAP->isEnabled(), menu().optKAP->isChecked(),
                menu().optRANDOM->isEnabled(), menu().optRANDOM->isChecked(),
                menu().buttLEARN->isEnabled() && menu().buttREHEARSE->isEnabled()};
    }

    // Picks a list in the open drop-down with the mouse, as the user does.
    void chooseList(int list) {
        QComboBox* combo = menu().ComboBox1;
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QModelIndex entry = view->model()->index(list - 1, 0);
        view->scrollTo(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
        ASSERT_EQ(combo->currentIndex(), list - 1);
    }

    std::vector<QWidget*> all() {
        Screens& s = screens();
        return {s.start,    s.menu,        s.editor,     s.learnList,
                s.quizList, s.learnRandom, s.quizRandom, s.info};
    }
    int visibleScreens() {
        int visible = 0;
        for (QWidget* w : all()) {
            visible += w->isVisible();
        }
        return visible;
    }

    // Opens a screen with a menu button and checks it stands alone at the menu's place; then
    // comes back to the menu as the target's own button does.
    void openAndReturn(QAbstractButton* button, QWidget* target) {
        const QPoint place = menu().pos();
        click(button);
        EXPECT_TRUE(target->isVisible());
        EXPECT_FALSE(menu().isVisible());
        EXPECT_EQ(target->pos(), place);
        EXPECT_EQ(target->size(), menu().size());
        EXPECT_EQ(visibleScreens(), 1);
        target->move(place + QPoint(7, 5));
        navigation().handOver(*target, menu());
        EXPECT_EQ(menu().pos(), place + QPoint(7, 5));
    }
};

// Counts the saves of the settings and the openings of one word-list file.
class SaveCounter {
  public:
    explicit SaveCounter(std::string wordList) {
        store::setFaultHook([this, wordList](store::FileOp op, const std::string& path) {
            saves += op == store::FileOp::Write && path == "agen.dat";
            listOpenings += op == store::FileOp::Open && path == wordList;
            return 0;
        });
    }
    ~SaveCounter() { store::setFaultHook({}); }
    int saves = 0;
    int listOpenings = 0;
};

}  // namespace

TEST_F(MenuTest, FirstStartCreatesBothFilesAndShowsTheEmptyState) {
    dialogs.expectNotice(QStringLiteral("The file agen.dat is re-created"));
    dialogs.expectNotice(QStringLiteral("the file bu1.dat re-created"));
    showMenu();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].title, "ordlykta 2.00");

    EXPECT_EQ(menu().windowTitle(), "ordlykta 2.0 ELV");
    EXPECT_EQ(menu().opt1->text(), "Språk A");
    EXPECT_EQ(menu().opt2->text(), "Språk B");
    EXPECT_EQ(menu().opt3->text(), "Språk C");
    EXPECT_TRUE(menu().opt1->isChecked());
    EXPECT_EQ(menu().ComboBox1->count(), 98);
    EXPECT_EQ(menu().ComboBox1->itemText(97), "Tomt kapitel: 98");
    EXPECT_EQ(menu().ComboBox1->currentText(), "Tomt kapitel: 1");
    EXPECT_EQ(menu().lblNTALiKAP->text(), "0");
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "0");
    EXPECT_EQ(drill(), kNothing);
    EXPECT_EQ(menu().lblSsprak->text(), "Språk A");
    EXPECT_EQ(menu().currentLanguage(), 1);
    EXPECT_EQ(menu().currentList(), 1);

    const QByteArray agen = fileBytes(kAgen);
    ASSERT_EQ(agen.size(), 112);
    EXPECT_EQ(agen.left(16), QByteArray::fromHex("01000000010000000100000001000000"));
    EXPECT_EQ(agen.mid(16, 8), QByteArray("\x07Spr\xE5k A"));
    EXPECT_EQ(textAt(agen, 47), QByteArray("Spr\xE5k B"));
    EXPECT_EQ(textAt(agen, 78), QByteArray("Spr\xE5k C"));
    const QByteArray bu1 = fileBytes(QStringLiteral("bu1.dat"));
    ASSERT_EQ(bu1.size(), 680000);
    const int list7 = 7 * 100 * 68;
    EXPECT_EQ(intAt(bu1, list7), 0);
    EXPECT_EQ(textAt(bu1, list7 + 4), QByteArray("Tomt kapitel: 7"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("bu2.dat")));

    // A second show announces nothing; the first choice of language 2 creates its file, once.
    showMenu();
    dialogs.expectNotice(QStringLiteral("the file bu2.dat re-created"));
    click(menu().opt2);
    EXPECT_EQ(fileBytes(QStringLiteral("bu2.dat")).size(), 680000);
    EXPECT_EQ(menu().lblSsprak->text(), "Språk B");
    EXPECT_EQ(intAt(fileBytes(kAgen), 0), 2);
    EXPECT_EQ(drill(), kNothing);
    click(menu().opt1);
    click(menu().opt2);
    showMenu();
    EXPECT_TRUE(menu().opt2->isChecked());
    EXPECT_EQ(dialogs.shown.size(), 3u);
}

TEST_F(MenuTest, RefreshFollowsTheCountsOfTheFiles) {
    givenSettings(1, {5, 1, 1});
    givenList(1, 3, pairs(4));
    // Lists 0 and 99 are outside the user's lists and never count.
    givenList(1, 0, pairs(20));
    givenList(1, 99, pairs(20));
    showMenu();
    EXPECT_EQ(menu().lblNTALiKAP->text(), "0");
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "4");
    EXPECT_EQ(drill(), kNothing);

    givenList(1, 5, pairs(5));
    showMenu();
    EXPECT_EQ(menu().lblNTALiKAP->text(), "5");
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "9");
    EXPECT_EQ(drill(), kListOnly);

    givenList(1, 98, pairs(1));
    showMenu();
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "10");
    EXPECT_EQ(drill(), kListAndRandom);
    EXPECT_EQ(menu().ComboBox1->currentText(), "Tomt kapitel: 5");

    // Picking an empty list changes only the list counter and the drill controls.
    chooseList(2);
    EXPECT_EQ(menu().lblNTALiKAP->text(), "0");
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "10");
    EXPECT_EQ(drill(), kRandomOnly);
    EXPECT_EQ(menu().currentList(), 2);
    chooseList(3);
    EXPECT_EQ(menu().lblNTALiKAP->text(), "4");
    EXPECT_EQ(drill(), kListAndRandom);

    // The user may switch by hand where both are enabled; the next refresh sets them again.
    click(menu().optRANDOM);
    EXPECT_FALSE(menu().optKAP->isChecked());
    givenList(1, 97, pairs(11));
    showMenu();
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "21");
    EXPECT_EQ(drill(), kListAndRandom);
    chooseList(1);
    EXPECT_EQ(drill(), kRandomOnly);
    showMenu();
    EXPECT_EQ(menu().ComboBox1->currentIndex(), 0);
    EXPECT_EQ(drill(), kRandomOnly);
    // A list holding few pairs while the language has few: the list choice disables random.
    givenList(2, 4, pairs(2));
    click(menu().opt2);
    EXPECT_EQ(drill(), kNothing);
    chooseList(4);
    EXPECT_EQ(drill(), kListOnly);
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "2");
}

TEST_F(MenuTest, EveryChoiceAndNameIsSavedAtOnce) {
    givenSettings(2, {3, 7, 11});
    showMenu();
    EXPECT_TRUE(menu().opt2->isChecked());
    const QByteArray before = fileBytes(kAgen);
    chooseList(42);
    QByteArray after = fileBytes(kAgen);
    EXPECT_EQ(intAt(after, 8), 42);
    EXPECT_EQ(after.left(8), before.left(8));
    EXPECT_EQ(after.mid(12), before.mid(12));
    EXPECT_EQ(menu().lblKAP2->text(), "42");

    // Cancel writes nothing.
    dialogs.expectInput(kLanguagePrompt, std::nullopt);
    click(menu().buttSPRAK);
    EXPECT_EQ(dialogs.lastInputText, "Språk B");
    EXPECT_EQ(fileBytes(kAgen), after);
    EXPECT_EQ(menu().opt2->text(), "Språk B");

    // A long name shows in full but is stored cut to 30 characters.
    const QString longName = QStringLiteral("Ålänningarnas egen dialekt från förr");
    dialogs.expectInput(kLanguagePrompt, longName);
    click(menu().buttSPRAK);
    after = fileBytes(kAgen);
    EXPECT_EQ(textAt(after, 47), cp1252(longName.left(30)));
    EXPECT_EQ(textAt(after, 16), textAt(before, 16));
    EXPECT_EQ(menu().opt2->text(), longName);
    EXPECT_EQ(menu().lblSsprak->text(), longName);
    showMenu();
    EXPECT_EQ(menu().opt2->text(), longName.left(30));

    dialogs.expectInput(kLanguagePrompt, QString());
    click(menu().buttSPRAK);
    EXPECT_EQ(fileBytes(kAgen)[47], '\0');
    EXPECT_EQ(menu().lblSsprak->text(), "");
}

// The button takes the new name, the save runs, and only then the language's name: a save
// that fails leaves the stored name, which the next rename offers and the titles carry.
TEST_F(MenuTest, LanguageRenameWhoseSaveFailsKeepsTheStoredName) {
    givenSettings(2, {1, 1, 1});
    showMenu();
    QFile::remove(kAgen);
    dialogs.expectInput(kLanguagePrompt, QStringLiteral("Tyska"));
    dialogs.expectError(QStringLiteral("File not found"));
    click(menu().buttSPRAK);
    EXPECT_EQ(menu().opt2->text(), "Tyska");
    EXPECT_EQ(menu().lblSsprak->text(), "Språk B");
    EXPECT_FALSE(QFile::exists(kAgen));

    dialogs.expectInput(kLanguagePrompt, std::nullopt);
    click(menu().buttSPRAK);
    EXPECT_EQ(dialogs.lastInputText, "Språk B");
    click(menu().bitbtnSAVE);
    EXPECT_TRUE(screens().editor->lblKAPITEL->text().startsWith(" Språk B: "));
}

TEST_F(MenuTest, ListRenameKeepsThePairsAndTouchesOnlyTheName) {
    givenSettings(2, {1, 6, 1});
    givenList(2, 6, {{"hund", "dog"}, {"katt", "cat"}});
    store::WordRecord header = store::readHeader(2, 6);
    header.second = "kept as it was";
    store::writeHeader(2, 6, header);
    showMenu();
    const QByteArray agen = fileBytes(kAgen);
    const QByteArray bu2 = fileBytes(QStringLiteral("bu2.dat"));

    dialogs.expectInput(kListPrompt, std::nullopt);
    click(menu().buttKAPITEL);
    EXPECT_EQ(dialogs.lastInputText, "Tomt kapitel: 6");
    EXPECT_EQ(fileBytes(QStringLiteral("bu2.dat")), bu2);

    dialogs.expectInput(kListPrompt, QStringLiteral("Djur på gården och i skogen, del två"));
    click(menu().buttKAPITEL);
    const QByteArray renamed = fileBytes(QStringLiteral("bu2.dat"));
    const int at = 6 * 100 * 68;
    EXPECT_EQ(textAt(renamed, at + 4), cp1252(QStringLiteral("Djur på gården och i skogen, d")));
    EXPECT_EQ(renamed.left(at + 4), bu2.left(at + 4));
    EXPECT_EQ(renamed.mid(at + 35), bu2.mid(at + 35));
    EXPECT_EQ(store::readHeader(2, 6).second, "kept as it was");
    EXPECT_EQ(store::readPair(2, 6, 2).second, "cat");
    EXPECT_EQ(fileBytes(kAgen), agen);
    EXPECT_EQ(menu().ComboBox1->count(), 98);
    EXPECT_EQ(menu().ComboBox1->currentIndex(), 5);
    EXPECT_EQ(menu().ComboBox1->currentText(), "Djur på gården och i skogen, d");
    EXPECT_EQ(menu().lblNTALiKAP->text(), "2");

    dialogs.expectInput(kListPrompt, QString());
    click(menu().buttKAPITEL);
    EXPECT_EQ(store::readHeader(2, 6), (store::WordRecord{2, "", "kept as it was"}));
    EXPECT_EQ(menu().ComboBox1->currentText(), "");
}

TEST_F(MenuTest, StoredLanguageThreeIsChosenOnceAtTheFirstShow) {
    givenSettings(3, {1, 1, 4});
    givenList(3, 4, pairs(3));
    {
        SaveCounter counter("bu3.dat");
        showMenu();
        EXPECT_EQ(counter.saves, 1);
        EXPECT_EQ(counter.listOpenings, 2);
    }
    EXPECT_TRUE(menu().opt3->isChecked());
    EXPECT_FALSE(menu().opt1->isChecked());
    EXPECT_EQ(menu().lblSsprak->text(), "Språk C");
    EXPECT_EQ(menu().ComboBox1->currentIndex(), 3);
    EXPECT_EQ(menu().lblNTALiKAP->text(), "3");
    EXPECT_EQ(drill(), kListOnly);
    EXPECT_EQ(intAt(fileBytes(kAgen), 12), 4);
    {
        SaveCounter counter("bu3.dat");
        showMenu();
        click(menu().opt3);  // already checked: nothing happens
        EXPECT_EQ(counter.saves, 0);
        EXPECT_EQ(counter.listOpenings, 1);
    }
    EXPECT_TRUE(menu().opt3->isChecked());
}

TEST_F(MenuTest, ShowHandlerErrorsOnlyMarkTheTitle) {
    givenSettings();
    writeFile(kAgen, fileBytes(kAgen).left(50));
    showMenu();
    EXPECT_TRUE(menu().isVisible());
    EXPECT_EQ(menu().windowTitle(), kBrokenTitle);
    EXPECT_EQ(fileBytes(kAgen).size(), 50);

    // Nothing sets the title back, even when the files are sound again.
    QFile::remove(kAgen);
    givenSettings(2);
    showMenu();
    EXPECT_EQ(menu().windowTitle(), kBrokenTitle);
    EXPECT_TRUE(menu().opt2->isChecked());
    EXPECT_EQ(menu().ComboBox1->count(), 98);

    // A settings file that cannot be opened stops the show after the drop-down was cleared.
    {
        FaultInjection denied(store::FileOp::Open, EACCES);
        showMenu();
    }
    EXPECT_EQ(menu().ComboBox1->count(), 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MenuTest, ShowHandlerCatchesFailuresOfTheLanguageChoiceItRuns) {
    givenSettings(3, {1, 1, 4});
    {
        // The one save of the show is the language choice's.
        FaultInjection diskFull(store::FileOp::Write, ENOSPC);
        showMenu();
    }
    EXPECT_EQ(menu().windowTitle(), kBrokenTitle);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(menu().lblSPRAK->text(), "3");
    EXPECT_EQ(menu().ComboBox1->count(), 0);

    // Outside the show handler the same failure is the standard error box; what was set
    // before the save stays, the drop-down is not refreshed.
    showMenu();
    EXPECT_EQ(menu().ComboBox1->count(), 98);
    FaultInjection denied(store::FileOp::Open, EACCES);
    dialogs.expectError(QStringLiteral("File access denied"));
    click(menu().opt1);
    EXPECT_EQ(menu().lblSPRAK->text(), "1");
    EXPECT_EQ(menu().lblSsprak->text(), "Språk A");
    EXPECT_EQ(menu().ComboBox1->currentIndex(), 3);
}

TEST_F(MenuTest, DamagedSettingsStillSelectTheCurrentList) {
    givenSettings();
    QByteArray agen = fileBytes(kAgen);
    agen[0] = 7;                       // language 7
    agen[4] = static_cast<char>(200);  // list 200 of language 1
    agen[8] = 0;                       // list 0 of language 2
    writeFile(kAgen, agen);
    showMenu();
    EXPECT_EQ(menu().windowTitle(), "ordlykta 2.0 ELV");
    EXPECT_TRUE(menu().opt1->isChecked());
    EXPECT_EQ(menu().ComboBox1->currentText(), "Tomt kapitel: 1");
    click(menu().bitbtnSAVE);
    EXPECT_EQ(screens().editor->lblKAPITEL->text(), " Språk A: Tomt kapitel: 1");
    navigation().handOver(*screens().editor, menu());
    click(menu().opt2);
    EXPECT_EQ(menu().ComboBox1->currentText(), "Tomt kapitel: 1");
}

TEST_F(MenuTest, ButtonsOpenEveryScreenAtTheMenusPlaceWithItsTitles) {
    dialogs.expectNotice(QStringLiteral("The file agen.dat is re-created"));
    dialogs.expectNotice(QStringLiteral("the file bu1.dat re-created"));
    TForm1& start = *screens().start;
    start.showCentred();
    start.move(150, 90);
    click(start.BitBtn1);
    EXPECT_EQ(menu().pos(), QPoint(150, 90));

    // The editor opens also for an empty list; pairs it adds show when the menu is back.
    openAndReturn(menu().bitbtnSAVE, screens().editor);
    EXPECT_EQ(screens().editor->lblSsprak->text(), " Språk A ");
    EXPECT_EQ(screens().editor->lblKAPITEL->text(), " Språk A: Tomt kapitel: 1");
    EXPECT_EQ(menu().lblNTALiKAP->text(), "0");
    givenList(1, 1, pairs(10));
    openAndReturn(menu().bitbtnSAVE, screens().editor);
    EXPECT_EQ(menu().lblNTALiKAP->text(), "10");
    EXPECT_EQ(menu().lblTOTALANTAL->text(), "10");
    ASSERT_EQ(drill(), kListAndRandom);

    openAndReturn(menu().buttLEARN, screens().learnList);
    EXPECT_EQ(screens().learnList->lblKAPITEL->text(), " Språk A: Tomt kapitel: 1");
    click(menu().optRANDOM);
    openAndReturn(menu().buttLEARN, screens().learnRandom);
    EXPECT_EQ(screens().learnRandom->lblKAPITEL->text(), " Språk A: 10 Slumpade.");
    EXPECT_TRUE(menu().optKAP->isChecked());
    openAndReturn(menu().buttREHEARSE, screens().quizList);
    EXPECT_EQ(screens().quizList->lblKAPITEL->text(), " Språk A: Tomt kapitel: 1");
    click(menu().optRANDOM);
    openAndReturn(menu().buttREHEARSE, screens().quizRandom);
    EXPECT_EQ(screens().quizRandom->lblKAPITEL->text(), " Språk A: 10 Slumpade.");
    openAndReturn(menu().bitbutINFO, screens().info);

    // A renamed list and language reach the titles.
    dialogs.expectInput(kLanguagePrompt, QStringLiteral("Tyska"));
    click(menu().buttSPRAK);
    dialogs.expectInput(kListPrompt, QStringLiteral("Verb"));
    click(menu().buttKAPITEL);
    openAndReturn(menu().bitbtnSAVE, screens().editor);
    EXPECT_EQ(screens().editor->lblSsprak->text(), " Tyska ");
    EXPECT_EQ(screens().editor->lblKAPITEL->text(), " Tyska: Verb");
}

TEST_F(MenuTest, CountersExplainThemselvesAndAvslutaAsks) {
    givenSettings();
    showMenu();
    dialogs.expectInformation(QStringLiteral("Här visas antal sparade poster i den valda listan."));
    QTest::mouseClick(menu().lblNTALiKAP, Qt::LeftButton);
    dialogs.expectInformation(
        QStringLiteral("Här visas totalt antal sparade poster i det valda språket."));
    QTest::mouseClick(menu().lblTOTALANTAL, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, "Information");
    EXPECT_EQ(menu().lblTOTALANTAL->toolTip(), "Totalt antal sparade poster i det valda språket");

    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), false);
    click(menu().buttEXIT);
    EXPECT_EQ(quitRequests, 0);
    EXPECT_TRUE(menu().isVisible());
    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), true);
    QApplication::setActiveWindow(&menu());
    QTest::keyClick(&menu(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return quitRequests == 1; }));
}

TEST_F(MenuTest, ControlsStandWhereTheirContainersPutThem) {
    givenSettings();
    showMenu();
    TForm2& m = menu();
    const auto at = [&m](QWidget* w) { return QRect(w->mapTo(&m, QPoint()), w->size()); };
    EXPECT_EQ(at(m.bitbtnSAVE), QRect(64, 72, 180, 60));
    EXPECT_EQ(at(m.optRANDOM), QRect(64, 376, 153, 33));
    EXPECT_EQ(at(m.lblTOTALANTAL), QRect(346, 159, 57, 18));
    EXPECT_EQ(at(m.Shape2), QRect(345, 158, 59, 20));
    EXPECT_EQ(at(m.opt2), QRect(344, 296, 385, 33));
    EXPECT_EQ(at(m.buttEXIT), QRect(416, 477, 320, 60));
    EXPECT_FALSE(m.ComboBox1->isEditable());
    EXPECT_TRUE(QFontInfo(m.ComboBox1->font()).fixedPitch());
    for (QLabel* hidden : {m.lblSPRAK, m.lblKAP1, m.lblKAP2, m.lblKAP3, m.lblSsprak}) {
        EXPECT_FALSE(hidden->isVisible());
    }
    // A language button takes a click anywhere in its place, far from its text too.
    QTest::mouseClick(m.opt3, Qt::LeftButton, {}, QPoint(370, 20));
    EXPECT_EQ(m.lblSsprak->text(), "Språk C");
}

// The list drop-down opens below its box with fifteen entries in view, whatever the style.
TEST_F(MenuTest, TheListDropDownOpensBelowTheBoxWithFifteenEntries) {
    givenSettings(1, {40, 1, 1});
    showMenu();
    QComboBox* combo = menu().ComboBox1;
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QWidget* popup = view->window();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_GE(popup->geometry().top(), combo->mapToGlobal(combo->rect().bottomLeft()).y());
    const int line = view->visualRect(view->model()->index(0, 0)).height();
    ASSERT_GT(line, 0);
    EXPECT_EQ(view->viewport()->height() / line, 15);
    combo->hidePopup();
}

// The menu state on its own: a missing settings file is created with the defaults; a name is
// kept as typed but saved cut to the file's thirty characters; a list belongs to its language.
TEST_F(MenuTest, MenuStateLoadsCreatesAndSavesTheSettings) {
    state::MenuState s;
    EXPECT_FALSE(s.load());
    EXPECT_TRUE(store::settingsExist());
    EXPECT_EQ(s.language(), 1);
    EXPECT_EQ(s.name(2), "Språk B");
    const QString longName = QString(35, u'ö');
    s.setLanguage(3);
    s.setList(42);
    s.setName(3, longName);
    s.save();
    EXPECT_EQ(s.name(), longName);
    EXPECT_EQ(s.list(1), 1);

    state::MenuState again;
    EXPECT_TRUE(again.load());
    EXPECT_EQ(again.language(), 3);
    EXPECT_EQ(again.list(), 42);
    EXPECT_EQ(again.name(), QString(30, u'ö'));
    EXPECT_EQ(again.name(1), "Språk A");
}
