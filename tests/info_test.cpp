// The info screen: five help pages, paged one at a time, kept while the user is away.

#include <QApplication>
#include <QBuffer>
#include <QTest>
#include <QToolButton>

#include "info/Pages.h"
#include "info/Unit8.h"
#include "menu/Unit2.h"
#include "tests/support/Fixture.h"

namespace {

class InfoTest : public ProgramTest {
  protected:
    InfoTest() {
        givenSettings();
        showMenu();
        openFromMenu(screens().info);
    }

    TForm8& info() { return *screens().info; }

    std::vector<QLabel*> pictures() {
        return {info().Image1, info().Image2, info().Image3, info().Image4, info().Image5};
    }

    // The number of the one page picture on display; 0 unless exactly one is visible.
    int pageOnDisplay() {
        int page = 0;
        int visible = 0;
        for (int i = 0; i < 5; ++i) {
            if (pictures()[std::size_t(i)]->isVisible()) {
                page = i + 1;
                ++visible;
            }
        }
        return visible == 1 ? page : 0;
    }

    // Page, counter and arrow states agree with what the user should see on that page.
    void expectPage(int page) {
        EXPECT_EQ(pageOnDisplay(), page);
        EXPECT_EQ(info().lblSIDA->text(), QString::number(page));
        EXPECT_EQ(info().SpeedButton2->isEnabled(), page > 1) << "Bakåt on page " << page;
        EXPECT_EQ(info().SpeedButton1->isEnabled(), page < 5) << "Framåt on page " << page;
    }
};

// Only black and white pixels, and how many of them are black.
int blackPixels(const QImage& picture, bool* onlyBlackAndWhite) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    int black = 0;
    *onlyBlackAndWhite = true;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            if (c == qRgb(0, 0, 0)) {
                ++black;
            } else if (c != qRgb(255, 255, 255)) {
                *onlyBlackAndWhite = false;
            }
        }
    }
    return black;
}

// No black pixel closer to the picture's edge than `margin`.
bool marginsBlank(const QImage& picture, int margin) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool inside = x >= margin && x < picture.width() - margin && y >= margin &&
                                y < picture.height() - margin;
            if (!inside && picture.pixelIndex(x, y) == 0) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST_F(InfoTest, OpensOnPageOneWithTheLayoutOfTheScreen) {
    TForm8& form = info();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Ordlykta 2.0 ELV");
    expectPage(1);

    const auto at = [&form](QWidget* w) { return QRect(w->mapTo(&form, QPoint()), w->size()); };
    EXPECT_EQ(at(form.Panel2), QRect(40, 24, 721, 409));
    EXPECT_EQ(form.Panel2->palette().color(QPalette::Window), QColor(Qt::white));
    for (QLabel* picture : pictures()) {
        EXPECT_EQ(at(picture), QRect(60, 44, 680, 333));
    }
    EXPECT_EQ(form.Image1->pixmap().size(), QSize(680, 333));
    EXPECT_EQ(at(form.SpeedButton2), QRect(232, 384, 145, 41));
    EXPECT_EQ(at(form.SpeedButton1), QRect(416, 384, 145, 41));
    EXPECT_EQ(at(form.Panel1), QRect(40, 461, 721, 97));
    EXPECT_EQ(form.Panel1->palette().color(QPalette::Window), QColor(0xEB, 0xD7, 0xFF));
    EXPECT_EQ(at(form.buttINFO), QRect(64, 477, 320, 60));
    EXPECT_EQ(at(form.buttEXIT), QRect(416, 477, 320, 60));
    EXPECT_FALSE(form.lblSIDA->isVisible());

    for (QToolButton* arrow : {form.SpeedButton1, form.SpeedButton2}) {
        EXPECT_TRUE(arrow->autoRaise());
        EXPECT_EQ(arrow->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(arrow->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        EXPECT_EQ(arrow->iconSize(), QSize(28, 13));
        EXPECT_FALSE(arrow->icon().isNull());
    }
    EXPECT_EQ(form.SpeedButton1->text(), "&Framåt");
    EXPECT_EQ(form.SpeedButton2->text(), "&Bakåt");
    EXPECT_EQ(form.buttINFO->text(), "&Menu");
    EXPECT_FALSE(form.buttINFO->icon().isNull());
    EXPECT_EQ(form.buttEXIT->text(), "&Avsluta");
}

TEST_F(InfoTest, ArrowsPageOneAtATimeBetweenTheFirstAndTheLastPage) {
    for (int page = 2; page <= 5; ++page) {
        click(info().SpeedButton1);
        expectPage(page);
    }
    // Forward on the last page changes nothing, should it ever be called.
    info().SpeedButton1Click();
    expectPage(5);
    for (int page = 4; page >= 1; --page) {
        click(info().SpeedButton2);
        expectPage(page);
    }
    info().SpeedButton2Click();
    expectPage(1);
    // A page counter that is no page moves nothing.
    info().lblSIDA->setText(QStringLiteral("7"));
    info().SpeedButton1Click();
    info().SpeedButton2Click();
    EXPECT_EQ(info().lblSIDA->text(), "7");
    EXPECT_EQ(pageOnDisplay(), 1);
}

TEST_F(InfoTest, AccessKeysPageWithoutTakingTheFocus) {
    TForm8& form = info();
    QApplication::setActiveWindow(&form);
    form.buttINFO->setFocus();

    QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.lblSIDA->text() == "2"; }));
    QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.lblSIDA->text() == "3"; }));
    QTest::keyClick(&form, Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.lblSIDA->text() == "2"; }));
    expectPage(2);

    // The arrows never take the focus, neither by their keys nor by Tab.
    EXPECT_EQ(form.focusWidget(), form.buttINFO);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        EXPECT_NE(form.focusWidget(), form.SpeedButton1);
        EXPECT_NE(form.focusWidget(), form.SpeedButton2);
    }
}

TEST_F(InfoTest, PageSurvivesLeavingForTheMenuAndComingBack) {
    TForm8& form = info();
    form.move(150, 90);
    click(form.SpeedButton1);
    click(form.SpeedButton1);
    expectPage(3);

    click(form.buttINFO);
    EXPECT_FALSE(form.isVisible());
    ASSERT_TRUE(screens().menu->isVisible());
    EXPECT_EQ(screens().menu->pos(), QPoint(150, 90));

    openFromMenu(&form);
    EXPECT_TRUE(form.isVisible());
    expectPage(3);
    EXPECT_EQ(form.Image3->pixmap().size(), QSize(680, 333));

    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), false);
    click(form.buttEXIT);
    EXPECT_EQ(quitRequests, 0);
    EXPECT_TRUE(form.isVisible());
    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), true);
    click(form.buttEXIT);
    EXPECT_EQ(quitRequests, 1);
}

TEST_F(InfoTest, EachPageIsAOneBitPictureOfTextWithinItsMargins) {
    std::vector<QImage> seen;
    for (int page = 1; page <= 5; ++page) {
        SCOPED_TRACE(page);
        const QImage picture = info::renderPage(page);
        EXPECT_EQ(picture.size(), QSize(680, 333));
        EXPECT_EQ(picture.format(), QImage::Format_Mono);
        EXPECT_EQ(picture.colorTable(), QList<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        bool twoColours = false;
        const int black = blackPixels(picture, &twoColours);
        EXPECT_TRUE(twoColours);
        // A page of text, not a blank page nor a black one.
        EXPECT_GT(black, 5000);
        EXPECT_LT(black, 680 * 333 / 5);
        EXPECT_TRUE(marginsBlank(picture, 12)) << "text runs into the margin";
        for (const QImage& other : seen) {
            EXPECT_NE(picture, other);
        }
        seen.push_back(picture);

        // Stored as a device-independent bitmap it takes 62 bytes of headers and palette and
        // 333 rows of 88 bytes.
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.save(&buffer, "BMP"));
        EXPECT_EQ(bytes.size(), 29366);

        EXPECT_FALSE(info::pageText(page).isEmpty());
    }

    // What the screen shows is that picture, black on white.
    for (int page = 1; page <= 5; ++page) {
        QLabel* shown = pictures()[std::size_t(page - 1)];
        ASSERT_EQ(pageOnDisplay(), page);
        bool twoColours = false;
        blackPixels(shown->pixmap().toImage(), &twoColours);
        EXPECT_TRUE(twoColours) << page;
        EXPECT_EQ(shown->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                  seen[std::size_t(page - 1)].convertToFormat(QImage::Format_RGB32))
            << page;
        if (page < 5) {
            click(info().SpeedButton1);
        }
    }
}

// The page about the files says where they are, as the program sees its folder when the page
// is made, even a folder whose path is wider than the page, how to back them up, and the
// words' window.
TEST_F(InfoTest, FilesPageNamesTheWorkingFolderAndTheBackupCommands) {
    const QString deep = QDir::current().filePath(QString(60, u'm') + u'/' + QString(60, u'n'));
    ASSERT_TRUE(QDir().mkpath(deep));
    for (const QString& folder : {QDir::currentPath(), deep}) {
        ASSERT_TRUE(QDir::setCurrent(folder));
        const QString text = info::pageText(5);
        EXPECT_TRUE(text.contains(QStringLiteral("\n") + QDir::currentPath() + u'\n'))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("”ordlykta backup”")));
        EXPECT_TRUE(text.contains(QStringLiteral("”ordlykta restore”")));
        EXPECT_TRUE(text.contains(QStringLiteral("Fönstret ”Ordlykta ordlistor”")));
        EXPECT_TRUE(marginsBlank(info::renderPage(5), 12)) << "text runs into the margin";
    }
}
