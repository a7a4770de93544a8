#pragma once
// The two charts of the progress page, built once for the page and for the printed report: the
// answers per day (right and wrong, stacked) and the known words over time.

#include <QDate>
#include <QImage>
#include <QPalette>
#include <vector>

#include "memory/Progress.h"

class QChart;

namespace window {

// A date as the charts and the report show it.
QDate dateOfDay(int day);

// A chart of `days`, right answers under wrong ones; its bar sets are named "Rätt" and "Fel".
QChart* answersChart(const std::vector<memory::DayAnswers>& days);
// A chart of the known words per day.
QChart* knownChart(const std::vector<std::pair<int, int>>& known);

// Light or dark as `palette`'s window is, so that the chart reads in either.
void themeFor(QChart* chart, const QPalette& palette);

// `chart` laid out at `size` and drawn into a picture `sharpness` times as large, for print;
// takes the chart.
QImage pictureOf(QChart* chart, QSize size, int sharpness);

}  // namespace window
