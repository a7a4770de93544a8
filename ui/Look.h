#pragma once
// Colours, fonts and the pictures the screens draw with.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

class QWidget;

namespace ui {

// Colours are given as 0x00BBGGRR: red in the low byte.
QColor bgr(quint32 value);
// Fills the widget's background with the colour.
void setBackground(QWidget* widget, quint32 value);

enum class Face { SansSerif, Verdana, CourierNew, LucidaSans };
// The named face at a character height in pixels; Courier New stays fixed-pitch whatever
// face stands in for it.
QFont typeface(Face face, int pixelSize);
// The screens' default font, MS Sans Serif at a size in points.
QFont screenFont(int points);

enum class Glyph { Continue, Save, Learn, Quiz, Info, Menu };
QPixmap glyph(Glyph kind);             // 16 x 16
QPixmap arrowGlyph(bool pointsRight);  // 28 x 13, blue
QPixmap emblem(int size);              // the program's emblem, square, drawn now
// The 64-pixel emblem as it was drawn when the program was built: no font is looked up for it.
QPixmap builtEmblem();
// Every screen's icon: the built emblem at 64, 48, 32 and 16 pixels.
QIcon windowIcon();

}  // namespace ui
