// The printed report of the progress page: one A4 page a list, to hand to a parent or teacher.
#include <QBuffer>
#include <QChart>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableWidget>
#include <set>

#include "memory/Clock.h"
#include "text/Text.h"
#include "window/ProgressCharts.h"
#include "window/ProgressPage.h"
#include "window/Text.h"

namespace window {
namespace {

QString escaped(const std::string& stored) {
    return text::fromStore(stored).toHtmlEscaped();
}

QString dateText(int day) {
    return QString::fromStdString(memory::dateOf(day));
}

// The chart's width on the page, in the document's pixels (an A4 page's text is about 700).
constexpr int kChartWidth = 640;

// The chart of answers per day as a picture inside the page, sharp enough for print.
QString chartImage(const std::vector<memory::DayAnswers>& days) {
    QChart* chart = answersChart(days);
    chart->setTheme(QChart::ChartThemeLight);
    const QImage picture = pictureOf(chart, QSize(kChartWidth, kChartWidth * 2 / 5), 3);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return QStringLiteral("<p><img src=\"data:image/png;base64,%1\" width=\"%2\"></p>")
        .arg(QString::fromLatin1(png.toBase64()))
        .arg(kChartWidth);
}

QString row(const QString& label, const QString& value) {
    return QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>").arg(label, value);
}

// A list's page; every page after the first begins on a new sheet.
QString listPage(const memory::ListProgress& list, const QString& language, const QString& pupil,
                 int today, bool first) {
    const int from = today - memory::kChartDays + 1;
    const auto practised = std::count_if(list.days.begin(), list.days.end(),
                                         [&](int day) { return day >= from && day <= today; });
    QString html =
        QStringLiteral("<h1%1>%2</h1>")
            .arg(first ? QString() : QStringLiteral(" style=\"page-break-before: always\""),
                 Tr::tr("Framsteg i glosorna"));
    html += QStringLiteral("<p><b>%1</b> %2<br><b>%3</b> %4 – %5<br><b>%6</b> %7: %8 %9</p>")
                .arg(Tr::tr("Elev:"), pupil.toHtmlEscaped(), Tr::tr("Period:"), dateText(from),
                     dateText(today), Tr::tr("Lista:"), language.toHtmlEscaped())
                .arg(list.list)
                .arg(escaped(list.name));
    html += QStringLiteral("<table cellpadding=\"3\">");
    html += row(Tr::tr("Ord i listan"), QString::number(list.pairs));
    html += row(Tr::tr("Kan"), QString::number(list.known));
    html += row(Tr::tr("Lär sig"), QString::number(list.learning));
    html += row(Tr::tr("Inte övade än"), QString::number(list.fresh));
    html += row(Tr::tr("Svåra"), QString::number(list.hard.size()));
    html += row(Tr::tr("Dagar övade"), QString::number(practised));
    if (list.testDay) {
        html += row(Tr::tr("Provdag"), dateText(*list.testDay));
    }
    if (list.ready) {
        html +=
            row(Tr::tr("Redo för provet"), QStringLiteral("%1 %").arg(qRound(*list.ready * 100)));
    }
    html += QStringLiteral("</table><h2>%1</h2>").arg(Tr::tr("Svåra ord"));
    if (list.hard.empty()) {
        html += QStringLiteral("<p>%1</p>").arg(Tr::tr("Inga svåra ord."));
    } else {
        html += QStringLiteral(
                    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>%1"
                    "</th><th>%2</th><th>%3</th></tr>")
                    .arg(Tr::tr("Svenska"), Tr::tr("Andra språket"), Tr::tr("Vanliga fel svar"));
        for (const memory::HardWord& word : list.hard) {
            QStringList wrong;
            for (const auto& [typed, times] : word.wrong) {
                wrong << escaped(typed);
            }
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                        .arg(escaped(word.pair.swedish), escaped(word.pair.other),
                             wrong.join(QStringLiteral(", ")));
        }
        html += QStringLiteral("</table>");
    }
    html += QStringLiteral("<h2>%1</h2>").arg(Tr::tr("Svar per dag"));
    return html + chartImage(list.answers);
}

}  // namespace

QString ProgressPage::reportHtml() const {
    std::set<int> chosen;
    for (const QModelIndex& index : table->selectionModel()->selectedRows()) {
        chosen.insert(index.row());
    }
    QStringList pages;
    for (int r = 0; r < static_cast<int>(progress_.lists.size()); ++r) {
        if (chosen.empty() || chosen.count(r) != 0) {
            pages << listPage(progress_.lists[static_cast<std::size_t>(r)], language->currentText(),
                              pupil->text(), progress_.today, pages.isEmpty());
        }
    }
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
        .arg(Tr::tr("Framsteg"), pages.join(QString()));
}

}  // namespace window
