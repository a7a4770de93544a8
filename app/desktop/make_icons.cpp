// Writes the program's emblem as PNG icons of the hicolor theme's sizes into a folder.

#include <QDir>
#include <QGuiApplication>

#include "ui/Look.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!out.mkpath(folder) ||
            !ui::emblem(size).save(out.filePath(folder + QStringLiteral("/ordlykta.png")))) {
            return 1;
        }
    }
    return 0;
}
