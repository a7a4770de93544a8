// The editor screen.

#include <QFontInfo>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <set>

#include "app/Unit1.h"
#include "editor/Unit3.h"
#include "menu/Unit2.h"
#include "store/WordList.h"
#include "tests/support/Fixture.h"
#include "ui/Look.h"
#include "ui/Text.h"

namespace {

const QString kFull = QStringLiteral("Nu får det inte plats fler ord i det här kapitlet!");
const QString kEmptyField = QStringLiteral(
    "Man måste fylla i rutorna för både svenska och för det andra språket för att posten skall "
    "kunna sparas!");
const QString kNothingToRemove = QStringLiteral("Du har inte valt något ordpar att ta bort!!");
const QString kNoPlace = QStringLiteral("Du har inte markerat var du vill skjuta in ordparet!");
const QString kRemoveQuestion = QStringLiteral("Ta bort det markerade ordparet");
const QString kInsertQuestion = QStringLiteral("Skjut in det nya ordparet här");

// Pairs "ord 1" / "word 1" up to n.
Pairs numbered(int n) {
    Pairs pairs;
    for (int i = 1; i <= n; ++i) {
        pairs.emplace_back(QStringLiteral("ord %1").arg(i), QStringLiteral("word %1").arg(i));
    }
    return pairs;
}

int offsetOf(int list, int slot) {
    return store::recordIndex(list, slot) * store::kRecordSize;
}

store::WordRecord recordIn(const QByteArray& file, int list, int slot) {
    store::RecordBytes bytes{};
    const QByteArray record = file.mid(offsetOf(list, slot), store::kRecordSize);
    std::copy(record.begin(), record.end(), bytes.begin());
    return store::decode(bytes);
}

// The file as it should be after writing one record.
QByteArray withRecord(QByteArray file, int list, int slot, const store::WordRecord& record) {
    const store::RecordBytes bytes = store::encode(record);
    file.replace(offsetOf(list, slot), store::kRecordSize,
                 QByteArray(reinterpret_cast<const char*>(bytes.data()), store::kRecordSize));
    return file;
}

QByteArray withPair(const QByteArray& file, int list, int slot, int number,
                    const std::pair<QString, QString>& pair) {
    return withRecord(file, list, slot,
                      {number, ui::toStore(pair.first), ui::toStore(pair.second)});
}

// Only the count of the header changes; its texts stay byte for byte.
QByteArray withCount(QByteArray file, int list, int count) {
    store::RecordBytes bytes{};
    store::putInt32(bytes, count);
    file.replace(offsetOf(list, 0), 4, QByteArray(reinterpret_cast<const char*>(bytes.data()), 4));
    return file;
}

// The pairs a list holds according to its file: slots 1..count.
Pairs pairsIn(const QByteArray& file, int list) {
    Pairs pairs;
    const int count = store::pairCount(recordIn(file, list, 0));
    for (int slot = 1; slot <= count; ++slot) {
        const store::WordRecord r = recordIn(file, list, slot);
        pairs.emplace_back(ui::fromStore(r.first), ui::fromStore(r.second));
    }
    return pairs;
}

class EditorTest : public ProgramTest {
  protected:
    TForm3& editor() { return *screens().editor; }
    static QByteArray words(int language = 1) {
        return fileBytes(QStringLiteral("bu%1.dat").arg(language));
    }

    // The menu opens the editor on this list.
    void open(const Pairs& pairs, int language = 1, std::array<int, 3> lists = {1, 1, 1}) {
        givenSettings(language, lists);
        givenList(language, lists[static_cast<std::size_t>(language - 1)], pairs);
        showMenu();
        openFromMenu(screens().editor);
    }
    // Back to the menu and into the editor again, which reads its list afresh.
    void reopen() {
        click(editor().bitbuttMENY);
        openFromMenu(screens().editor);
    }

    QStringList lines() {
        QStringList result;
        for (int i = 0; i < editor().ListBox1->count(); ++i) {
            result << editor().ListBox1->item(i)->text();
        }
        return result;
    }
    int selectedLine() {
        const auto selected = editor().ListBox1->selectedItems();
        return selected.isEmpty() ? -1 : editor().ListBox1->row(selected.first());
    }
    // As the user clicks a line.
    void chooseLine(int index) {
        QListWidget* list = editor().ListBox1;
        list->scrollToItem(list->item(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(index)).center());
        ASSERT_EQ(selectedLine(), index);
    }
    void fill(const QString& swedish, const QString& other) {
        editor().edtSVE->clear();
        editor().edtFOR->clear();
        type(editor().edtSVE, swedish);
        type(editor().edtFOR, other);
    }
    QWidget* focus() { return editor().focusWidget(); }
    // Spara, Ta bort, Skjut in.
    std::array<bool, 3> enabled() {
        return {editor().buttSPARA->isEnabled(), editor().buttTABORT->isEnabled(),
                editor().buttINSERT->isEnabled()};
    }
};

}  // namespace

TEST_F(EditorTest, LayoutFontsColoursAndTabOrder) {
    TForm3& e = editor();
    e.lblSsprak->setText(QStringLiteral(" Språk A "));
    e.lblKAPITEL->setText(QStringLiteral(" Språk A: Tomt kapitel: 1"));
    open(numbered(2));
    EXPECT_EQ(e.windowTitle(), "ordlykta 2.0 ELV");
    EXPECT_EQ(e.palette().color(QPalette::Window), QColor(0xFF, 0x80, 0x80));
    EXPECT_EQ(e.font().pointSize(), 11);
    EXPECT_EQ(e.Shape1->geometry(), QRect(23, 15, 739, 26));
    EXPECT_FALSE(e.Shape1->isEnabled());

    const QColor pink(0xFF, 0xD9, 0xD9);
    const std::vector<std::tuple<QWidget*, QRect, int>> placed = {
        {e.lblKAPITEL, {24, 16, 737, 24}, 19}, {e.edtSVE, {24, 48, 340, 29}, 19},
        {e.edtFOR, {421, 48, 340, 29}, 19},    {e.lblSVENSKA, {24, 83, 73, 18}, 15},
        {e.lblSsprak, {421, 83, 89, 18}, 15},  {e.ListBox1, {24, 112, 732, 323}, 19},
    };
    for (const auto& [widget, place, pixels] : placed) {
        EXPECT_EQ(widget->geometry(), place) << widget->objectName().toStdString();
        EXPECT_EQ(widget->font().pixelSize(), pixels) << place.x() << "," << place.y();
    }
    EXPECT_TRUE(QFontInfo(e.ListBox1->font()).fixedPitch());
    for (QWidget* w : {static_cast<QWidget*>(e.lblKAPITEL), static_cast<QWidget*>(e.lblSVENSKA),
                       static_cast<QWidget*>(e.lblSsprak), static_cast<QWidget*>(e.Panel1)}) {
        EXPECT_TRUE(w->autoFillBackground());
        EXPECT_EQ(w->palette().color(QPalette::Window), pink);
    }
    EXPECT_EQ(e.lblSVENSKA->text(), " Svenska ");
    EXPECT_EQ(e.edtSVE->toolTip(), "svenska");
    EXPECT_EQ(e.edtFOR->toolTip(), QStringLiteral("språk ett"));
    EXPECT_EQ(e.edtSVE->maxLength(), 30);
    EXPECT_EQ(e.edtFOR->maxLength(), 30);

    EXPECT_EQ(e.Panel1->geometry(), QRect(24, 448, 732, 105));
    const std::vector<std::pair<QPushButton*, QString>> buttons = {
        {e.buttSPARA, "&Spara"},  {e.buttTABORT, "&Ta bort"}, {e.buttINSERT, "S&kjut in"},
        {e.bitbuttMENY, "&Meny"}, {e.buttEXIT, "&Avsluta"},
    };
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QPushButton* b = buttons[i].first;
        EXPECT_EQ(b->text(), buttons[i].second);
        EXPECT_EQ(b->parentWidget(), e.Panel1);
        EXPECT_EQ(b->geometry(), QRect(8 + 144 * static_cast<int>(i), 8, 140, 87));
        EXPECT_EQ(b->font().pixelSize(), 16);
    }
    EXPECT_FALSE(e.bitbuttMENY->icon().isNull());
    EXPECT_EQ(e.bitbuttMENY->iconSize(), QSize(16, 16));
    EXPECT_EQ(e.defaultButton(), e.buttSPARA);

    EXPECT_EQ(e.lblNTAL->geometry(), QRect(768, 80, 38, 13));
    EXPECT_TRUE(e.lblNTAL->isHidden());
    EXPECT_EQ(e.lblNTAL->text(), "2");

    std::vector<QWidget*> chain;
    QWidget* w = e.edtSVE;
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            chain.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != e.edtSVE);
    const std::vector<QWidget*> order = {e.edtSVE,     e.edtFOR,      e.buttSPARA, e.buttTABORT,
                                         e.buttINSERT, e.bitbuttMENY, e.buttEXIT,  e.ListBox1};
    EXPECT_EQ(chain, order);

    // The menu's titles stay as it wrote them.
    fill("a", "b");
    click(e.buttSPARA);
    EXPECT_EQ(e.lblSsprak->text(), QStringLiteral(" Språk A "));
    EXPECT_EQ(e.lblKAPITEL->text(), QStringLiteral(" Språk A: Tomt kapitel: 1"));
}

TEST_F(EditorTest, PairLinesPutTheAsterisksInOneColumn) {
    const QString thirty(30, u'x');
    open({{"a", "b"}, {thirty, "lång"}, {QStringLiteral("älgkalv"), ""}});
    const QStringList shown = lines();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], QString(30, u' ') + "a * b");
    EXPECT_EQ(shown[1], " " + thirty + QStringLiteral(" * lång"));
    EXPECT_EQ(shown[2], QString(24, u' ') + QStringLiteral("älgkalv * "));
    for (const QString& line : shown) {
        EXPECT_EQ(line.indexOf(" * "), 31) << line.toStdString();
    }
    editor().prCENTRERA(QStringLiteral("other"), QStringLiteral("svenska"));
    EXPECT_EQ(lines().last(), QString(24, u' ') + "svenska * other");
}

TEST_F(EditorTest, ButtonStateFocusAndSelectionFollowTheCount) {
    using State = std::array<bool, 3>;
    open({});
    EXPECT_EQ(enabled(), (State{true, false, false}));
    EXPECT_EQ(focus(), editor().edtSVE);
    EXPECT_EQ(lines().size(), 0);
    EXPECT_EQ(selectedLine(), -1);

    fill("hus", "house");
    click(editor().buttSPARA);
    EXPECT_EQ(enabled(), (State{true, true, true}));
    EXPECT_EQ(selectedLine(), 0);
    EXPECT_EQ(focus(), editor().edtSVE);

    chooseLine(0);
    dialogs.expectConfirm(kRemoveQuestion, true);
    click(editor().buttTABORT);
    EXPECT_EQ(enabled(), (State{true, false, false}));
    EXPECT_EQ(lines().size(), 0);
    EXPECT_EQ(selectedLine(), -1);
    EXPECT_EQ(focus(), editor().ListBox1);

    givenList(1, 1, numbered(1));
    reopen();
    EXPECT_EQ(enabled(), (State{true, true, true}));
    EXPECT_EQ(selectedLine(), 0);
    EXPECT_EQ(focus(), editor().edtSVE);

    givenList(1, 1, numbered(97));
    reopen();
    EXPECT_EQ(enabled(), (State{true, true, true}));
    EXPECT_EQ(selectedLine(), 96);
    EXPECT_EQ(focus(), editor().edtSVE);

    // The 98th pair: the list can grow no further through the buttons, not even by Enter.
    fill("sista", "last");
    press(editor().edtFOR, Qt::Key_Return);
    EXPECT_EQ(editor().lblNTAL->text(), "98");
    EXPECT_EQ(enabled(), (State{false, true, false}));
    EXPECT_EQ(selectedLine(), 97);
    EXPECT_EQ(focus(), editor().edtSVE);
    fill("mer", "more");
    press(editor().edtSVE, Qt::Key_Return);
    EXPECT_EQ(editor().lblNTAL->text(), "98");
    EXPECT_EQ(lines().size(), 98);

    // Removing the last pair selects nothing; a removal at 98 selects nothing either.
    chooseLine(97);
    dialogs.expectConfirm(kRemoveQuestion, true);
    click(editor().buttTABORT);
    EXPECT_EQ(enabled(), (State{true, true, true}));
    EXPECT_EQ(selectedLine(), -1);
    EXPECT_EQ(focus(), editor().ListBox1);

    chooseLine(10);
    fill("ny", "new");
    dialogs.expectConfirm(kInsertQuestion, true);
    click(editor().buttINSERT);
    EXPECT_EQ(enabled(), (State{false, true, false}));
    EXPECT_EQ(selectedLine(), 10);

    givenList(1, 1, numbered(99));
    reopen();
    EXPECT_EQ(enabled(), (State{false, true, false}));
    EXPECT_EQ(selectedLine(), 98);
    chooseLine(5);
    dialogs.expectConfirm(kRemoveQuestion, true);
    click(editor().buttTABORT);
    EXPECT_EQ(editor().lblNTAL->text(), "98");
    EXPECT_EQ(selectedLine(), -1);
    EXPECT_EQ(focus(), editor().ListBox1);

    // Shown again with 98 pairs, the focus stays where the user left it.
    reopen();
    EXPECT_EQ(enabled(), (State{false, true, false}));
    EXPECT_EQ(focus(), editor().bitbuttMENY);
}

TEST_F(EditorTest, AppendWritesThePairThenTheCountAndNothingElse) {
    const Pairs before = numbered(2);
    open(before);
    const QByteArray original = words();

    fill(QStringLiteral("älg"), QStringLiteral("Elch"));
    press(editor().edtFOR, Qt::Key_Return);
    QByteArray expected = withPair(original, 1, 3, 3, {QStringLiteral("älg"), "Elch"});
    expected = withCount(expected, 1, 3);
    EXPECT_EQ(words(), expected);
    EXPECT_EQ(static_cast<unsigned char>(words()[offsetOf(1, 3) + 5]), 0xE4);
    EXPECT_EQ(editor().lblNTAL->text(), "3");
    EXPECT_EQ(lines().last(), ui::pairLine(QStringLiteral("älg"), "Elch"));
    EXPECT_EQ(selectedLine(), 2);
    EXPECT_TRUE(editor().edtSVE->text().isEmpty());
    EXPECT_TRUE(editor().edtFOR->text().isEmpty());
    EXPECT_EQ(focus(), editor().edtSVE);

    // Enter from the Swedish field appends as well; blanks are words like any other.
    fill("   ", "x");
    press(editor().edtSVE, Qt::Key_Return);
    expected = withCount(withPair(expected, 1, 4, 4, {"   ", "x"}), 1, 4);
    EXPECT_EQ(words(), expected);
    EXPECT_EQ(lines().size(), 4);
    EXPECT_EQ(selectedLine(), 3);

    // The menu counts the new pairs as soon as it is back.
    click(editor().bitbuttMENY);
    EXPECT_TRUE(screens().menu->isVisible());
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(screens().menu->lblTOTALANTAL->text(), "4");
}

TEST_F(EditorTest, RemovalMovesTheLaterPairsUpAndLeavesTheLastSlot) {
    const Pairs before = numbered(5);
    open(before);
    for (int slot : {1, 3, 5}) {
        givenList(1, 1, before);
        reopen();
        const QByteArray original = words();
        type(editor().edtSVE, "kvar");
        chooseLine(slot - 1);
        dialogs.expectConfirm(kRemoveQuestion, true);
        click(editor().buttTABORT);

        QByteArray expected = withCount(original, 1, 4);
        for (int s = slot; s < 5; ++s) {
            expected = withPair(expected, 1, s, 4, before[static_cast<std::size_t>(s)]);
        }
        EXPECT_EQ(words(), expected) << slot;
        Pairs after = before;
        after.erase(after.begin() + slot - 1);
        EXPECT_EQ(lines(), pairLines(after)) << slot;
        EXPECT_EQ(editor().lblNTAL->text(), "4");
        EXPECT_EQ(selectedLine(), slot < 5 ? slot - 1 : -1) << slot;
        EXPECT_EQ(focus(), editor().ListBox1);
        EXPECT_TRUE(editor().edtSVE->text().isEmpty());
    }
}

TEST_F(EditorTest, InsertionPutsTheNewPairInFrontOfTheSelectedOne) {
    const Pairs before = numbered(5);
    const std::pair<QString, QString> fresh{QStringLiteral("ny å"), QStringLiteral("new")};
    open(before);
    for (int slot : {1, 3, 5}) {
        givenList(1, 1, before);
        reopen();
        const QByteArray original = words();
        chooseLine(slot - 1);
        fill(fresh.first, fresh.second);
        dialogs.expectConfirm(kInsertQuestion, true);
        click(editor().buttINSERT);

        Pairs after = before;
        after.insert(after.begin() + slot - 1, fresh);
        QByteArray expected = withCount(original, 1, 6);
        for (int s = slot; s <= 6; ++s) {
            expected = withPair(expected, 1, s, 6, after[static_cast<std::size_t>(s - 1)]);
        }
        EXPECT_EQ(words(), expected) << slot;
        EXPECT_EQ(lines(), pairLines(after)) << slot;
        EXPECT_EQ(editor().lblNTAL->text(), "6");
        EXPECT_EQ(selectedLine(), slot - 1) << slot;
        EXPECT_TRUE(editor().edtSVE->text().isEmpty());
        EXPECT_TRUE(editor().edtFOR->text().isEmpty());
        EXPECT_EQ(focus(), editor().edtSVE);
    }
}

TEST_F(EditorTest, RefusalsComeInTheirOrderAndWriteNothing) {
    open(numbered(99));
    QByteArray original = words();

    // A full list: checked before the fields, and the fields are emptied.
    dialogs.expectNotice(kFull);
    editor().buttSPARAClick();
    fill("a", "b");
    chooseLine(4);
    dialogs.expectNotice(kFull);
    editor().buttINSERTClick();
    EXPECT_TRUE(editor().edtSVE->text().isEmpty());
    EXPECT_TRUE(editor().edtFOR->text().isEmpty());
    EXPECT_EQ(focus(), editor().edtSVE);
    EXPECT_EQ(words(), original);

    givenList(1, 1, numbered(3));
    reopen();
    original = words();

    // An empty field: the typed word stays.
    fill("bara svenska", "");
    dialogs.expectNotice(kEmptyField);
    click(editor().buttSPARA);
    EXPECT_EQ(editor().edtSVE->text(), "bara svenska");
    EXPECT_EQ(focus(), editor().edtSVE);
    fill("", "only other");
    dialogs.expectNotice(kEmptyField);
    press(editor().edtFOR, Qt::Key_Return);
    EXPECT_EQ(editor().edtFOR->text(), "only other");

    // The insertion's empty field comes before the missing selection.
    editor().ListBox1->clearSelection();
    dialogs.expectNotice(kEmptyField + "!");
    click(editor().buttINSERT);
    EXPECT_EQ(focus(), editor().edtSVE);
    fill("a", "b");
    dialogs.expectNotice(kNoPlace);
    click(editor().buttINSERT);
    EXPECT_EQ(focus(), editor().ListBox1);
    EXPECT_EQ(editor().edtSVE->text(), "a");

    dialogs.expectNotice(kNothingToRemove);
    click(editor().buttTABORT);
    EXPECT_EQ(focus(), editor().ListBox1);

    // No to the questions.
    chooseLine(1);
    editor().edtSVE->setFocus();
    dialogs.expectConfirm(kInsertQuestion, false);
    click(editor().buttINSERT);
    EXPECT_EQ(editor().edtSVE->text(), "a");
    EXPECT_EQ(editor().edtFOR->text(), "b");
    EXPECT_EQ(selectedLine(), 1);
    dialogs.expectConfirm(kRemoveQuestion, false);
    click(editor().buttTABORT);
    EXPECT_EQ(focus(), editor().ListBox1);
    EXPECT_EQ(selectedLine(), 1);
    EXPECT_EQ(editor().edtSVE->text(), "a");
    EXPECT_EQ(lines().size(), 3);
    EXPECT_EQ(words(), original);
}

TEST_F(EditorTest, BracketsTypeTheFourLettersAndForeignCharactersAreRefused) {
    open({});
    type(editor().edtSVE, "[]{}");
    EXPECT_EQ(editor().edtSVE->text(), QStringLiteral("Ç¿ç¡"));
    type(editor().edtFOR, QStringLiteral("{łx}"));
    EXPECT_EQ(editor().edtFOR->text(), QStringLiteral("çx¡"));
    press(editor().edtFOR, Qt::Key_Return);
    const store::WordRecord stored = recordIn(words(), 1, 1);
    EXPECT_EQ(stored.first, "\xC7\xBF\xE7\xA1");
    EXPECT_EQ(stored.second, "\xE7x\xA1");
}

// A character outside the Basic Multilingual Plane comes as one key press of two UTF-16 units:
// the field refuses it whole, leaving neither half behind, and stores what it shows.
TEST_F(EditorTest, CharactersBeyondTheBasicPlaneAreRefusedWhole) {
    open({});
    const QString face = QString::fromUcs4(U"\U0001F600");
    type(editor().edtSVE, "hus");
    QTest::sendKeyEvent(QTest::Click, editor().edtSVE, Qt::Key_unknown, face, Qt::NoModifier);
    type(editor().edtFOR, "house");
    QTest::sendKeyEvent(QTest::Click, editor().edtFOR, Qt::Key_unknown, face + "s", Qt::NoModifier);
    EXPECT_EQ(editor().edtSVE->text(), "hus");
    EXPECT_EQ(editor().edtFOR->text(), "house");
    press(editor().edtFOR, Qt::Key_Return);
    const store::WordRecord stored = recordIn(words(), 1, 1);
    EXPECT_EQ(stored.first, "hus");
    EXPECT_EQ(stored.second, "house");
}

TEST_F(EditorTest, WorksOnTheMenusLanguageAndListAndQuitsOnYes) {
    open(numbered(2), 2, {1, 5, 1});
    const QByteArray first = words(1);
    EXPECT_EQ(lines(), pairLines(numbered(2)));
    fill("tre", "three");
    click(editor().buttSPARA);
    EXPECT_EQ(recordIn(words(2), 5, 3), (store::WordRecord{3, "tre", "three"}));
    EXPECT_EQ(recordIn(words(2), 5, 0).number, 3);
    EXPECT_EQ(words(1), first);

    // It opens where the menu stood and the menu comes back to where it stands.
    click(editor().bitbuttMENY);
    screens().menu->move(150, 90);
    openFromMenu(screens().editor);
    EXPECT_EQ(editor().pos(), QPoint(150, 90));
    EXPECT_EQ(lines().size(), 3);
    editor().move(60, 40);
    click(editor().bitbuttMENY);
    EXPECT_EQ(screens().menu->pos(), QPoint(60, 40));
    openFromMenu(screens().editor);

    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), false);
    click(editor().buttEXIT);
    EXPECT_EQ(quitRequests, 0);
    EXPECT_TRUE(editor().isVisible());
    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), true);
    click(editor().buttEXIT);
    EXPECT_EQ(quitRequests, 1);
}

TEST_F(EditorTest, AListChangedUnderneathIsReadAgainNotWrittenPastItsCount) {
    open(numbered(3));
    // Only one pair is left in the file while three are shown.
    givenList(1, 1, numbered(1));
    QByteArray original = words();
    chooseLine(2);
    dialogs.expectConfirm(kRemoveQuestion, true);
    click(editor().buttTABORT);
    EXPECT_EQ(words(), original);
    EXPECT_EQ(lines(), pairLines(numbered(1)));
    EXPECT_EQ(editor().lblNTAL->text(), "1");

    givenList(1, 1, numbered(3));
    reopen();
    givenList(1, 1, numbered(1));
    original = words();
    chooseLine(2);
    fill("a", "b");
    dialogs.expectConfirm(kInsertQuestion, true);
    click(editor().buttINSERT);
    EXPECT_EQ(words(), original);
    EXPECT_EQ(lines(), pairLines(numbered(1)));

    givenList(1, 1, numbered(3));
    reopen();
    givenList(1, 1, numbered(99));
    original = words();
    fill("a", "b");
    click(editor().buttSPARA);
    EXPECT_EQ(words(), original);
    EXPECT_EQ(lines().size(), 99);
    EXPECT_FALSE(editor().buttSPARA->isEnabled());

    // A damaged count shows the 99 slots and nothing is ever written past them.
    writeFile("bu1.dat", withCount(words(), 1, 150));
    reopen();
    EXPECT_EQ(lines().size(), 99);
    original = words();
    chooseLine(0);
    dialogs.expectConfirm(kRemoveQuestion, true);
    click(editor().buttTABORT);
    QByteArray expected = withCount(original, 1, 98);
    for (int s = 1; s < 99; ++s) {
        expected = withPair(expected, 1, s, 98, numbered(99)[static_cast<std::size_t>(s)]);
    }
    EXPECT_EQ(words(), expected);
}

// Each operation is made to fail at each of its file operations in turn. Whatever the failure,
// every pair the list held is still within its count, nothing that never was one of its pairs
// is, at most one pair is counted twice, and the list box shows what the file holds.
TEST_F(EditorTest, NoSingleFailureLosesAPair) {
    enum class Kind { Append, Insert, Remove };
    struct Case {
        Kind kind;
        int slot;
    };
    const Pairs before = numbered(3);
    const std::pair<QString, QString> fresh{"ny", "new"};
    const std::vector<Case> cases = {{Kind::Append, 0}, {Kind::Insert, 1}, {Kind::Insert, 2},
                                     {Kind::Insert, 3}, {Kind::Remove, 1}, {Kind::Remove, 2},
                                     {Kind::Remove, 3}};
    open(before);

    auto prepare = [&](const Case& c) {
        givenList(1, 1, before);
        // Leftovers in the free slots that must never come to be counted.
        store::writePair(1, 1, 4, {0, "skräp 4", "junk"});
        store::writePair(1, 1, 5, {0, "skräp 5", "junk"});
        reopen();
        if (c.kind != Kind::Append) {
            chooseLine(c.slot - 1);
        }
        if (c.kind != Kind::Remove) {
            fill(fresh.first, fresh.second);
        }
        if (c.kind == Kind::Insert) {
            dialogs.expectConfirm(kInsertQuestion, true);
        } else if (c.kind == Kind::Remove) {
            dialogs.expectConfirm(kRemoveQuestion, true);
        }
    };
    auto run = [&](const Case& c) {
        click(c.kind == Kind::Append   ? editor().buttSPARA
              : c.kind == Kind::Insert ? editor().buttINSERT
                                       : editor().buttTABORT);
    };

    for (const Case& c : cases) {
        std::set<std::pair<QString, QString>> required(before.begin(), before.end());
        std::set<std::pair<QString, QString>> allowed = required;
        if (c.kind == Kind::Remove) {
            required.erase(before[static_cast<std::size_t>(c.slot - 1)]);
        } else {
            allowed.insert(fresh);
        }
        for (store::FileOp op : {store::FileOp::Open, store::FileOp::Seek, store::FileOp::Read,
                                 store::FileOp::Write, store::FileOp::Close}) {
            prepare(c);
            int count = 0;
            {
                FileOpCounter counter;
                run(c);
                count = counter.count(op);
            }
            ASSERT_GT(count, 0);
            for (int skip = 0; skip < count; ++skip) {
                const std::string where = "case " + std::to_string(static_cast<int>(c.kind)) + "/" +
                                          std::to_string(c.slot) + ", op " +
                                          std::to_string(static_cast<int>(op)) + ", failure " +
                                          std::to_string(skip);
                prepare(c);
                dialogs.expectError(QStringLiteral("I/O error 5"));
                const std::size_t boxes = dialogs.shown.size();
                {
                    FaultInjection fault(op, EIO, skip);
                    run(c);
                }
                const std::size_t question = c.kind == Kind::Append ? 0 : 1;
                ASSERT_EQ(dialogs.shown.size(), boxes + question + 1) << where;
                EXPECT_EQ(dialogs.shown.back().kind, BoxKind::Error) << where;

                const QByteArray file = words();
                const Pairs held = pairsIn(file, 1);
                const std::set<std::pair<QString, QString>> distinct(held.begin(), held.end());
                EXPECT_TRUE(std::includes(distinct.begin(), distinct.end(), required.begin(),
                                          required.end()))
                    << where;
                EXPECT_TRUE(
                    std::includes(allowed.begin(), allowed.end(), distinct.begin(), distinct.end()))
                    << where;
                EXPECT_LE(held.size(), distinct.size() + 1) << where;
                EXPECT_EQ(lines(), pairLines(held)) << where;
                EXPECT_EQ(editor().lblNTAL->text().toInt(), static_cast<int>(held.size())) << where;
            }
        }
    }
}
