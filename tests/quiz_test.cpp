// The quiz screens.

#include <QTest>
#include <map>
#include <set>

#include "menu/Unit2.h"
#include "quiz/QuizPass.h"
#include "quiz/Unit5.h"
#include "quiz/Unit7.h"
#include "store/WordList.h"
#include "tests/support/Fixture.h"
#include "ui/Look.h"
#include "ui/Text.h"

namespace {

using quiz::QuizScreen;

const QString kLong30 = QStringLiteral("abcdefghijklmnopqrstuvwxyzåäöé");
const Pairs kTen = {{"bil", "car"},        {"hus", "house"},  {"a", "b"},
                    {"kyckling", "hen"},   {kLong30, "long"}, {"äpple", "apple"},
                    {"fönster", "window"}, {"stol", "chair"}, {"bord", "table"},
                    {"lampa", "lamp"}};

QColor messageColour(const QuizScreen& s) {
    return s.lblMESS->palette().color(QPalette::Window);
}

QStringList lines(const QuizScreen& s) {
    return linesOf(s.ListBox1);
}

std::map<QString, QString> rightAnswers(const Pairs& pairs) {
    return {pairs.begin(), pairs.end()};
}

// A counting clock, so that every build of an order has its own, repeatable seed.
drill::Random countingRandom() {
    return drill::Random([n = std::uint64_t{0}]() mutable { return ++n; });
}

class QuizTest : public ProgramTest {
  protected:
    TForm5& chosen() { return *screens().quizList; }
    TForm7& ten() { return *screens().quizRandom; }

    void openChosen(const Pairs& pairs) {
        givenList(1, 1, pairs);
        showMenu();
        openFromMenu(&chosen());
    }
    void openTen() {
        showMenu();
        openFromMenu(&ten());
    }
    // Answers the question on screen: `wrong` asks (1-based) get "fel", the others the right
    // answer. Returns the Swedish words in the order they were asked.
    QStringList answerAll(QuizScreen& s, int questions, const std::map<QString, QString>& right,
                          const std::set<int>& wrong = {}) {
        QStringList asked;
        for (int i = 1; i <= questions; ++i) {
            asked << s.lblSVE->text();
            type(s.edtFOR, wrong.count(i) ? QStringLiteral("fel") : right.at(asked.back()));
            click(s.buttNEXT);
        }
        return asked;
    }
    void clickLine(QuizScreen& s, int row) {
        QListWidget* list = s.ListBox1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // The button goes down on one line and comes up on another.
    void dragLine(QuizScreen& s, int from, int to) {
        QListWidget* list = s.ListBox1;
        const QPoint start = list->visualItemRect(list->item(from)).center();
        const QPoint end = list->visualItemRect(list->item(to)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(list->viewport(), end);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, end);
    }
};

}  // namespace

TEST(QuizAnswer, ComparedByteForByteAfterTheCut) {
    EXPECT_TRUE(quiz::isRight(quiz::answerOf("café"), ui::toStore("café")));
    EXPECT_FALSE(quiz::isRight(quiz::answerOf("Café"), ui::toStore("café")));
    EXPECT_FALSE(quiz::isRight(quiz::answerOf(""), ""));
    EXPECT_EQ(quiz::answerOf(QString(31, u'é')), std::string(30, '\xE9'));
}

TEST_F(QuizTest, BothScreensStandInTheirFrames) {
    givenSettings();
    for (QuizScreen* s : std::initializer_list<QuizScreen*>{&chosen(), &ten()}) {
        const bool isTen = s == &ten();
        EXPECT_EQ(s->windowTitle(), isTen ? "Ordlykta 2.0  ELV" : "Ordlykta 2.0 ELV");
        EXPECT_EQ(s->lblKAPITEL->geometry(), QRect(24, 16, 737, 24));
        EXPECT_EQ(s->lblKAPITEL->palette().color(QPalette::Window), ui::bgr(16768991));
        EXPECT_EQ(s->lblSVE->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(s->edtFOR->geometry(), QRect(424, 56, 340, 29));
        EXPECT_EQ(s->edtFOR->maxLength(), 30);
        EXPECT_EQ(s->ListBox1->geometry(), QRect(24, 136, 737, 314));
        EXPECT_TRUE(QFontInfo(s->ListBox1->font()).fixedPitch());
        EXPECT_EQ(s->Panel1->palette().color(QPalette::Window), ui::bgr(14811135));
        const int h = isTen ? 64 : 60;
        EXPECT_EQ(s->buttNEXT->geometry(), QRect(40, 16, 200, h));
        EXPECT_EQ(s->buttMENU->geometry(), QRect(272, 16, 200, h));
        EXPECT_EQ(s->buttEXIT->geometry(), QRect(504, 16, 200, h));
        EXPECT_EQ(s->buttNEXT->text(), "&Fortsätt");
        EXPECT_EQ(s->buttMENU->text(), "&Meny");
        EXPECT_EQ(s->buttEXIT->text(), "&Avsluta");
        EXPECT_EQ(s->buttMENU->icon().pixmap(16, 16).toImage(),
                  ui::glyph(ui::Glyph::Menu).toImage());
        EXPECT_EQ(s->defaultButton(), s->buttNEXT);
        EXPECT_EQ(s->lblNTAL->geometry(), isTen ? QRect(767, 88, 25, 13) : QRect(768, 72, 17, 13));
        EXPECT_TRUE(s->lblNTAL->isHidden());
        std::vector<QWidget*> order = {s->edtFOR, s->buttNEXT, s->buttMENU, s->buttEXIT};
        if (isTen) {
            order = {s->buttNEXT, s->buttMENU, s->buttEXIT, s->edtFOR};
        }
        order.push_back(s->ListBox1);
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            QWidget* next = order[i]->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus) || next->isHidden()) {
                next = next->nextInFocusChain();
            }
            EXPECT_EQ(next, order[i + 1]) << i;
        }
    }
    EXPECT_EQ(ten().lblTOTALANTAL->geometry(), QRect(767, 112, 25, 13));
    EXPECT_EQ(ten().lblTOTALANTAL->text(), "0");
}

TEST_F(QuizTest, AnswersCountOnlyWhenEqualByteForByte) {
    const Pairs pairs = {{"katt", "Cat"},     {"hund", "dog"},  {"mus", "mouse"},
                         {"kaffe", "café"},   {"tom", "empty"}, {"lång", kLong30},
                         {"fransk", "Ça va"}, {"hus", "house"}};
    const std::map<QString, QString> typed = {
        {"katt", "cat"}, {"hund", " dog"},  {"mus", "mouse "},   {"kaffe", "cafe"},
        {"tom", ""},     {"lång", kLong30}, {"fransk", "[a va"}, {"hus", "house"}};
    const std::set<QString> wrong = {"katt", "hund", "mus", "kaffe", "tom"};
    openChosen(pairs);
    const auto right = rightAnswers(pairs);
    for (int i = 0; i < 8; ++i) {
        const QString swedish = chosen().lblSVE->text();
        type(chosen().edtFOR, typed.at(swedish));
        if (swedish == "fransk") {
            EXPECT_EQ(chosen().edtFOR->text(), "Ça va");
        }
        click(chosen().buttNEXT);
    }
    EXPECT_EQ(chosen().lblMESS->text(), " Klart: 3 av 8 rätt. Klicka på # för att se rätt svar.");
    for (const QString& line : lines(chosen())) {
        const QString swedish = line.left(31).trimmed();
        if (wrong.count(swedish)) {
            const QString shown = swedish == "fransk" ? "Ça va" : typed.at(swedish);
            EXPECT_EQ(line, ui::pairLine(swedish, shown, " # ")) << line.toStdString();
        } else {
            EXPECT_EQ(line, ui::pairLine(swedish, right.at(swedish))) << line.toStdString();
        }
    }
    EXPECT_TRUE(lines(chosen()).contains(QString(31 - 3, u' ') + "tom # "));
}

TEST_F(QuizTest, OnePairScoresAtTheFirstPressAndOffersTheListAgain) {
    openChosen({{"hus", "house"}});
    TForm5& s = chosen();
    EXPECT_EQ(s.lblNTAL->text(), "1");
    EXPECT_EQ(s.lblSVE->text(), "hus");
    EXPECT_EQ(s.lblMESS->text(), "Svara på ALLA frågorna. Sedan får du veta hur det gick.");
    EXPECT_EQ(messageColour(s), ui::bgr(16768991));
    EXPECT_EQ(s.focusWidget(), s.edtFOR);
    type(s.edtFOR, "house");
    press(s.edtFOR, Qt::Key_Return);  // Enter presses "&Fortsätt"
    EXPECT_EQ(s.lblMESS->text(), " Bra gjort! Alla rätt!");
    EXPECT_EQ(messageColour(s), ui::bgr(13303780));
    EXPECT_EQ(lines(s), QStringList{ui::pairLine("hus", "house")});
    EXPECT_TRUE(s.edtFOR->text().isEmpty());
    EXPECT_TRUE(s.lblSVE->text().isEmpty());
    EXPECT_TRUE(s.ListBox1->selectedItems().isEmpty());
    EXPECT_EQ(s.focusWidget(), s.buttNEXT);

    dialogs.expectConfirm("Förhör glosorna igen", false);
    click(s.buttNEXT);
    EXPECT_EQ(s.lblMESS->text(), " Bra gjort! Alla rätt!");
    EXPECT_EQ(s.ListBox1->count(), 1);

    dialogs.expectConfirm("Förhör glosorna igen", true);
    click(s.buttNEXT);
    EXPECT_EQ(s.lblMESS->text(), " 0 av 1 ord förhörda.");
    EXPECT_EQ(messageColour(s), ui::bgr(16768991));
    EXPECT_EQ(s.lblSVE->text(), "hus");
    EXPECT_EQ(s.ListBox1->count(), 0);
}

TEST_F(QuizTest, WrongAnswersAreRepeatedInTheOrderAskedUntilAllAreRight) {
    givenSettings();
    chosen().random() = countingRandom();
    openChosen(kTen);
    TForm5& s = chosen();
    const auto right = rightAnswers(kTen);

    // The pass: every line with " * " and the answer as typed, the newest one selected.
    QStringList asked;
    const std::set<int> wrong = {2, 5, 9};
    for (int i = 1; i <= 10; ++i) {
        asked << s.lblSVE->text();
        const QString answer = wrong.count(i) ? "fel" : right.at(asked.back());
        type(s.edtFOR, answer);
        click(s.buttNEXT);
        ASSERT_EQ(s.ListBox1->count(), i);
        if (i < 10) {
            EXPECT_EQ(s.ListBox1->item(i - 1)->text(), ui::pairLine(asked.back(), answer));
            EXPECT_EQ(s.ListBox1->currentRow(), i - 1);
            EXPECT_EQ(s.ListBox1->selectedItems().size(), 1);
        }
        if (i == 4) {
            EXPECT_EQ(s.lblMESS->text(), " 4 av 10 ord förhörda.");
            EXPECT_EQ(messageColour(s), ui::bgr(16768991));
        }
    }
    EXPECT_EQ(QSet<QString>(asked.begin(), asked.end()).size(), 10);

    // The scoring: right answers with " * ", wrong ones with " # ", all in one column.
    EXPECT_EQ(s.lblMESS->text(), " Klart: 7 av 10 rätt. Klicka på # för att se rätt svar.");
    EXPECT_EQ(messageColour(s), ui::bgr(14277119));
    for (int k = 1; k <= 10; ++k) {
        const QString& sw = asked[k - 1];
        EXPECT_EQ(lines(s)[k - 1],
                  wrong.count(k) ? ui::pairLine(sw, "fel", " # ") : ui::pairLine(sw, right.at(sw)));
        EXPECT_EQ(lines(s)[k - 1].mid(31, 3), wrong.count(k) ? " # " : " * ");
    }
    EXPECT_EQ(s.ListBox1->currentRow(), 8);
    EXPECT_EQ(s.lblSVE->text(), asked[8]);
    EXPECT_EQ(s.edtFOR->text(), right.at(asked[8]));
    EXPECT_EQ(s.focusWidget(), s.ListBox1);

    dialogs.expectConfirm("Förhör felsvarade glosor", false);
    click(s.buttNEXT);
    EXPECT_EQ(s.lblMESS->text(), " Klart: 7 av 10 rätt. Klicka på # för att se rätt svar.");
    EXPECT_EQ(s.ListBox1->count(), 10);
    EXPECT_EQ(s.ListBox1->currentRow(), 8);

    // The repeat asks the three wrong ones, also those after position 3.
    dialogs.expectConfirm("Förhör felsvarade glosor", true);
    click(s.buttNEXT);
    EXPECT_EQ(s.lblMESS->text(), " 0 av 3 ord förhörda.");
    EXPECT_EQ(s.ListBox1->count(), 0);
    EXPECT_TRUE(s.edtFOR->text().isEmpty());
    EXPECT_EQ(answerAll(s, 3, right, {2}), QStringList({asked[1], asked[4], asked[8]}));
    EXPECT_EQ(s.lblMESS->text(), " Klart: 2 av 3 rätt. Klicka på # för att se rätt svar.");

    dialogs.expectConfirm("Förhör felsvarade glosor", true);
    click(s.buttNEXT);
    EXPECT_EQ(s.lblMESS->text(), " 0 av 1 ord förhörda.");
    EXPECT_EQ(answerAll(s, 1, right), QStringList{asked[4]});
    EXPECT_EQ(s.lblMESS->text(), " Bra gjort! Alla rätt!");

    dialogs.expectConfirm("Förhör glosorna igen", true);
    click(s.buttNEXT);
    EXPECT_EQ(s.lblMESS->text(), " 0 av 10 ord förhörda.");
    const QStringList again = answerAll(s, 10, right);
    EXPECT_EQ(QSet<QString>(again.begin(), again.end()), QSet<QString>(asked.begin(), asked.end()));
    EXPECT_NE(again, asked);
    EXPECT_EQ(s.lblMESS->text(), " Bra gjort! Alla rätt!");
}

TEST_F(QuizTest, LinesAreReviewedOnlyWhenTheUserMovesToThem) {
    const Pairs pairs = {{"bil", "car"}, {"hus", "house"}, {"stol", "chair"}};
    openChosen(pairs);
    TForm5& s = chosen();
    const auto right = rightAnswers(pairs);

    // During the pass a click or a key on a line only says to answer everything first.
    const QString info = "Svara först på ALLA frågorna, sedan får du veta hur det gick.";
    type(s.edtFOR, right.at(s.lblSVE->text()));
    click(s.buttNEXT);
    type(s.edtFOR, "fel");
    click(s.buttNEXT);
    type(s.edtFOR, "hal");
    const QString last = s.lblSVE->text();
    dialogs.expectInformation(info);
    clickLine(s, 0);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(s.ListBox1->currentRow(), 1);  // the newest line stays the selected one
    EXPECT_EQ(s.lblSVE->text(), last);
    EXPECT_EQ(s.edtFOR->text(), "hal");
    EXPECT_EQ(s.lblMESS->text(), " 2 av 3 ord förhörda.");
    EXPECT_EQ(s.focusWidget(), s.edtFOR);
    dialogs.expectInformation(info);
    clickLine(s, 1);
    dialogs.expectInformation(info);
    dragLine(s, 1, 0);
    EXPECT_EQ(s.ListBox1->currentRow(), 1);
    dialogs.expectInformation(info);
    s.ListBox1->setFocus();
    press(s.ListBox1, Qt::Key_Up);
    EXPECT_EQ(s.ListBox1->currentRow(), 1);
    EXPECT_EQ(dialogs.shown.size(), 4u);
    s.edtFOR->clear();
    type(s.edtFOR, right.at(last));
    click(s.buttNEXT);
    EXPECT_EQ(dialogs.shown.size(), 4u);

    // After scoring: the line the user reaches shows its pair and whether it was right.
    EXPECT_EQ(s.lblMESS->text(), " Klart: 2 av 3 rätt. Klicka på # för att se rätt svar.");
    EXPECT_EQ(s.ListBox1->currentRow(), 1);
    clickLine(s, 2);
    EXPECT_EQ(s.lblMESS->text(), "Korrekt svarat!");
    EXPECT_EQ(messageColour(s), ui::bgr(13303780));
    EXPECT_EQ(s.lblSVE->text(), last);
    EXPECT_EQ(s.edtFOR->text(), right.at(last));
    press(s.ListBox1, Qt::Key_Up);
    EXPECT_EQ(s.lblMESS->text(), "Fel svarat. Rätt svar ovan.");
    EXPECT_EQ(messageColour(s), ui::bgr(14277119));
    EXPECT_EQ(s.edtFOR->text(), right.at(s.lblSVE->text()));
    s.lblMESS->clear();
    clickLine(s, 1);  // the selected line again
    EXPECT_EQ(s.lblMESS->text(), "Fel svarat. Rätt svar ovan.");
    dragLine(s, 1, 2);
    EXPECT_EQ(s.lblMESS->text(), "Korrekt svarat!");
    EXPECT_EQ(s.edtFOR->text(), right.at(last));
    EXPECT_EQ(lines(s).size(), 3);
    EXPECT_EQ(dialogs.shown.size(), 4u);

    // A failing read ends the review with the error box and changes nothing.
    dialogs.expectError("Read beyond end of file");
    {
        FaultInjection fault(store::FileOp::Read, store::kShortRead);
        clickLine(s, 0);
    }
    EXPECT_EQ(s.lblMESS->text(), "Korrekt svarat!");
}

TEST_F(QuizTest, TheFileIsClosedBeforeEveryHandlerReturns) {
    givenList(1, 1, kTen);
    FileOpCounter ops;
    openChosen(kTen);
    TForm5& s = chosen();
    answerAll(s, 10, rightAnswers(kTen), {3});
    clickLine(s, 0);
    dialogs.expectConfirm("Förhör felsvarade glosor", true);
    click(s.buttNEXT);
    EXPECT_GT(ops.count(store::FileOp::Open), 12);
    // A change's kept journal is opened as it is made when missing: as a creation.
    EXPECT_EQ(ops.count(store::FileOp::Open) + ops.count(store::FileOp::Create),
              ops.count(store::FileOp::Close));

    click(s.buttMENU);
    EXPECT_TRUE(screens().menu->isVisible());
    EXPECT_FALSE(s.isVisible());
}

TEST_F(QuizTest, TenRandomPairsFromListsOneTo98) {
    Pairs all;
    std::map<QString, QString> right;
    for (int list : {1, 2, 5}) {
        Pairs pairs;
        for (int i = 1; i <= 4; ++i) {
            pairs.push_back({QString("ord%1_%2").arg(list).arg(i), QString("word%1").arg(i)});
        }
        givenList(1, list, pairs);
        right.insert(pairs.begin(), pairs.end());
    }
    givenList(1, 99, {{"borta", "gone"}});
    openTen();
    TForm7& s = ten();
    EXPECT_EQ(s.lblTOTALANTAL->text(), "12");
    EXPECT_EQ(s.lblNTAL->text(), "10");
    EXPECT_EQ(s.lblMESS->text(), " 0 av 10 ord förhörda.");
    EXPECT_EQ(messageColour(s), ui::bgr(16768991));
    EXPECT_EQ(s.focusWidget(), s.edtFOR);

    QStringList asked;
    for (int i = 1; i <= 10; ++i) {
        asked << s.lblSVE->text();
        ASSERT_TRUE(right.count(asked.back())) << asked.back().toStdString();
        type(s.edtFOR, i == 3 || i == 7 ? "fel" : right.at(asked.back()));
        click(s.buttNEXT);
        if (i < 10) {
            EXPECT_EQ(s.ListBox1->currentRow(), -1);
            EXPECT_TRUE(s.ListBox1->selectedItems().isEmpty());
        }
    }
    EXPECT_EQ(QSet<QString>(asked.begin(), asked.end()).size(), 10);
    EXPECT_EQ(s.lblMESS->text(), " Klart: 8 av 10 rätt. Klicka på # för att se rätt svar.");
    EXPECT_EQ(s.ListBox1->currentRow(), 6);
    EXPECT_EQ(s.edtFOR->text(), right.at(asked[6]));

    const int draws = s.random().draws();
    dialogs.expectConfirm("Förhör felsvarade glosor", true);
    click(s.buttNEXT);
    EXPECT_EQ(s.lblMESS->text(), " 0 av 2 ord förhörda.");
    EXPECT_EQ(answerAll(s, 2, right), QStringList({asked[2], asked[6]}));
    EXPECT_EQ(s.random().draws(), draws);
    EXPECT_EQ(s.lblMESS->text(), " Bra gjort! Alla rätt!");

    dialogs.expectConfirm("Förhör glosorna igen", true);
    click(s.buttNEXT);
    EXPECT_EQ(s.lblMESS->text(), " 0 av 10 ord förhörda.");
    EXPECT_GT(s.random().draws(), draws);
    const QStringList again = answerAll(s, 10, right);
    EXPECT_EQ(QSet<QString>(again.begin(), again.end()).size(), 10);
}

TEST_F(QuizTest, TenRandomWithExactlyTenPairsAsksThemAll) {
    givenList(1, 7, kTen);
    openTen();
    const auto right = rightAnswers(kTen);
    for (int pass = 0; pass < 2; ++pass) {
        const QStringList asked = answerAll(ten(), 10, right);
        EXPECT_EQ(QSet<QString>(asked.begin(), asked.end()).size(), 10);
        EXPECT_EQ(ten().lblMESS->text(), " Bra gjort! Alla rätt!");
        dialogs.expectConfirm("Förhör glosorna igen", true);
        click(ten().buttNEXT);
    }
}

TEST_F(QuizTest, DamagedCountsNeverReachPastTheTables) {
    // The file holds fewer pairs than the menu counted: the pass asks the pairs there are.
    givenList(1, 1, kTen);
    givenList(1, 2, {{"extra", "more"}});
    showMenu();
    givenList(1, 1, {{"bil", "car"}, {"hus", "house"}});
    openFromMenu(&ten());
    EXPECT_EQ(ten().lblNTAL->text(), "3");
    EXPECT_EQ(ten().lblMESS->text(), " 0 av 3 ord förhörda.");
    answerAll(ten(), 3, {{"bil", "car"}, {"hus", "house"}, {"extra", "more"}}, {1});
    EXPECT_EQ(ten().lblMESS->text(), " Klart: 2 av 3 rätt. Klicka på # för att se rätt svar.");
    click(ten().buttMENU);

    // No pairs at all: nothing is asked and "&Fortsätt" does nothing.
    givenList(1, 1, {});
    givenList(1, 2, {});
    openFromMenu(&ten());
    EXPECT_EQ(ten().lblNTAL->text(), "0");
    EXPECT_TRUE(ten().lblSVE->text().isEmpty());
    click(ten().buttNEXT);
    EXPECT_EQ(ten().ListBox1->count(), 0);
    click(ten().buttMENU);

    // A list header counting 500 pairs asks at most 99; a negative count asks none.
    store::WordRecord header = store::readHeader(1, 1);
    header.number = 500;
    store::writeHeader(1, 1, header);
    openFromMenu(&chosen());
    EXPECT_EQ(chosen().lblNTAL->text(), "99");
    type(chosen().edtFOR, "x");
    click(chosen().buttNEXT);
    EXPECT_EQ(chosen().lblMESS->text(), " 1 av 99 ord förhörda.");
    click(chosen().buttMENU);
    header.number = -3;
    store::writeHeader(1, 1, header);
    openFromMenu(&chosen());
    EXPECT_EQ(chosen().lblNTAL->text(), "0");
    click(chosen().buttNEXT);
    EXPECT_EQ(chosen().ListBox1->count(), 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

// Tab only brings the focus to the list: no line becomes selected, so nothing is reviewed and no
// information box comes; the arrow keys then select, and review, as a click does.
TEST_F(QuizTest, TabbingIntoTheListSelectsNoLine) {
    givenList(1, 7, kTen);
    openTen();
    TForm7& t = ten();
    QApplication::setActiveWindow(&t);
    type(t.edtFOR, "fel");
    click(t.buttNEXT);
    t.edtFOR->setFocus(Qt::TabFocusReason);
    press(t.edtFOR, Qt::Key_Tab);
    EXPECT_EQ(t.focusWidget(), t.ListBox1);
    EXPECT_EQ(t.ListBox1->currentRow(), -1);
    EXPECT_EQ(t.lblMESS->text(), " 1 av 10 ord förhörda.");
    click(t.buttMENU);

    const Pairs pairs = {{"hus", "house"}, {"bil", "car"}};
    openChosen(pairs);
    TForm5& c = chosen();
    QApplication::setActiveWindow(&c);
    answerAll(c, 2, rightAnswers(pairs));
    ASSERT_EQ(c.lblMESS->text(), " Bra gjort! Alla rätt!");
    c.buttEXIT->setFocus(Qt::TabFocusReason);
    press(c.buttEXIT, Qt::Key_Tab);
    EXPECT_EQ(c.focusWidget(), c.ListBox1);
    EXPECT_EQ(c.ListBox1->currentRow(), -1);
    EXPECT_EQ(c.lblMESS->text(), " Bra gjort! Alla rätt!");
    EXPECT_TRUE(c.lblSVE->text().isEmpty());
    EXPECT_TRUE(c.edtFOR->text().isEmpty());
    press(c.ListBox1, Qt::Key_Down);
    EXPECT_EQ(c.ListBox1->currentRow(), 0);
    EXPECT_EQ(c.lblMESS->text(), "Korrekt svarat!");
    EXPECT_TRUE(dialogs.shown.empty());
}

// The Swedish word is shown exactly as stored, also when it looks like markup.
TEST_F(QuizTest, TheQuestionIsShownAsItIsStored) {
    openChosen({{"<b>bil</b>", "car"}});
    QLabel* shown = chosen().lblSVE;
    EXPECT_EQ(shown->text(), "<b>bil</b>");
    EXPECT_GE(shown->sizeHint().width(),
              QFontMetrics(shown->font()).horizontalAdvance(shown->text()));
}

// During a pass an arrow key on the list brings the information box as a click does, and leaves
// the selection where a click leaves it: on the newest answered line, or on none in the
// ten-random quiz.
TEST_F(QuizTest, KeysDuringAPassLeaveTheSelectionAsAClickDoes) {
    const Pairs pairs = {{"bil", "car"}, {"hus", "house"}, {"stol", "chair"}};
    givenList(1, 1, pairs);
    givenList(1, 7, kTen);
    showMenu();
    const QString info = "Svara först på ALLA frågorna, sedan får du veta hur det gick.";
    struct Case {
        QuizScreen* screen;
        int kept;  // the selected line a click leaves
    };
    for (const Case& c : {Case{&chosen(), 1}, Case{&ten(), -1}}) {
        QuizScreen& s = *c.screen;
        openFromMenu(&s);
        QApplication::setActiveWindow(&s);
        for (int answer = 0; answer < 2; ++answer) {
            type(s.edtFOR, "fel");
            click(s.buttNEXT);
        }
        s.ListBox1->setFocus();
        for (int key : {Qt::Key_Up, Qt::Key_Home, Qt::Key_PageUp}) {
            dialogs.expectInformation(info);
            press(s.ListBox1, key);
            EXPECT_EQ(s.ListBox1->currentRow(), c.kept) << key;
            const QList<QListWidgetItem*> selected = s.ListBox1->selectedItems();
            EXPECT_EQ(selected.size(), c.kept < 0 ? 0 : 1) << key;
            if (c.kept >= 0 && !selected.isEmpty()) {
                EXPECT_EQ(s.ListBox1->row(selected.first()), c.kept) << key;
            }
        }
        click(s.buttMENU);
    }
}

// The pair of a position p of a pass without a screen: "sp" / "op".
store::WordRecord numberedPair(int position) {
    const QString n = QString::number(position);
    return store::WordRecord{0, ui::toStore("s" + n), ui::toStore("o" + n)};
}

// A pass without a screen: each row answers the pairs "sN" / "oN" of a pass in turn ("" for the
// right answer), then scores it; the lines, marks and texts are what the screen shows.
TEST(QuizPassTest, ScoringMarksEachLineAndARepeatAsksTheWrongOnesInOrder) {
    const auto pairAt = numberedPair;
    struct Row {
        QStringList answers;  // "" answers right
        QStringList lines;    // as scored
        QString result;       // the result line, empty when all are right
        std::vector<int> repeat;
    };
    const Row rows[] = {
        {{"", ""}, {pairLines({{"s1", "o1"}, {"s2", "o2"}})}, "", {}},
        {{"x", "", "O3"},
         {ui::pairLine("s1", "x", " # "), ui::pairLine("s2", "o2"),
          ui::pairLine("s3", "O3", " # ")},
         " Klart: 1 av 3 rätt. Klicka på # för att se rätt svar.",
         {1, 3}},
        {{" o1"},
         {ui::pairLine("s1", " o1", " # ")},
         " Klart: 0 av 1 rätt. Klicka på # för att se rätt svar.",
         {1}},
        {{"o1 ", ""},
         {ui::pairLine("s1", "o1 ", " # "), ui::pairLine("s2", "o2")},
         " Klart: 1 av 2 rätt. Klicka på # för att se rätt svar.",
         {1}},
    };
    for (const Row& row : rows) {
        const int questions = static_cast<int>(row.answers.size());
        quiz::QuizPass pass;
        pass.reset();
        pass.blankAnswers();
        pass.begin(questions);
        for (int p = 1; p <= questions; ++p) {
            ASSERT_TRUE(pass.asks());
            EXPECT_EQ(pass.keptLine(true), p - 2);
            const QString& given = row.answers[p - 1];
            pass.answer(quiz::answerOf(given.isEmpty() ? "o" + QString::number(p) : given));
        }
        EXPECT_TRUE(pass.scoringDue());
        QStringList lines;
        int right = 0;
        for (int p = 1; p <= questions; ++p) {
            lines << pass.scoredLine(p, pairAt(p));
            right += pass.rightAt(p, pairAt(p));
        }
        pass.finish(right);
        EXPECT_EQ(lines, row.lines);
        EXPECT_EQ(right < questions ? quiz::resultLine(right, questions) : QString(), row.result);
        EXPECT_EQ(pass.phase(), quiz::QuizPass::Phase::Finished);
        EXPECT_EQ(pass.repeatsWrong(), !row.repeat.empty());
        const quiz::QuizPass::Repeat repeat = pass.wrongAnswers(pairAt);
        EXPECT_EQ(repeat.positions, row.repeat);
        if (!row.repeat.empty()) {
            EXPECT_EQ(repeat.first, pairAt(row.repeat.front()));
        }
    }
}

// The pass scores itself: the screen only shows what it returns. A read that fails leaves the
// pass unscored, its scoring still due, so that the next press tries again.
TEST(QuizPassTest, ScoreCountsTheRightAnswersAndKeepsTheLastWrongPair) {
    const auto pairAt = numberedPair;
    struct Row {
        QStringList answers;  // "" answers right
        int right;
        int lastWrong;
    };
    const Row rows[] = {
        {{"", "", ""}, 3, 0}, {{"x", "", ""}, 2, 1}, {{"x", "", "y", ""}, 2, 3}, {{"x"}, 0, 1},
        {{}, 0, 0},
    };
    for (const Row& row : rows) {
        const int questions = static_cast<int>(row.answers.size());
        SCOPED_TRACE(questions);
        quiz::QuizPass pass;
        pass.blankAnswers();
        pass.begin(questions);
        for (int p = 1; p <= questions; ++p) {
            const QString& given = row.answers[p - 1];
            pass.answer(quiz::answerOf(given.isEmpty() ? "o" + QString::number(p) : given));
        }
        if (questions > 0) {
            int reads = 0;
            EXPECT_THROW(pass.score([&](int position) {
                if (++reads == questions) {
                    throw store::IoError("Read beyond end of file");
                }
                return pairAt(position);
            }),
                         store::IoError);
            EXPECT_TRUE(pass.scoringDue());
            EXPECT_EQ(pass.phase(), quiz::QuizPass::Phase::Asking);
        }
        const quiz::QuizPass::Score score = pass.score(pairAt);
        EXPECT_EQ(score.lines.size(), questions);
        EXPECT_EQ(score.right, row.right);
        EXPECT_EQ(score.lastWrong, row.lastWrong);
        EXPECT_EQ(score.lastWrongPair,
                  row.lastWrong > 0 ? pairAt(row.lastWrong) : store::WordRecord{});
        EXPECT_EQ(pass.phase(), quiz::QuizPass::Phase::Finished);
        EXPECT_EQ(pass.repeatsWrong(), row.right < questions);
    }
}

// A question's pair is read once, when its word is shown: an answer reads only the next pair.
TEST_F(QuizTest, AnAnswerReadsOnlyTheNextPair) {
    givenList(1, 1, kTen);
    for (QuizScreen* s : std::initializer_list<QuizScreen*>{&chosen(), &ten()}) {
        showMenu();
        openFromMenu(s);
        int reads = 0;
        store::setFaultHook([&reads](store::FileOp op, const std::string&) {
            reads += op == store::FileOp::Read;
            return 0;
        });
        type(s->edtFOR, QStringLiteral("fel"));
        click(s->buttNEXT);
        store::setFaultHook({});
        EXPECT_EQ(reads, 1) << (s == &ten() ? "ten" : "chosen");
    }
}
