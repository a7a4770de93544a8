#pragma once
// Small helpers the pages build their controls with.

#include <QColor>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace window {

// `widget` with the name a screen reader says.
template <typename W>
W* named(W* widget, const QString& name) {
    widget->setAccessibleName(name);
    return widget;
}

// A label whose access key moves to `buddy`, which takes the label's words as its name.
inline QLabel* labelFor(QWidget* buddy, const QString& text) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    QString name = text;
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    buddy->setAccessibleName(name);
    return label;
}

// `label` in `text` colour, on a `background` with a thin frame and a margin of half a line when
// one is given.
inline QLabel* coloured(QLabel* label, QColor text, QColor background = {}) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        label->setAutoFillBackground(true);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setMargin(label->fontMetrics().height() / 2);
    }
    label->setPalette(palette);
    return label;
}

// A backup's time as the pages show it: "2026-12-07 13:15:00", local time.
inline QString shownTime(const QDateTime& time) {
    return QLocale().toString(time, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Puts `names` into `box` again, keeping the chosen row, without telling anyone.
inline void refill(QComboBox* box, const QStringList& names) {
    const int current = std::max(0, box->currentIndex());
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(names);
    box->setCurrentIndex(current);
}

}  // namespace window
