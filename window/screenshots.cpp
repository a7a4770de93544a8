// Pictures of the window's four pages for the README and the metainfo: a fresh data folder
// with a language of real word pairs, a teacher's list opened for import, two snapshots and a
// repeated word for the check; each page saved as OUTPUT_FOLDER/ordlistor-N-PAGE.png.
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

#include "store/Settings.h"
#include "store/WordListImage.h"
#include "tool/Output.h"
#include "tool/backup/Snapshots.h"
#include "tool/Words.h"
#include "window/Asker.h"
#include "window/ExportPage.h"
#include "window/ImportPage.h"
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

    window::QtAsker asker;
    window::Window window(data, asker);
    window.resize(760, 620);
    window.show();
    window.openFile(glosor);
    window.importPage().skipBadRows->setChecked(true);  // "penna," is left out
    const char* const names[] = {"1-import", "2-export", "3-backups", "4-check"};
    for (int page = 0; page < 4; ++page) {
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
    return 0;
}
