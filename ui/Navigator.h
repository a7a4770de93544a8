#pragma once
// How a screen asks for another: by its name, through the program, which owns the screens and
// the screen position they share.

#include <QPoint>
#include <QString>

class QWidget;

namespace ui {

enum class ScreenId { Start, Menu, Editor, LearnList, QuizList, LearnTen, QuizTen, Info };

class Navigator {
  public:
    virtual ~Navigator() = default;
    // The screen `to` shows (its show handler runs) in the place of `from`, with `title` on its
    // title line when it has one; then `from` hides and `to` comes to the front.
    virtual void open(QWidget& from, ScreenId to, const QString& title = QString()) = 0;
    // Where the last hand-over put its screen: the place every screen shows at.
    virtual QPoint position() const = 0;
};

}  // namespace ui
