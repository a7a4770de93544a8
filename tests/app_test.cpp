// The start screen, the eight screens of the program and the hand-over between them.

#include <QApplication>
#include <QScreen>

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

namespace {

class StartTest : public ProgramTest {
  protected:
    // Files of an earlier run, so that the menu has nothing to announce.
    StartTest() {
        store::createSettings();
        store::createWordList(1);
    }
    std::vector<QWidget*> all() {
        Screens& s = screens();
        return {s.start,    s.menu,        s.editor,     s.learnList,
                s.quizList, s.learnRandom, s.quizRandom, s.info};
    }
};

}  // namespace

TEST_F(StartTest, EightFixedScreensWithTheirCaptionsAndColours) {
    const std::vector<std::pair<QString, QColor>> expected = {
        {"Ordlykta 2.0 ELV", QColor(0xD2, 0xA6, 0xFF)},
        {"ordlykta 2.0 ELV", QColor(0xCB, 0xFF, 0x97)},
        {"ordlykta 2.0 ELV", QColor(0xFF, 0x80, 0x80)},
        {"ordlykta 2.0 ELV", QColor(0xC4, 0xC4, 0xFF)},
        {"Ordlykta 2.0 ELV", QColor(0xFF, 0xFF, 0xB3)},
        {"Ordlykta 2.0 ELV", QColor(0xC4, 0xC4, 0xFF)},
        {"Ordlykta 2.0  ELV", QColor(0xFF, 0xFF, 0xB3)},
        {"Ordlykta 2.0 ELV", QColor(0xD2, 0xA6, 0xFF)},
    };
    const auto screensInOrder = all();
    for (std::size_t i = 0; i < screensInOrder.size(); ++i) {
        QWidget* w = screensInOrder[i];
        EXPECT_EQ(w->windowTitle(), expected[i].first) << i;
        EXPECT_EQ(w->palette().color(QPalette::Window), expected[i].second) << i;
        EXPECT_EQ(w->size(), QSize(792, 573)) << i;
        EXPECT_FALSE(w->isVisible()) << i;
    }
}

TEST_F(StartTest, StartScreenOpensCentredWithFortsattFocused) {
    TForm1& start = *screens().start;
    start.showCentred();
    QApplication::setActiveWindow(&start);
    EXPECT_TRUE(start.isVisible());
    const QRect available = start.screen()->availableGeometry();
    EXPECT_LE(std::abs(start.geometry().center().x() - available.center().x()), 2);
    EXPECT_LE(std::abs(start.geometry().center().y() - available.center().y()), 2);
    EXPECT_EQ(start.focusWidget(), start.BitBtn1);
    EXPECT_EQ(start.BitBtn1->text(), "&Fortsätt");
    EXPECT_EQ(start.BitBtn1->geometry(), QRect(40, 448, 348, 81));
    EXPECT_EQ(start.Button2->text(), "&Avsluta");
    EXPECT_EQ(start.Button2->mapTo(&start, QPoint()), QPoint(32 + 364, 440 + 8));
    EXPECT_EQ(start.Label1->text(), "Ordlykta 2 ELV");
    EXPECT_EQ(start.Image1->pixmap().size(), QSize(64, 64));
    EXPECT_FALSE(start.lblPOSX->isVisible());
}

TEST_F(StartTest, FortsattPutsTheMenuWhereTheStartScreenStood) {
    TForm1& start = *screens().start;
    start.showCentred();
    start.move(123, 77);
    click(start.BitBtn1);
    EXPECT_FALSE(start.isVisible());
    QWidget* menu = screens().menu;
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(123, 77));
    EXPECT_EQ(start.lblPOSX->text(), "123");
    EXPECT_EQ(start.lblPOSY->text(), "77");
    int visible = 0;
    for (QWidget* w : all()) {
        visible += w->isVisible();
    }
    EXPECT_EQ(visible, 1);
}

TEST_F(StartTest, HandOverKeepsTheCornerBothWays) {
    TForm1& start = *screens().start;
    start.showCentred();
    click(start.BitBtn1);
    QWidget* menu = screens().menu;
    menu->move(200, 150);
    navigation().handOver(*menu, *screens().info);
    EXPECT_EQ(screens().info->pos(), QPoint(200, 150));
    EXPECT_FALSE(menu->isVisible());
    screens().info->move(40, 30);
    navigation().handOver(*screens().info, *menu);
    EXPECT_EQ(menu->pos(), QPoint(40, 30));
    EXPECT_FALSE(screens().info->isVisible());
}

TEST_F(StartTest, AvslutaAsksAndNoChangesNothing) {
    TForm1& start = *screens().start;
    start.showCentred();
    const QPoint place = start.pos();
    const QByteArray settings = fileBytes(QStringLiteral("agen.dat"));
    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), false);
    click(start.Button2);
    EXPECT_EQ(quitRequests, 0);
    EXPECT_TRUE(start.isVisible());
    EXPECT_EQ(start.pos(), place);
    EXPECT_EQ(fileBytes(QStringLiteral("agen.dat")), settings);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Confirm");

    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), true);
    click(start.Button2);
    EXPECT_EQ(quitRequests, 1);
}
