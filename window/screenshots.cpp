// Pictures of the window's five pages for the README and the metainfo: a fresh data folder
// with a language of real word pairs, a teacher's list opened for import, two snapshots, a
// repeated word for the check and two weeks of answers with a test day for the progress; each
// page saved as OUTPUT_FOLDER/ordlistor-N-PAGE.png, and the first page of the progress report
// as ordlistor-6-report.png.
// Usage: window_screenshots OUTPUT_FOLDER (on a real display, e.g. under Xvfb; the scale
// factor comes from QT_SCALE_FACTOR).

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include <QLineEdit>
#include <QPainter>
#include <QTextDocument>

#include "memory/Clock.h"
#include "memory/Database.h"
#include "store/Settings.h"
#include "store/WordListImage.h"
#include "tool/Output.h"
#include "tool/Words.h"
#include "tool/backup/Snapshots.h"
#include "window/Asker.h"
#include "window/ExportPage.h"
#include "window/ImportPage.h"
#include "window/ProgressPage.h"
#include "window/Start.h"
#include "window/Window.h"

namespace {

using Pairs = std::vector<tool::Pair>;

void writeData(const QString& data, const std::vector<tool::WordList>& lists) {
    store::Settings settings = store::defaultSettings();
    settings.names = {"Engelska", "Tyska", "Franska"};
    const auto s = store::encode(settings);
    tool::writeWhole(data + "/agen.dat", std::span<const unsigned char>(s.data(), s.size()));
    store::WordListImage image;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        tool::writeList(image, static_cast<int>(i) + 1, lists[i]);
    }
    tool::writeWhole(data + "/bu1.dat", image.bytes());
}

// 2026-12-14, noon in Stockholm: the day the progress is shown on.
constexpr std::int64_t kToday = 1797246000;

// Two weeks of drills of the list "Djur", one pair often wrong, and a test on Friday.
void writeHistory(const QString& data) {
    memory::Database db((data + "/" + memory::kDatabaseName).toStdString(), true);
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"hund", "dog"}, {"katt", "cat"}, {"h\xe4st", "horse"}, {"f\xe5gel", "bird"}};
    for (int day = -13; day <= 0; ++day) {
        if (day % 4 == -1) {
            continue;  // a day missed now and then
        }
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            const bool hard = p == 3;
            const bool right = !hard || day % 3 == 0;
            const memory::Moment at{kToday + day * 86400 + static_cast<int>(p) * 60, 3600};
            db.recordAnswer({{1, pairs[p].first, pairs[p].second},
                             1,
                             right ? pairs[p].second : (day % 2 == 0 ? "bord" : "brid"),
                             right,
                             true},
                            at);
            if (!right) {
                db.recordAnswer(
                    {{1, pairs[p].first, pairs[p].second}, 1, pairs[p].second, true, false},
                    {at.seconds + 600, at.offset});
            }
        }
    }
    db.setTestDay(1, 1, memory::dayOf({kToday, 3600}) + 4);
}

// The report's first page as the print preview shows it, on white.
QImage reportPicture(const QString& html, double scale) {
    QTextDocument document;
    document.setHtml(html);
    const QSizeF page(794 * scale, 1123 * scale);  // A4 at 96 dots an inch
    document.setPageSize(page);
    QImage picture(page.toSize(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    document.drawContents(&painter, QRectF(QPointF(0, 0), page));
    return picture;
}

void settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    window::installTranslations();
    if (argc != 2) {
        std::fprintf(stderr, "Usage: window_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString suffix =
        qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? QStringLiteral("@2x") : QString();
    QTemporaryDir dir;
    const QString data = dir.filePath("ordlykta");
    QDir().mkpath(data);
    const Pairs animals = {{"hund", "dog"},   {"katt", "cat"}, {"häst", "horse"},
                           {"fågel", "bird"}, {"ko", "cow"},   {"får", "sheep"}};
    writeData(data, {{"Djur", animals}});
    tool::takeSnapshot(data);
    writeData(data, {{"Djur", animals}, {"Mat", {{"bröd", "bread"}, {"ost", "cheese"}}}});
    tool::takeSnapshot(data);
    writeData(data, {{"Djur", animals},
                     {"Mat", {{"bröd", "bread"}, {"ost", "cheese"}, {"ost", "curd"}}},
                     {"Kläder", {{"tröja", "sweater"}, {"byxor", "trousers"}}}});
    const QString glosor = dir.filePath("glosor v12.csv");
    QFile file(glosor);
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    file.write(
        "Svenska,Engelska\nskola,school\nlärare,teacher\nbok,book\npenna,\n"
        "sudd,eraser\nlinjal,ruler\n");
    file.close();

    writeHistory(data);

    window::QtAsker asker;
    window::Window window(data, asker);
    window.resize(760, 620);
    window.show();
    window.openFile(glosor);
    window.importPage().skipBadRows->setChecked(true);  // "penna," is left out
    window.progressPage().setClock([] { return memory::dayOf({kToday, 3600}); });
    window.progressPage().pupil->setText("Alva");
    const char* const names[] = {"1-import", "2-export", "3-backups", "4-check", "5-progress"};
    for (int page = 0; page < 5; ++page) {
        window.tabs->setCurrentIndex(page);
        if (page == 1) {
            window.exportPage().format->setCurrentIndex(4);
            emit window.exportPage().format->activated(4);
        }
        settle();
        const QString path =
            QStringLiteral("%1/ordlistor-%2%3.png").arg(out, QLatin1String(names[page]), suffix);
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString report = QStringLiteral("%1/ordlistor-6-report%2.png").arg(out, suffix);
    if (!reportPicture(window.progressPage().reportHtml(), suffix.isEmpty() ? 1 : 2).save(report)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(report));
        return 1;
    }
    return 0;
}
