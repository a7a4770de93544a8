// The desktop layer: colours, text crossing, the real dialogs, Enter and the bracket keys.

#include <gtest/gtest.h>

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "store/File.h"
#include "tests/support/Fixture.h"
#include "ui/Dialogs.h"
#include "ui/Look.h"
#include "ui/Screen.h"
#include "ui/Text.h"
#include "ui/Widgets.h"

using namespace ui;

TEST(Look, ColoursAreBlueGreenRed) {
    EXPECT_EQ(bgr(16754386), QColor(0xD2, 0xA6, 0xFF));
    EXPECT_EQ(bgr(8421631), QColor(255, 128, 128));
    EXPECT_EQ(bgr(0x00FF0000), QColor(Qt::blue));
}

TEST(Look, WordFontIsFixedPitch) {
    EXPECT_TRUE(QFontInfo(typeface(Face::CourierNew, 19)).fixedPitch());
    EXPECT_EQ(typeface(Face::CourierNew, 19).pixelSize(), 19);
}

TEST(Text, CrossesToTheCodePageAndBack) {
    const QString swedish = QStringLiteral("Åsa äter rökt ål €");
    EXPECT_EQ(toStore(swedish), "\xC5sa \xE4ter r\xF6kt \xE5l \x80");
    EXPECT_EQ(fromStore(toStore(swedish)), swedish);
    EXPECT_TRUE(fitsCodePage(swedish));
    EXPECT_FALSE(fitsCodePage(QStringLiteral("zażółć")));
}

// The emblem the screens show was drawn when the program was built; it must be the picture the
// drawing code makes now, pixel for pixel, and the window icon is made from it.
TEST(Look, BuiltEmblemIsTheDrawnOne) {
    const QImage built = builtEmblem().toImage();
    EXPECT_EQ(built.size(), QSize(64, 64));
    EXPECT_EQ(built, emblem(64).toImage().convertToFormat(built.format()));
    EXPECT_EQ(windowIcon().pixmap(64).toImage(), built);
}

TEST(Text, PairLinesLineUpTheirSeparators) {
    EXPECT_EQ(pairLine(QString(30, u'a'), "x"), " " + QString(30, u'a') + " * x");
    EXPECT_EQ(pairLine("a", "x"), QString(30, u' ') + "a * x");
    EXPECT_EQ(pairLine("", "", " # "), QString(31, u' ') + " # ");
    EXPECT_EQ(pairLine("hus", "house").indexOf('*'), pairLine("å", "").indexOf('*'));
}

namespace {

// Answers the next modal box by reporting what it is and pressing a key on it.
struct BoxProbe {
    QString title, text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

    void answerWith(int key) {
        QTimer::singleShot(0, [this, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* b : box->buttons()) {
                buttons << b->text();
            }
            if (box->defaultButton()) {
                defaultButton = box->defaultButton()->text();
            }
            QTest::keyClick(box, static_cast<Qt::Key>(key));
        });
    }
};

}  // namespace

TEST(RealDialogs, ConfirmationHasYesAsDefaultAndEscapeForNo) {
    QtDialogs dialogs;
    BoxProbe probe;
    probe.answerWith(Qt::Key_Return);
    EXPECT_TRUE(dialogs.confirm(QStringLiteral("Avsluta programmet")));
    EXPECT_EQ(probe.title, "Confirm");
    EXPECT_EQ(probe.text, "Avsluta programmet");
    EXPECT_EQ(probe.icon, QMessageBox::Question);
    EXPECT_TRUE(probe.buttons.contains("&Yes") && probe.buttons.contains("&No"));
    EXPECT_EQ(probe.defaultButton, "&Yes");

    probe.answerWith(Qt::Key_Escape);
    EXPECT_FALSE(dialogs.confirm(QStringLiteral("Avsluta programmet")));
}

TEST(RealDialogs, NoticeInformationAndErrorCarryTheirTitles) {
    QtDialogs dialogs;
    BoxProbe probe;
    probe.answerWith(Qt::Key_Return);
    dialogs.notice(QStringLiteral("The file agen.dat is re-created"));
    EXPECT_EQ(probe.title, "ordlykta 2.00");
    EXPECT_EQ(probe.buttons, QStringList{"OK"});
    EXPECT_EQ(probe.icon, QMessageBox::NoIcon);

    probe = {};
    probe.answerWith(Qt::Key_Return);
    dialogs.information(QStringLiteral("x"));
    EXPECT_EQ(probe.title, "Information");
    EXPECT_EQ(probe.icon, QMessageBox::Information);

    probe = {};
    probe.answerWith(Qt::Key_Return);
    dialogs.error(QStringLiteral("File access denied"));
    EXPECT_EQ(probe.title, "ordlykta 2.00");
    EXPECT_EQ(probe.text, "File access denied");
    EXPECT_EQ(probe.icon, QMessageBox::Critical);
}

TEST(RealDialogs, InputBoxPreselectsItsTextAndRefusesForeignCharacters) {
    QtDialogs dialogs;
    QString title, selected;
    auto answer = [&](bool ok) {
        QTimer::singleShot(0, [&, ok] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            auto* edit = dialog->findChild<QLineEdit*>();
            selected = edit->selectedText();
            EXPECT_EQ(edit->maxLength(), 255);
            if (ok) {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("ż"),
                                    Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("ö"),
                                    Qt::NoModifier);
                QTest::keyClick(edit, Qt::Key_Return);
            } else {
                QTest::keyClick(edit, Qt::Key_Escape);
            }
        });
    };
    answer(true);
    EXPECT_EQ(dialogs.inputBox("Input Box", "Ange önskat namn för språket", "Språk A"),
              QStringLiteral("ö"));
    EXPECT_EQ(title, "Input Box");
    EXPECT_EQ(selected, "Språk A");
    answer(false);
    EXPECT_EQ(dialogs.inputBox("Input Box", "p", "Språk A"), std::nullopt);
}

namespace {

// A screen with a field, two buttons and the bracket mapping, to drive the shared behaviour.
class SampleScreen : public Screen {
  public:
    explicit SampleScreen(Context& c) : Screen(c, QStringLiteral("Prov"), 8421631) {
        edit = wordEdit(this, {10, 10, 200, 29});
        first =
            button(this, {10, 50, 100, 30}, QStringLiteral("&Spara"), typeface(Face::Verdana, 16));
        second =
            button(this, {120, 50, 100, 30}, QStringLiteral("&Annan"), typeface(Face::Verdana, 16));
        onClick(first, [this] { ++firstClicks; });
        onClick(second, [this] {
            ++secondClicks;
            throw store::IoError("Disk full");
        });
        setDefaultButton(first);
    }
    void FormShow() override { ++shows; }

    QLineEdit* edit;
    QPushButton* first;
    QPushButton* second;
    int firstClicks = 0, secondClicks = 0, shows = 0;
};

class ScreenTest : public ::testing::Test {
  protected:
    ScriptedDialogs dialogs;
    int quits = 0;
    Context context{dialogs, [this] { ++quits; }};
    SampleScreen screen{context};
    ~ScreenTest() override { dialogs.verifyAllShown(); }
};

}  // namespace

TEST(Widgets, LabelsShowTheirTextAsTyped) {
    // A list or language name that looks like markup is shown as it is, sign for sign: in the
    // fixed-pitch font it takes as much room as a text of as many signs that is no markup.
    QWidget parent;
    const QFont words = typeface(Face::CourierNew, 19);
    QLabel* tagged = label(&parent, {0, 0, 300, 24}, QStringLiteral(" <b>hus</b>"), words);
    QLabel* plain = label(&parent, {0, 30, 300, 24}, QStringLiteral(" <c>hus</c>"), words);
    EXPECT_EQ(tagged->sizeHint(), plain->sizeHint());
}

TEST_F(ScreenTest, FrameIsFixedWithCaptionIconAndNoMaximise) {
    EXPECT_EQ(screen.size(), QSize(792, 573));
    EXPECT_EQ(screen.minimumSize(), screen.maximumSize());
    EXPECT_EQ(screen.windowTitle(), "Prov");
    const QList<QSize> sizes = screen.windowIcon().availableSizes();
    for (int side : {16, 32, 48, 64}) {
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    }
    EXPECT_EQ(screen.windowIcon().cacheKey(), ui::windowIcon().cacheKey());
    EXPECT_TRUE(screen.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(screen.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(screen.palette().color(QPalette::Window), QColor(255, 128, 128));
}

TEST_F(ScreenTest, ShowHandlerRunsOnProgramShowsOnly) {
    screen.show();
    EXPECT_EQ(screen.shows, 1);
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    static_cast<QObject&>(screen).event(&restored);  // as the window system delivers it
    EXPECT_EQ(screen.shows, 1);
    screen.hide();
    screen.show();
    EXPECT_EQ(screen.shows, 2);
}

TEST_F(ScreenTest, EnterPressesTheFocusedButtonElseTheDefault) {
    screen.show();
    QTest::keyClick(screen.edit, Qt::Key_Return);
    EXPECT_EQ(screen.firstClicks, 1);
    dialogs.expectError(QStringLiteral("Disk full"));
    QTest::keyClick(screen.second, Qt::Key_Return);
    EXPECT_EQ(screen.secondClicks, 1);
    EXPECT_EQ(screen.firstClicks, 1);
    screen.first->setEnabled(false);
    QTest::keyClick(screen.edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(screen.firstClicks, 1);
}

TEST_F(ScreenTest, BracketsBecomeTheFourLettersWhereMapped) {
    screen.show();
    for (QChar c : QStringLiteral("[]{}a")) {
        QTest::sendKeyEvent(QTest::Click, screen.edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    EXPECT_EQ(screen.edit->text(), "[]{}a");
    screen.edit->clear();
    screen.setBracketMapping(true);
    for (QChar c : QStringLiteral("[]{}a")) {
        QTest::sendKeyEvent(QTest::Click, screen.edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    EXPECT_EQ(screen.edit->text(), QStringLiteral("Ç¿ç¡a"));
}

TEST_F(ScreenTest, WordFieldRefusesWhatTheFilesCannotHold) {
    screen.show();
    for (QChar c : QStringLiteral("łå€中")) {
        QTest::sendKeyEvent(QTest::Click, screen.edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    EXPECT_EQ(screen.edit->text(), QStringLiteral("å€"));
    EXPECT_EQ(screen.edit->maxLength(), 30);
}

TEST_F(ScreenTest, CloseBoxAsksBeforeEndingTheProgram) {
    screen.show();
    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), false);
    EXPECT_FALSE(screen.close());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(quits, 0);
    dialogs.expectConfirm(QStringLiteral("Avsluta programmet"), true);
    screen.close();
    EXPECT_EQ(quits, 1);
}
