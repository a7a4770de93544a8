#pragma once
// The way between the screens: opens a screen by its name in the place of another and keeps
// the screen position they share.

#include <QLabel>
#include <QPoint>

#include "app/Screens.h"
#include "ui/Navigator.h"

class Navigation : public ui::Navigator {
  public:
    explicit Navigation(Screens& screens) : screens_(screens) {}

    void open(QWidget& from, ui::ScreenId to, const QString& title = QString()) override;
    QPoint position() const override { return position_; }

    // The hand-over itself: `to` shows (its show handler runs) and takes the place of `from`,
    // then `from` hides and `to` comes to the front.
    void handOver(QWidget& from, QWidget& to);

  private:
    // A screen and its title line, where it has one.
    struct Target {
        QWidget& screen;
        QLabel* title;
    };
    Target find(ui::ScreenId id) const;

    Screens& screens_;
    QPoint position_;
};
