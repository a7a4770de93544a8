// Draws the program's emblem once, when the program is built, and writes its pixels as a C++
// header: the start screen shows it, and every screen carries it as its window icon, without
// looking up a font before the first window is on the display.
// Usage: draw_emblem OUTPUT.h

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include "ui/Look.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        return 2;
    }
    constexpr int kSize = 64;
    const QImage image =
        ui::emblem(kSize).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray text =
        "// Written by draw_emblem when the program is built: the emblem's pixels, premultiplied\n"
        "// ARGB32 in the machine's byte order.\n"
        "#pragma once\n\n"
        "namespace ui::built {\n\n"
        "inline constexpr int kEmblemSize = " +
        QByteArray::number(kSize) + ";\ninline constexpr unsigned char kEmblemPixels[] = {";
    for (int y = 0; y < kSize; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int i = 0; i < kSize * 4; ++i) {
            text += (i % 16 == 0 ? "\n    " : " ") + QByteArray::number(line[i]) + ',';
        }
    }
    text += "\n};\n\n}  // namespace ui::built\n";
    QFile out(QString::fromLocal8Bit(argv[1]));
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size() ? 0 : 1;
}
