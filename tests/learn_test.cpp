// The learn screens: the chosen list and ten random pairs, on the shared learn screen.

#include <QFontInfo>
#include <QSet>
#include <QTest>
#include <cerrno>

#include "learn/LearnDrill.h"
#include "learn/Unit4.h"
#include "learn/Unit6.h"
#include "menu/Unit2.h"
#include "store/File.h"
#include "store/WordList.h"
#include "tests/support/Fixture.h"
#include "ui/Text.h"

namespace {

const QColor kLightBlue(0xDF, 0xDF, 0xFF);    // 16768991
const QColor kLightYellow(0xFF, 0xFF, 0xB3);  // 11796479
const QString kAgain = QStringLiteral("Visa glosorna igen");

std::uint64_t fixedClock() {
    return 4242;
}

// n pairs "svN" / "frN".
Pairs numbered(int n, const QString& prefix = QString()) {
    Pairs pairs;
    for (int i = 1; i <= n; ++i) {
        pairs.push_back({prefix + "sv" + QString::number(i), prefix + "fr" + QString::number(i)});
    }
    return pairs;
}

// The pair lines of these groups of pairs, one after the other.
QStringList pairLines(std::initializer_list<Pairs> groups) {
    QStringList all;
    for (const Pairs& pairs : groups) {
        all << ::pairLines(pairs);
    }
    return all;
}

QStringList lines(const learn::LearnScreen& s) {
    return linesOf(s.ListBox1);
}

QColor progressColour(const learn::LearnScreen& s) {
    return s.lblMESS->palette().color(QPalette::Window);
}

class LearnTest : public ProgramTest {
  protected:
    TForm4& learnList() { return *screens().learnList; }
    TForm6& learnRandom() { return *screens().learnRandom; }

    void openLearnList() {
        showMenu();
        openFromMenu(screens().learnList);
    }
    void openLearnRandom() {
        showMenu();
        openFromMenu(screens().learnRandom);
    }
    // Presses "&Fortsätt" and reports the progress line it leaves.
    QString next(learn::LearnScreen& s) {
        click(s.buttNEXT);
        return s.lblMESS->text();
    }
    // The line of the pair shown in the two word labels.
    static QString shownLine(const learn::LearnScreen& s) {
        return ui::pairLine(s.lblSVE->text(), s.lblFOR->text());
    }
};

}  // namespace

TEST_F(LearnTest, BothScreensStandOnTheSameLayout) {
    EXPECT_EQ(learnList().windowTitle(), "ordlykta 2.0 ELV");
    EXPECT_EQ(learnRandom().windowTitle(), "Ordlykta 2.0 ELV");
    for (learn::LearnScreen* s : {static_cast<learn::LearnScreen*>(&learnList()),
                                  static_cast<learn::LearnScreen*>(&learnRandom())}) {
        EXPECT_EQ(s->lblKAPITEL->geometry(), QRect(24, 16, 737, 24));
        EXPECT_EQ(s->lblKAPITEL->palette().color(QPalette::Window), QColor(0xE4, 0xFF, 0xCA));
        EXPECT_EQ(s->lblSVE->geometry(), QRect(28, 60, 335, 24));
        EXPECT_EQ(s->lblFOR->geometry(), QRect(428, 60, 335, 24));
        EXPECT_EQ(s->lblFOR->toolTip(), "Inlärning - tryck 'Fortsätt'");
        EXPECT_EQ(s->lblSVE->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_TRUE(QFontInfo(s->lblSVE->font()).fixedPitch());
        EXPECT_EQ(s->lblMESS->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        EXPECT_EQ(s->ListBox1->geometry(), QRect(24, 136, 738, 314));
        EXPECT_FALSE(s->ListBox1->focusPolicy() & Qt::TabFocus);
        EXPECT_EQ(s->Panel1->palette().color(QPalette::Window), kLightBlue);
        EXPECT_EQ(s->buttNEXT->text(), "&Fortsätt");
        EXPECT_EQ(s->buttNEXT->mapTo(s, QPoint()), QPoint(24 + 40, 464 + 16));
        EXPECT_EQ(s->buttMENU->text(), "&Meny");
        EXPECT_FALSE(s->buttMENU->icon().isNull());
        EXPECT_EQ(s->buttEXIT->text(), "&Avsluta");
        EXPECT_EQ(s->buttEXIT->mapTo(s, QPoint()), QPoint(24 + 504, 464 + 16));
        EXPECT_EQ(s->defaultButton(), s->buttNEXT);
        EXPECT_TRUE(s->lblNTAL->isHidden());
    }
    EXPECT_EQ(learnList().lblNTAL->geometry(), QRect(768, 88, 25, 13));
    EXPECT_EQ(learnRandom().lblNTAL->geometry(), QRect(767, 88, 25, 13));
    EXPECT_EQ(learnRandom().lblTOTALANTAL->geometry(), QRect(767, 112, 25, 13));
    EXPECT_EQ(learnRandom().lblTOTALANTAL->text(), "0");
    EXPECT_TRUE(learnRandom().lblTOTALANTAL->isHidden());
}

TEST_F(LearnTest, OnePairIsRevealedAtOnceAndOfferedAgain) {
    givenList(1, 1, {{"hus", "house"}});
    openLearnList();
    TForm4& s = learnList();
    ASSERT_TRUE(s.isVisible());
    EXPECT_EQ(s.lblNTAL->text(), "1");
    EXPECT_EQ(s.lblSVE->text(), "hus");
    EXPECT_EQ(s.lblFOR->text(), "");
    EXPECT_EQ(s.lblMESS->text(), " 0 av 1 ordpar visade.");
    EXPECT_EQ(progressColour(s), kLightBlue);
    EXPECT_EQ(s.focusWidget(), s.buttNEXT);

    EXPECT_EQ(next(s), " 1 av 1 ordpar visade.");
    EXPECT_EQ(s.lblFOR->text(), "house");
    EXPECT_EQ(lines(s), QStringList{QString(28, u' ') + "hus * house"});
    EXPECT_EQ(s.ListBox1->currentRow(), 0);
    EXPECT_EQ(progressColour(s), kLightYellow);

    // No leaves everything as it is, and the next press asks again.
    dialogs.expectConfirm(kAgain, false);
    EXPECT_EQ(next(s), " 1 av 1 ordpar visade.");
    dialogs.expectConfirm(kAgain, false);
    EXPECT_EQ(next(s), " 1 av 1 ordpar visade.");
    EXPECT_EQ(s.lblSVE->text(), "hus");
    EXPECT_EQ(s.lblFOR->text(), "house");
    EXPECT_EQ(lines(s).size(), 1);
    EXPECT_EQ(s.ListBox1->currentRow(), 0);
    EXPECT_EQ(progressColour(s), kLightYellow);

    // Yes starts again: an empty list, the first Swedish word, light blue.
    dialogs.expectConfirm(kAgain, true);
    EXPECT_EQ(next(s), " 0 av 1 ordpar visade.");
    EXPECT_TRUE(lines(s).isEmpty());
    EXPECT_EQ(s.lblSVE->text(), "hus");
    EXPECT_EQ(s.lblFOR->text(), "");
    EXPECT_EQ(progressColour(s), kLightBlue);
    EXPECT_EQ(next(s), " 1 av 1 ordpar visade.");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].title, "Confirm");
}

TEST_F(LearnTest, ThreePairsTakeFivePressesInTheOrderDrawn) {
    const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyzåäöA");
    const Pairs pairs = {{"ett", "one"}, {"två", "två på engelska"}, {thirty, "long"}};
    givenList(2, 7, pairs);
    givenSettings(2, {1, 7, 1});
    learnList().random() = drill::Random(fixedClock);
    openLearnList();
    TForm4& s = learnList();

    // The screen follows the list order that its random source gives.
    drill::Random same(fixedClock);
    drill::ListOrder expected;
    expected.build(3, same);
    EXPECT_EQ(s.order().entry, expected.entry);
    auto pairOfStep = [&](int step) { return pairs[std::size_t(expected.entry[step] - 1)]; };
    EXPECT_EQ(s.lblSVE->text(), pairOfStep(1).first);

    const QStringList progress = {"1", "1", "2", "2", "3"};
    const std::vector<int> lineCounts = {1, 1, 2, 2, 3};
    for (int p = 0; p < 5; ++p) {
        SCOPED_TRACE(p + 1);
        // Enter on a control that is no button presses "&Fortsätt" as well.
        if (p == 2) {
            press(s.ListBox1, Qt::Key_Return);
        } else {
            click(s.buttNEXT);
        }
        EXPECT_EQ(s.lblMESS->text(), " " + progress[p] + " av 3 ordpar visade.");
        ASSERT_EQ(s.ListBox1->count(), lineCounts[std::size_t(p)]);
        EXPECT_EQ(s.ListBox1->currentRow(), s.ListBox1->count() - 1);
        const int step = p / 2 + 1;
        if (p % 2 == 0) {  // revealed
            EXPECT_EQ(s.lblSVE->text(), pairOfStep(step).first);
            EXPECT_EQ(s.lblFOR->text(), pairOfStep(step).second);
            EXPECT_EQ(lines(s).last(), shownLine(s));
        } else {  // the next Swedish word alone
            EXPECT_EQ(s.lblSVE->text(), pairOfStep(step + 1).first);
            EXPECT_EQ(s.lblFOR->text(), "");
        }
        EXPECT_EQ(progressColour(s), p == 4 ? kLightYellow : kLightBlue);
    }
    EXPECT_EQ(s.position(), drill::kFinished);
    EXPECT_EQ(s.stepState(), learn::kDrillFinished);
    // Every pair once; the 30-letter word has one space in front, the separators line up.
    const QStringList shown = lines(s);
    EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()).size(), 3);
    EXPECT_TRUE(shown.contains(" " + thirty + " * long"));
    EXPECT_TRUE(shown.contains(QString(28, u' ') + "två * två på engelska"));
    for (const QString& line : shown) {
        EXPECT_EQ(line.indexOf(" * "), 31) << line.toStdString();
    }
}

TEST_F(LearnTest, LeavingMidDrillAndComingBackStartsAfresh) {
    givenList(1, 1, numbered(3));
    openLearnList();
    TForm4& s = learnList();
    next(s);
    next(s);
    next(s);
    EXPECT_EQ(s.ListBox1->count(), 2);
    click(s.buttMENU);
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(screens().menu->isVisible());

    openFromMenu(&s);
    EXPECT_TRUE(lines(s).isEmpty());
    EXPECT_EQ(s.lblFOR->text(), "");
    EXPECT_EQ(s.lblMESS->text(), " 0 av 3 ordpar visade.");
    EXPECT_EQ(progressColour(s), kLightBlue);
    for (int press = 1; press <= 4; ++press) {
        next(s);
    }
    EXPECT_EQ(next(s), " 3 av 3 ordpar visade.");
    EXPECT_EQ(progressColour(s), kLightYellow);
}

TEST_F(LearnTest, WordLabelsOnlyExplainAndAvslutaAsks) {
    givenList(1, 1, numbered(2));
    openLearnList();
    TForm4& s = learnList();
    next(s);
    const QString sve = s.lblSVE->text(), mess = s.lblMESS->text();
    const QString explanation = QStringLiteral(
        "Inlärningsläge. Inget skall skrivas. Klicka \"Fortsätt\" för att visa orden. Begrunda "
        "sambandet, upprepa.");
    dialogs.expectInformation(explanation);
    dialogs.expectInformation(explanation);
    QTest::mouseClick(s.lblSVE, Qt::LeftButton);
    QTest::mouseClick(s.lblFOR, Qt::LeftButton);
    EXPECT_EQ(s.lblSVE->text(), sve);
    EXPECT_EQ(s.lblMESS->text(), mess);
    EXPECT_EQ(s.ListBox1->count(), 1);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, "Information");

    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), false);
    click(s.buttEXIT);
    EXPECT_EQ(quitRequests, 0);
    EXPECT_TRUE(s.isVisible());
}

TEST_F(LearnTest, NewestLineStaysInView) {
    givenList(1, 1, numbered(40));
    openLearnList();
    TForm4& s = learnList();
    for (int press = 1; press <= 79; ++press) {
        next(s);
        if (press % 2 == 1) {
            QListWidgetItem* newest = s.ListBox1->item(s.ListBox1->count() - 1);
            ASSERT_EQ(s.ListBox1->currentItem(), newest) << press;
            EXPECT_TRUE(newest->isSelected());
            EXPECT_TRUE(s.ListBox1->viewport()->rect().contains(s.ListBox1->visualItemRect(newest)))
                << press;
        }
    }
    EXPECT_EQ(s.lblMESS->text(), " 40 av 40 ordpar visade.");
}

TEST_F(LearnTest, ReadFailureEndsThePressAndTheNextOneTriesAgain) {
    givenList(1, 1, numbered(2));
    openLearnList();
    TForm4& s = learnList();
    {
        FaultInjection failure(store::FileOp::Read, EIO);
        dialogs.expectError(QStringLiteral("I/O error 5"));
        click(s.buttNEXT);
    }
    EXPECT_EQ(s.ListBox1->count(), 0);
    EXPECT_EQ(s.lblMESS->text(), " 0 av 2 ordpar visade.");
    EXPECT_EQ(next(s), " 1 av 2 ordpar visade.");
    EXPECT_EQ(lines(s).last(), shownLine(s));
}

TEST_F(LearnTest, TenRandomDrawsTenDifferentPairsOfListsOneToNinetyEight) {
    givenList(1, 1, numbered(4, "a"));
    givenList(1, 5, numbered(12, "b"));
    // Pairs in lists 0 and 99 belong to no drill.
    givenList(1, 0, numbered(20, "x"));
    givenList(1, 99, numbered(20, "y"));
    givenSettings(1, {5, 1, 1});
    const QStringList allowed = pairLines({numbered(4, "a"), numbered(12, "b")});
    openLearnRandom();
    TForm6& s = learnRandom();
    EXPECT_EQ(screens().menu->lblTOTALANTAL->text(), "16");
    EXPECT_EQ(s.lblTOTALANTAL->text(), "16");
    EXPECT_EQ(s.lblNTAL->text(), "10");
    EXPECT_EQ(s.lblMESS->text(), " 0 av 10 ordpar visade.");

    for (int press = 1; press <= 18; ++press) {
        EXPECT_EQ(next(s), QStringLiteral(" %1 av 10 ordpar visade.").arg((press + 1) / 2));
        EXPECT_EQ(progressColour(s), kLightBlue);
    }
    EXPECT_EQ(next(s), " 10 av 10 ordpar visade.");
    EXPECT_EQ(progressColour(s), kLightYellow);
    const QStringList shown = lines(s);
    EXPECT_EQ(shown.size(), 10);
    EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()).size(), 10);
    for (const QString& line : shown) {
        EXPECT_TRUE(allowed.contains(line)) << line.toStdString();
    }

    // Again: a new draw, read from the file anew.
    dialogs.expectConfirm(kAgain, true);
    EXPECT_EQ(next(s), " 0 av 10 ordpar visade.");
    EXPECT_TRUE(lines(s).isEmpty());
    EXPECT_EQ(s.lblFOR->text(), "");
}

TEST_F(LearnTest, TenPairsInTheLanguageAreAllShownInANewOrderEachTime) {
    givenList(3, 40, numbered(6));
    givenList(3, 41, numbered(4, "c"));
    givenSettings(3, {1, 1, 40});
    TForm6& s = learnRandom();
    std::vector<QStringList> drills;
    for (int round = 0; round < 3; ++round) {
        if (round < 2) {
            openLearnRandom();  // the second time after "&Meny"
        } else {
            dialogs.expectConfirm(kAgain, true);
            next(s);
        }
        for (int press = 1; press <= 19; ++press) {
            next(s);
        }
        drills.push_back(lines(s));
        EXPECT_EQ(s.lblMESS->text(), " 10 av 10 ordpar visade.");
        if (round == 0) {
            click(s.buttMENU);
        }
    }
    QStringList all = pairLines({numbered(6), numbered(4, "c")});
    all.sort();
    for (QStringList drill : drills) {
        EXPECT_NE(drill, all);  // shown in the order drawn, not in a fixed one ...
        drill.sort();
        EXPECT_EQ(drill, all);  // ... and every pair once
    }
    EXPECT_NE(drills[0], drills[1]);
    EXPECT_NE(drills[1], drills[2]);
}

TEST_F(LearnTest, TenRandomFollowsItsOwnRandomSource) {
    givenList(1, 3, numbered(30));
    givenList(1, 9, numbered(30, "n"));
    learnRandom().random() = drill::Random(fixedClock);
    openLearnRandom();
    TForm6& s = learnRandom();
    drill::Random same(fixedClock);
    drill::TenRandomOrder expected;
    const auto counts = drill::readListCounts(1);
    expected.build([&](int list) { return counts[std::size_t(list)]; }, same);
    EXPECT_EQ(s.order().chosen, expected.chosen);
    const store::WordRecord first = store::readPair(1, expected.listOf(1), expected.slotOf(1));
    EXPECT_EQ(s.lblSVE->text(), ui::fromStore(first.first));
    // The chosen-list screen's drill is its own.
    EXPECT_EQ(learnList().position(), 0);
}

// The menu offers ten random pairs only from ten pairs on, but a file changed behind its back
// may hold fewer: the drill then shows the pairs there are, and with none it does nothing.
TEST_F(LearnTest, FewerThanTenPairsAreDrilledAsTheyAre) {
    givenList(1, 60, numbered(3));
    openLearnRandom();
    TForm6& s = learnRandom();
    EXPECT_EQ(s.lblNTAL->text(), "3");
    EXPECT_EQ(s.lblMESS->text(), " 0 av 3 ordpar visade.");
    for (int press = 1; press <= 4; ++press) {
        next(s);
    }
    EXPECT_EQ(next(s), " 3 av 3 ordpar visade.");
    EXPECT_EQ(progressColour(s), kLightYellow);
    EXPECT_EQ(lines(s).size(), 3);

    click(s.buttMENU);
    givenList(1, 60, {});
    openFromMenu(&s);
    EXPECT_EQ(s.lblNTAL->text(), "0");
    EXPECT_EQ(s.lblSVE->text(), "");
    EXPECT_EQ(s.lblMESS->text(), " 0 av 0 ordpar visade.");
    EXPECT_EQ(next(s), " 0 av 0 ordpar visade.");
    EXPECT_TRUE(lines(s).isEmpty());

    // The same for the chosen list when its header says it is empty.
    click(s.buttMENU);
    openFromMenu(&learnList());
    EXPECT_EQ(learnList().lblSVE->text(), "");
    EXPECT_EQ(next(learnList()), " 0 av 0 ordpar visade.");
    EXPECT_TRUE(dialogs.shown.empty());
}

// Words are shown exactly as stored, also when they look like markup.
TEST_F(LearnTest, WordsAreShownAsTheyAreStored) {
    const QString swedish = "<b>hus</b>", foreign = "<i>house</i>";
    givenList(1, 1, {{swedish, foreign}});
    openLearnList();
    TForm4& s = learnList();
    next(s);
    for (QLabel* shown : {static_cast<QLabel*>(s.lblSVE), static_cast<QLabel*>(s.lblFOR)}) {
        EXPECT_GE(shown->sizeHint().width(),
                  QFontMetrics(shown->font()).horizontalAdvance(shown->text()));
    }
    EXPECT_EQ(s.lblFOR->text(), foreign);
}

// The drill without a screen: each row starts a drill over n pairs "sN" / "oN" and presses on;
// `fail` makes the read of that press fail, which must leave the drill as it was.
TEST(LearnDrillTest, PressesRevealAndMoveOnUntilEveryPairIsShown) {
    using Stage = learn::LearnDrill::Stage;
    struct Row {
        int n;
        int presses;
        int failingPress;  // 0: none
        int lines;
        QString swedish;
        QString other;
        QString progress;
        Stage stage;
    };
    const Row rows[] = {
        {3, 0, 0, 0, "s1", "", " 0 av 3 ordpar visade.", Stage::Running},
        {3, 1, 0, 1, "s1", "o1", " 1 av 3 ordpar visade.", Stage::Running},
        {3, 2, 0, 1, "s2", "", " 1 av 3 ordpar visade.", Stage::Running},
        {3, 3, 3, 1, "s2", "", " 1 av 3 ordpar visade.", Stage::Running},
        {3, 4, 0, 2, "s3", "", " 2 av 3 ordpar visade.", Stage::Running},
        {3, 5, 0, 3, "s3", "o3", " 3 av 3 ordpar visade.", Stage::AllShown},
        {3, 9, 0, 3, "s3", "o3", " 3 av 3 ordpar visade.", Stage::AllShown},
        {1, 1, 0, 1, "s1", "o1", " 1 av 1 ordpar visade.", Stage::AllShown},
        {0, 2, 0, 0, "", "", " 0 av 0 ordpar visade.", Stage::Running},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("n %1, %2 presses").arg(row.n).arg(row.presses).toStdString());
        int press = 0;
        const auto pairOf = [&press, &row](int step) {
            if (row.failingPress > 0 && press == row.failingPress) {
                throw store::IoError("Read beyond end of file");
            }
            const QString number = QString::number(step);
            return store::WordRecord{0, ui::toStore("s" + number), ui::toStore("o" + number)};
        };
        int closes = 0;
        learn::LearnDrill d;
        d.restart();
        d.show(row.n, pairOf, [&closes] { ++closes; });
        for (press = 1; press <= row.presses; ++press) {
            if (press == row.failingPress) {
                EXPECT_THROW(d.press(pairOf, [] {}), store::IoError);
            } else {
                d.press(pairOf, [&closes] { ++closes; });
            }
        }
        EXPECT_EQ(d.lines().size(), row.lines);
        if (row.lines > 0) {
            const QString n = QString::number(row.lines);
            EXPECT_EQ(d.lines().back(), ui::pairLine("s" + n, "o" + n));
            EXPECT_EQ(d.newestLine(), row.lines - 1);
        }
        EXPECT_EQ(d.swedish(), row.swedish);
        EXPECT_EQ(d.other(), row.other);
        EXPECT_EQ(d.progress(), row.progress);
        EXPECT_EQ(d.stage(), row.stage);
        EXPECT_EQ(d.offersAgain(), row.stage == Stage::AllShown);
        // The file is let go once a press has read, and a failed press reads nothing more.
        EXPECT_EQ(closes, 1 + (row.n > 0 ? row.presses : 0) - (row.failingPress > 0 ? 1 : 0));
    }
}
