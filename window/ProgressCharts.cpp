#include "window/ProgressCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "window/Text.h"

namespace window {
namespace {

// Green and red that read on a light and on a dark background.
const QColor kRight(0x2e, 0x9e, 0x4f);
const QColor kWrong(0xd6, 0x45, 0x45);

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// A whole-number axis from 0 that shows at least `top`.
QValueAxis* countAxis(int top) {
    auto* axis = new QValueAxis;
    axis->setRange(0, std::max(top, 4));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickCount(5);
    axis->applyNiceNumbers();
    return axis;
}

}  // namespace

QDate dateOfDay(int day) {
    return QDate(1970, 1, 1).addDays(day);
}

QChart* answersChart(const std::vector<memory::DayAnswers>& days) {
    auto* right = new QBarSet(Tr::tr("Rätt"));
    auto* wrong = new QBarSet(Tr::tr("Fel"));
    right->setColor(kRight);
    wrong->setColor(kWrong);
    QStringList categories;
    int top = 0;
    for (const memory::DayAnswers& d : days) {
        *right << d.right;
        *wrong << d.wrong;
        categories << dateOfDay(d.day).toString(QStringLiteral("d/M"));
        top = std::max(top, d.right + d.wrong);
    }
    auto* series = new QStackedBarSeries;
    series->append(right);
    series->append(wrong);
    series->setBarWidth(0.9);
    QChart* chart = newChart(Tr::tr("Svar per dag, de senaste åtta veckorna"));
    chart->addSeries(series);
    // Fifty-six dates do not fit under the bars: the title says what they span instead.
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setLabelsVisible(false);
    if (!days.empty()) {
        chart->setTitle(Tr::tr("Svar per dag, %1 – %2")
                            .arg(dateOfDay(days.front().day).toString(QStringLiteral("d/M")),
                                 dateOfDay(days.back().day).toString(QStringLiteral("d/M"))));
    }
    auto* y = countAxis(top);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return chart;
}

QChart* knownChart(const std::vector<std::pair<int, int>>& known) {
    auto* series = new QLineSeries;
    series->setName(Tr::tr("Ord som kan"));
    int top = 0;
    for (const auto& [day, count] : known) {
        series->append(static_cast<qreal>(dateOfDay(day).startOfDay().toMSecsSinceEpoch()), count);
        top = std::max(top, count);
    }
    QChart* chart = newChart(Tr::tr("Ord som kan, dag för dag"));
    chart->addSeries(series);
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("d/M"));
    x->setTickCount(5);
    if (!known.empty()) {
        x->setRange(dateOfDay(known.front().first).startOfDay(),
                    dateOfDay(known.back().first).startOfDay());
    }
    auto* y = countAxis(top);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QPen pen = series->pen();
    pen.setWidth(3);
    pen.setColor(kRight);
    series->setPen(pen);
    return chart;
}

void themeFor(QChart* chart, const QPalette& palette) {
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    // A theme sets the series' colours too: keep ours.
    std::vector<std::pair<QBarSet*, QColor>> sets;
    std::vector<std::pair<QLineSeries*, QPen>> lines;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* bars = qobject_cast<QStackedBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                sets.emplace_back(set, set->color());
            }
        } else if (auto* line = qobject_cast<QLineSeries*>(series)) {
            lines.emplace_back(line, line->pen());
        }
    }
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(palette.color(QPalette::Base));
    chart->setTitleBrush(palette.color(QPalette::Text));
    chart->legend()->setLabelColor(palette.color(QPalette::Text));
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsColor(palette.color(QPalette::Text));
        axis->setTitleBrush(palette.color(QPalette::Text));
    }
    for (auto& [set, colour] : sets) {
        set->setColor(colour);
        set->setBorderColor(colour);
    }
    for (auto& [line, pen] : lines) {
        line->setPen(pen);
    }
}

QImage pictureOf(QChart* chart, QSize size, int sharpness) {
    QGraphicsScene scene;
    scene.addItem(chart);  // the scene owns the chart from here
    chart->resize(size);
    QImage picture(size * sharpness, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size * sharpness), QRectF(QPointF(0, 0), size));
    return picture;
}

}  // namespace window
