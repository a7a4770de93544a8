// What a user who works without a mouse, or without seeing the screen, needs of every screen:
// a name for every control a screen reader reaches, the tab order, the access keys and Enter.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <ostream>

#include "app/Unit1.h"
#include "editor/Unit3.h"
#include "info/Unit8.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tests/support/Fixture.h"
#include "ui/Text.h"

// Names read as text in the failure messages.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const Pairs kAnimals = {{"hund", "dog"},   {"katt", "cat"}, {"häst", "horse"},
                        {"fågel", "bird"}, {"ko", "cow"},   {"får", "sheep"}};
const Pairs kFood = {{"bröd", "bread"}, {"smör", "butter"}, {"ost", "cheese"},
                     {"mjölk", "milk"}, {"äpple", "apple"}, {"kaffe", "coffee"}};

QString accessible(QWidget* w, QAccessible::Text text) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(text) : QString();
}
QString nameOf(QWidget* w) {
    return accessible(w, QAccessible::Name);
}
QString descriptionOf(QWidget* w) {
    return accessible(w, QAccessible::Description);
}

// The controls of a screen a user can reach: its buttons, fields, drop-downs and lists.
std::vector<QWidget*> controlsOf(QWidget* screen) {
    std::vector<QWidget*> controls;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w);
        if (control && w->isVisibleTo(screen)) {
            controls.push_back(w);
        }
    }
    return controls;
}

// Every control has a name a screen reader can say: not empty, no ampersand, no stray blanks.
void expectEveryControlNamed(QWidget* screen) {
    ASSERT_TRUE(screen->isVisible());
    const std::vector<QWidget*> controls = controlsOf(screen);
    EXPECT_GE(controls.size(), 2u);
    for (QWidget* w : controls) {
        const QString name = nameOf(w);
        const std::string what =
            std::string(screen->metaObject()->className()) + " " + w->metaObject()->className();
        EXPECT_FALSE(name.isEmpty()) << what << " has no name";
        EXPECT_FALSE(name.contains(u'&')) << what << " " << name.toStdString();
        EXPECT_EQ(name, name.trimmed()) << what;
    }
}

// Within a screen no two buttons share an access key.
void expectDistinctAccessKeys(QWidget* screen) {
    std::map<QChar, QString> keys;
    for (QWidget* w : controlsOf(screen)) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        const QString caption = button ? button->text() : QString();
        const qsizetype amp = caption.indexOf(u'&');
        if (amp < 0 || amp + 1 >= caption.size()) {
            continue;
        }
        const QChar key = caption[amp + 1].toLower();
        EXPECT_FALSE(keys.count(key))
            << screen->metaObject()->className() << ": " << caption.toStdString() << " and "
            << keys[key].toStdString();
        keys[key] = caption;
    }
}

class A11yTest : public ProgramTest {
  protected:
    // A language "Engelska" with two named lists of pairs, twelve pairs in all.
    A11yTest() {
        givenList(1, 1, kAnimals);
        givenList(1, 2, kFood);
        nameList(1, "Djur");
        nameList(2, "Mat");
        store::Settings settings = store::loadSettings();
        settings.names[0] = ui::toStore(QStringLiteral("Engelska"));
        store::saveSettings(settings);
        for (const Pairs* pairs : {&kAnimals, &kFood}) {
            for (const auto& [swedish, english] : *pairs) {
                english_[swedish] = english;
            }
        }
        english_[QStringLiteral("gås")] = QStringLiteral("goose");  // added in the editor
    }

    static void nameList(int list, const QString& name) {
        store::WordRecord header = store::readHeader(1, list);
        header.first = ui::toStore(name);
        store::writeHeader(1, list, header);
    }

    // The right answer to the Swedish word a quiz shows.
    QString answerTo(const QString& swedish) { return english_[swedish]; }

    TForm1& start() { return *screens().start; }
    TForm2& menu() { return *screens().menu; }

    // Keys go to the widget with the focus, in the window the user works in.
    static void key(QWidget* screen, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(screen);
        QWidget* target = screen->focusWidget() ? screen->focusWidget() : screen;
        QTest::keyClick(target, k, modifiers);
    }
    // An access key clicks its button after a short animation.
    static void alt(QWidget* screen, Qt::Key k) { key(screen, k, Qt::AltModifier); }
    static bool visibleSoon(QWidget* screen) {
        return QTest::qWaitFor([screen] { return screen->isVisible(); });
    }

    // Tab from the first control visits exactly these, in this order, and comes back.
    static void expectTabOrder(QWidget* screen, const std::vector<QWidget*>& order) {
        QApplication::setActiveWindow(screen);
        order.front()->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> visited = {screen->focusWidget()};
        for (std::size_t i = 0; i < order.size(); ++i) {
            QTest::keyClick(screen->focusWidget(), Qt::Key_Tab);
            visited.push_back(screen->focusWidget());
        }
        std::vector<QWidget*> expected = order;
        expected.push_back(order.front());
        EXPECT_EQ(visited, expected) << screen->metaObject()->className();
    }

  private:
    std::map<QString, QString> english_;
};

}  // namespace

TEST_F(A11yTest, EveryControlOfEveryScreenHasASensibleName) {
    start().showCentred();
    expectEveryControlNamed(&start());
    EXPECT_EQ(nameOf(start().BitBtn1), "Fortsätt");
    EXPECT_EQ(nameOf(start().Button2), "Avsluta");

    click(start().BitBtn1);
    TForm2& m = menu();
    expectEveryControlNamed(&m);
    EXPECT_EQ(nameOf(m.bitbtnSAVE), "Spara");
    EXPECT_EQ(nameOf(m.buttLEARN), "Lär in");
    EXPECT_EQ(nameOf(m.buttREHEARSE), "Förhör");
    EXPECT_EQ(nameOf(m.optKAP), "Vald lista");
    EXPECT_EQ(nameOf(m.optRANDOM), "10 Slumpade");
    EXPECT_EQ(m.ComboBox1->accessibleName(), "Listor");
    EXPECT_EQ(nameOf(m.bitbutINFO), "Info");
    EXPECT_EQ(nameOf(m.buttEXIT), "Avsluta");
    // The two rename buttons share their caption; their hints tell them apart.
    EXPECT_EQ(nameOf(m.buttKAPITEL), "Ändra...");
    EXPECT_EQ(descriptionOf(m.buttKAPITEL), "Ange ny beteckning på listan");
    EXPECT_EQ(nameOf(m.buttSPRAK), "Ändra...");
    EXPECT_EQ(descriptionOf(m.buttSPRAK), "Ange önskat namn för språket");
    // A counter says what it counts, and how many.
    EXPECT_EQ(nameOf(m.lblNTALiKAP), "Antal sparade poster i den valda listan");
    EXPECT_EQ(descriptionOf(m.lblNTALiKAP), "6");
    EXPECT_EQ(nameOf(m.lblTOTALANTAL), "Totalt antal sparade poster i det valda språket");
    EXPECT_EQ(descriptionOf(m.lblTOTALANTAL), "12");
    // The language buttons are named by the names they show, also after a rename.
    EXPECT_EQ(nameOf(m.opt1), "Engelska");
    EXPECT_EQ(nameOf(m.opt2), "Språk B");
    dialogs.expectInput(QStringLiteral("Ange önskat namn för språket"),
                        QStringLiteral("Engelska (GB)"));
    click(m.buttSPRAK);
    EXPECT_EQ(nameOf(m.opt1), "Engelska (GB)");

    click(m.bitbtnSAVE);
    TForm3& e = *screens().editor;
    ASSERT_TRUE(e.isVisible());
    expectEveryControlNamed(&e);
    EXPECT_EQ(nameOf(e.edtSVE), "svenska");
    EXPECT_EQ(nameOf(e.edtFOR), "annat språk");
    EXPECT_EQ(nameOf(e.ListBox1), "ordpar");
    EXPECT_EQ(nameOf(e.buttSPARA), "Spara");
    EXPECT_EQ(nameOf(e.buttTABORT), "Ta bort");
    EXPECT_EQ(nameOf(e.buttINSERT), "Skjut in");
    EXPECT_EQ(nameOf(e.bitbuttMENY), "Meny");
    EXPECT_EQ(nameOf(e.buttEXIT), "Avsluta");
    EXPECT_EQ(nameOf(e.lblKAPITEL), " Engelska (GB): Djur");

    // A learn drill half-way: the word labels are named by their words and say what they are.
    click(e.bitbuttMENY);
    click(m.buttLEARN);
    TForm4& learn = *screens().learnList;
    ASSERT_TRUE(learn.isVisible());
    for (int i = 0; i < 5; ++i) {
        click(learn.buttNEXT);
    }
    expectEveryControlNamed(&learn);
    EXPECT_EQ(nameOf(learn.ListBox1), "ordpar");
    EXPECT_EQ(nameOf(learn.buttNEXT), "Fortsätt");
    EXPECT_FALSE(learn.lblSVE->text().isEmpty());
    EXPECT_FALSE(learn.lblFOR->text().isEmpty());
    EXPECT_EQ(nameOf(learn.lblSVE), learn.lblSVE->text());
    EXPECT_EQ(descriptionOf(learn.lblSVE), "svenska");
    EXPECT_EQ(nameOf(learn.lblFOR), learn.lblFOR->text());
    EXPECT_EQ(descriptionOf(learn.lblFOR), "annat språk");
    EXPECT_EQ(nameOf(learn.lblMESS), " 3 av 6 ordpar visade.");

    click(learn.buttMENU);
    click(m.optRANDOM);
    click(m.buttLEARN);
    TForm6& learnTen = *screens().learnRandom;
    ASSERT_TRUE(learnTen.isVisible());
    click(learnTen.buttNEXT);
    expectEveryControlNamed(&learnTen);
    EXPECT_EQ(nameOf(learnTen.lblFOR), learnTen.lblFOR->text());
    EXPECT_EQ(nameOf(learnTen.ListBox1), "ordpar");

    // A quiz after scoring, one answer wrong and its line selected.
    click(learnTen.buttMENU);
    click(m.buttREHEARSE);
    TForm5& quiz = *screens().quizList;
    ASSERT_TRUE(quiz.isVisible());
    for (int i = 0; i < 6; ++i) {
        type(quiz.edtFOR, i == 2 ? QStringLiteral("fel") : answerTo(quiz.lblSVE->text()));
        click(quiz.buttNEXT);
    }
    ASSERT_TRUE(quiz.lblMESS->text().startsWith(" Klart: 5 av 6"));
    expectEveryControlNamed(&quiz);
    EXPECT_EQ(nameOf(quiz.edtFOR), "svar");
    EXPECT_EQ(nameOf(quiz.ListBox1), "ordpar");
    EXPECT_EQ(nameOf(quiz.lblSVE), quiz.lblSVE->text());
    EXPECT_EQ(descriptionOf(quiz.lblSVE), "svenska");
    EXPECT_EQ(nameOf(quiz.buttMENU), "Meny");

    click(quiz.buttMENU);
    click(m.optRANDOM);
    click(m.buttREHEARSE);
    TForm7& quizTen = *screens().quizRandom;
    ASSERT_TRUE(quizTen.isVisible());
    type(quizTen.edtFOR, answerTo(quizTen.lblSVE->text()));
    click(quizTen.buttNEXT);
    expectEveryControlNamed(&quizTen);
    EXPECT_EQ(nameOf(quizTen.edtFOR), "svar");
    EXPECT_EQ(nameOf(quizTen.lblSVE), quizTen.lblSVE->text());

    click(quizTen.buttMENU);
    click(m.bitbutINFO);
    TForm8& info = *screens().info;
    ASSERT_TRUE(info.isVisible());
    click(info.SpeedButton1);
    expectEveryControlNamed(&info);
    EXPECT_EQ(nameOf(info.SpeedButton1), "Framåt");
    EXPECT_EQ(nameOf(info.SpeedButton2), "Bakåt");
    EXPECT_EQ(nameOf(info.buttINFO), "Menu");
    EXPECT_EQ(nameOf(info.Image2), "Sida 2 av 5");
}

TEST_F(A11yTest, TabVisitsTheControlsOfEveryScreenInTheirOrder) {
    Screens& s = screens();
    start().showCentred();
    expectTabOrder(&start(), {start().BitBtn1, start().Button2});

    click(start().BitBtn1);
    TForm2& m = menu();
    // Left column, right column, bottom row; Tab enters a group of options at its checked one.
    expectTabOrder(&m, {m.bitbtnSAVE, m.buttLEARN, m.buttREHEARSE, m.optKAP, m.ComboBox1,
                        m.buttKAPITEL, m.opt1, m.buttSPRAK, m.bitbutINFO, m.buttEXIT});

    openFromMenu(s.editor);
    TForm3& e = *s.editor;
    expectTabOrder(&e, {e.edtSVE, e.edtFOR, e.buttSPARA, e.buttTABORT, e.buttINSERT, e.bitbuttMENY,
                        e.buttEXIT, e.ListBox1});

    for (learn::LearnScreen* learn :
         std::initializer_list<learn::LearnScreen*>{s.learnList, s.learnRandom}) {
        showMenu();
        openFromMenu(learn);
        // The pairs seen so far are only to be looked at: Tab passes them by.
        expectTabOrder(learn, {learn->buttNEXT, learn->buttMENU, learn->buttEXIT});
    }

    showMenu();
    openFromMenu(s.quizList);
    TForm5& q = *s.quizList;
    expectTabOrder(&q, {q.edtFOR, q.buttNEXT, q.buttMENU, q.buttEXIT, q.ListBox1});
    showMenu();
    openFromMenu(s.quizRandom);
    TForm7& t = *s.quizRandom;
    expectTabOrder(&t, {t.buttNEXT, t.buttMENU, t.buttEXIT, t.edtFOR, t.ListBox1});

    showMenu();
    openFromMenu(s.info);
    expectTabOrder(s.info, {s.info->buttINFO, s.info->buttEXIT});
}

// One way through the whole program without the mouse: access keys, Enter, Tab and the arrows.
TEST_F(A11yTest, TheWholeProgramWorksFromTheKeyboardAlone) {
    Screens& s = screens();
    for (QWidget* w : {static_cast<QWidget*>(s.start), static_cast<QWidget*>(s.menu),
                       static_cast<QWidget*>(s.editor), static_cast<QWidget*>(s.learnList),
                       static_cast<QWidget*>(s.quizList), static_cast<QWidget*>(s.learnRandom),
                       static_cast<QWidget*>(s.quizRandom), static_cast<QWidget*>(s.info)}) {
        expectDistinctAccessKeys(w);
    }

    // Enter on the start screen presses "&Fortsätt", which has the focus.
    start().showCentred();
    QApplication::setActiveWindow(&start());
    EXPECT_EQ(start().focusWidget(), start().BitBtn1);
    key(&start(), Qt::Key_Return);
    TForm2& m = menu();
    ASSERT_TRUE(m.isVisible());

    // The list is chosen with the arrow keys in the drop-down.
    m.ComboBox1->setFocus(Qt::TabFocusReason);
    key(&m, Qt::Key_Down);
    EXPECT_EQ(m.lblKAP1->text(), "2");
    EXPECT_EQ(m.lblNTALiKAP->text(), "6");
    key(&m, Qt::Key_Up);
    EXPECT_EQ(m.lblKAP1->text(), "1");
    // The rename buttons answer to their keys.
    dialogs.expectInput(QStringLiteral("Ange önskad beteckning på listan"), std::nullopt);
    alt(&m, Qt::Key_N);
    EXPECT_TRUE(QTest::qWaitFor([this] { return dialogs.shown.size() == 1; }));
    dialogs.expectInput(QStringLiteral("Ange önskat namn för språket"), std::nullopt);
    alt(&m, Qt::Key_D);
    EXPECT_TRUE(QTest::qWaitFor([this] { return dialogs.shown.size() == 2; }));

    // The editor: Enter in a field appends the pair, the access keys do the rest.
    alt(&m, Qt::Key_S);
    TForm3& e = *s.editor;
    ASSERT_TRUE(visibleSoon(&e));
    EXPECT_EQ(e.focusWidget(), e.edtSVE);
    type(e.edtSVE, QStringLiteral("gås"));
    key(&e, Qt::Key_Tab);
    type(e.edtFOR, QStringLiteral("goose"));
    key(&e, Qt::Key_Enter);
    ASSERT_EQ(e.ListBox1->count(), 7);
    EXPECT_EQ(e.ListBox1->currentRow(), 6);
    EXPECT_EQ(e.focusWidget(), e.edtSVE);
    type(e.edtSVE, QStringLiteral("anka"));
    type(e.edtFOR, QStringLiteral("duck"));
    dialogs.expectConfirm(QStringLiteral("Skjut in det nya ordparet här"), true);
    alt(&e, Qt::Key_K);
    EXPECT_TRUE(QTest::qWaitFor([&e] { return e.ListBox1->count() == 8; }));
    EXPECT_EQ(e.ListBox1->item(6)->text(), ui::pairLine("anka", "duck"));
    dialogs.expectConfirm(QStringLiteral("Ta bort det markerade ordparet"), true);
    alt(&e, Qt::Key_T);
    EXPECT_TRUE(QTest::qWaitFor([&e] { return e.ListBox1->count() == 7; }));
    // Enter on a focused button presses that button, not the default one.
    e.bitbuttMENY->setFocus(Qt::TabFocusReason);
    key(&e, Qt::Key_Return);
    ASSERT_TRUE(m.isVisible());
    EXPECT_EQ(m.lblNTALiKAP->text(), "7");

    // A learn drill: Enter goes on, "&Meny" leaves.
    alt(&m, Qt::Key_L);
    TForm4& learn = *s.learnList;
    ASSERT_TRUE(visibleSoon(&learn));
    key(&learn, Qt::Key_Return);
    key(&learn, Qt::Key_Return);
    EXPECT_EQ(learn.lblMESS->text(), " 1 av 7 ordpar visade.");
    alt(&learn, Qt::Key_F);
    EXPECT_TRUE(QTest::qWaitFor([&learn] { return learn.ListBox1->count() == 2; }));
    alt(&learn, Qt::Key_M);
    ASSERT_TRUE(visibleSoon(&m));

    // A quiz: Enter answers; after the scoring the arrows review the lines.
    alt(&m, Qt::Key_F);
    TForm5& quiz = *s.quizList;
    ASSERT_TRUE(visibleSoon(&quiz));
    for (int i = 0; i < 7; ++i) {
        ASSERT_EQ(quiz.focusWidget(), quiz.edtFOR) << i;
        type(quiz.edtFOR, i == 0 ? QStringLiteral("fel") : answerTo(quiz.lblSVE->text()));
        key(&quiz, Qt::Key_Return);
    }
    EXPECT_EQ(quiz.lblMESS->text(), " Klart: 6 av 7 rätt. Klicka på # för att se rätt svar.");
    EXPECT_EQ(quiz.focusWidget(), quiz.ListBox1);
    EXPECT_EQ(quiz.ListBox1->currentRow(), 0);
    key(&quiz, Qt::Key_Down);
    EXPECT_EQ(quiz.lblMESS->text(), "Korrekt svarat!");
    key(&quiz, Qt::Key_Up);
    EXPECT_EQ(quiz.lblMESS->text(), "Fel svarat. Rätt svar ovan.");
    alt(&quiz, Qt::Key_M);
    ASSERT_TRUE(visibleSoon(&m));

    // The ten-random drills are chosen with the arrow keys among the options.
    m.optKAP->setFocus(Qt::TabFocusReason);
    key(&m, Qt::Key_Down);
    EXPECT_TRUE(m.optRANDOM->isChecked());
    alt(&m, Qt::Key_F);
    TForm7& quizTen = *s.quizRandom;
    ASSERT_TRUE(visibleSoon(&quizTen));
    EXPECT_EQ(quizTen.focusWidget(), quizTen.edtFOR);
    type(quizTen.edtFOR, answerTo(quizTen.lblSVE->text()));
    key(&quizTen, Qt::Key_Return);
    EXPECT_EQ(quizTen.lblMESS->text(), " 1 av 10 ord förhörda.");
    alt(&quizTen, Qt::Key_M);
    ASSERT_TRUE(visibleSoon(&m));
    m.optKAP->setFocus(Qt::TabFocusReason);
    key(&m, Qt::Key_Down);
    alt(&m, Qt::Key_L);
    TForm6& learnTen = *s.learnRandom;
    ASSERT_TRUE(visibleSoon(&learnTen));
    key(&learnTen, Qt::Key_Return);
    EXPECT_EQ(learnTen.lblMESS->text(), " 1 av 10 ordpar visade.");
    alt(&learnTen, Qt::Key_M);
    ASSERT_TRUE(visibleSoon(&m));

    // The info pages turn with their keys; Enter on "&Menu" goes back.
    alt(&m, Qt::Key_I);
    TForm8& info = *s.info;
    ASSERT_TRUE(visibleSoon(&info));
    alt(&info, Qt::Key_F);
    EXPECT_TRUE(QTest::qWaitFor([&info] { return info.lblSIDA->text() == "2"; }));
    EXPECT_EQ(info.focusWidget(), info.buttINFO);
    key(&info, Qt::Key_Return);
    ASSERT_TRUE(m.isVisible());

    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), true);
    alt(&m, Qt::Key_A);
    EXPECT_TRUE(QTest::qWaitFor([this] { return quitRequests == 1; }));
}
