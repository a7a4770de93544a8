#pragma once
// The controls of the screens, made with their place, caption, font and colour in one call.

#include <QAbstractItemView>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/Look.h"

namespace ui {

// A label that reports clicks and can carry a background colour.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    void setBackgroundBgr(quint32 value);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

ClickLabel* label(QWidget* parent, const QRect& place, const QString& text, const QFont& font);
// A label that holds state and is never shown.
QLabel* hiddenLabel(QWidget* parent, const QRect& place, const QString& text);

enum class Bevel { None, Raised, Lowered };
QFrame* panel(QWidget* parent, const QRect& place, quint32 colour, Bevel bevel = Bevel::None);
// A one-pixel black outline that lets clicks through.
QFrame* outline(QWidget* parent, const QRect& place);

QPushButton* button(QWidget* parent, const QRect& place, const QString& caption, const QFont& font);
QPushButton* glyphButton(QWidget* parent, const QRect& place, const QString& caption,
                         const QFont& font, const QPixmap& glyph);

// A one-line field for a word: fixed-pitch, at most `maxLength` characters, only characters
// the files can hold.
QLineEdit* wordEdit(QWidget* parent, const QRect& place, int maxLength = 30);

// The pieces of the frame the learn and quiz screens share, each made where both screens make it.
// The title line at the top, with a background colour.
ClickLabel* titleLine(QWidget* screen, quint32 colour);
// The Swedish word, white; its name is the word it shows, "svenska" its description.
ClickLabel* swedishWord(QWidget* screen);
// The message line under the words, centred.
ClickLabel* messageLine(QWidget* screen);
// The panel at the foot with "&Fortsätt", "&Meny" and "&Avsluta", buttons `height` high.
struct DrillButtons {
    QFrame* panel;
    QPushButton* next;
    QPushButton* menu;
    QPushButton* exit;
};
DrillButtons drillButtons(QWidget* screen, quint32 colour, const QFont& nextFont, int height);

// A list of pair lines: fixed-pitch, one line 21 pixels high, single selection.
QListWidget* pairList(QWidget* parent, const QRect& place);
// Makes a list the caller created, perhaps of its own subclass, a list of pair lines.
void makePairList(QListWidget* list, const QRect& place);
// Makes every line of a list view, or of a drop-down's list, as high as a pair line.
void setPairLineHeight(QAbstractItemView* view);

}  // namespace ui
