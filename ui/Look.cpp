#include "ui/Look.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include "ui/Palette.h"

namespace ui {

QColor bgr(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void setBackground(QWidget* widget, quint32 value) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, bgr(value));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

namespace {

QString fixedPitchFamily() {
    static const QString family = [] {
        QFont wanted(QStringLiteral("Courier New"));
        wanted.setStyleHint(QFont::Monospace);
        if (QFontInfo(wanted).fixedPitch()) {
            return QStringLiteral("Courier New");
        }
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }();
    return family;
}

}  // namespace

QFont typeface(Face face, int pixelSize) {
    QFont f;
    switch (face) {
        case Face::SansSerif:
            f.setFamily(QStringLiteral("MS Sans Serif"));
            f.setStyleHint(QFont::SansSerif);
            break;
        case Face::Verdana:
            f.setFamily(QStringLiteral("Verdana"));
            f.setStyleHint(QFont::SansSerif);
            break;
        case Face::CourierNew:
            f.setFamily(fixedPitchFamily());
            f.setStyleHint(QFont::Monospace);
            f.setFixedPitch(true);
            break;
        case Face::LucidaSans:
            f.setFamily(QStringLiteral("Lucida Sans Unicode"));
            f.setStyleHint(QFont::SansSerif);
            break;
    }
    f.setPixelSize(pixelSize);
    return f;
}

QFont screenFont(int points) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    return f;
}

QPixmap glyph(Glyph kind) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    switch (kind) {
        case Glyph::Menu:
            // A light green square in a black frame, inside a transparent ring.
            p.fillRect(1, 1, 14, 14, Qt::black);
            p.fillRect(2, 2, 12, 12, bgr(palette::kLime));
            return pixmap;
        case Glyph::Continue:
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(QColor(0x2E, 0x7D, 0x32));
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygonF({{3, 2}, {14, 8}, {3, 14}}));
            return pixmap;
        case Glyph::Save:
            // A sheet with lines and a pencil.
            p.fillRect(2, 1, 10, 14, Qt::white);
            p.setPen(Qt::black);
            p.drawRect(2, 1, 10, 14);
            p.setPen(QColor(0x60, 0x60, 0x60));
            for (int y = 4; y <= 12; y += 3) {
                p.drawLine(4, y, 10, y);
            }
            p.setPen(QPen(QColor(0xC6, 0x28, 0x28), 2));
            p.drawLine(8, 13, 14, 5);
            return pixmap;
        case Glyph::Learn:
            // An open book.
            p.setPen(Qt::black);
            p.setBrush(QColor(0xFF, 0xF8, 0xE1));
            p.drawRect(1, 3, 6, 10);
            p.drawRect(8, 3, 6, 10);
            p.setPen(QColor(0x15, 0x65, 0xC0));
            p.drawLine(2, 6, 6, 6);
            p.drawLine(9, 6, 13, 6);
            p.drawLine(2, 9, 6, 9);
            p.drawLine(9, 9, 13, 9);
            return pixmap;
        case Glyph::Quiz:
        case Glyph::Info: {
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(kind == Glyph::Quiz ? QColor(0xEF, 0x6C, 0x00) : QColor(0x15, 0x65, 0xC0));
            p.setPen(Qt::NoPen);
            p.drawEllipse(1, 1, 14, 14);
            p.setPen(Qt::white);
            QFont f = typeface(Face::Verdana, 11);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter,
                       kind == Glyph::Quiz ? QStringLiteral("?") : QStringLiteral("i"));
            return pixmap;
        }
    }
    return pixmap;
}

QPixmap arrowGlyph(bool pointsRight) {
    QPixmap pixmap(28, 13);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0xC0));
    const QPolygonF right({{0, 4}, {18, 4}, {18, 0}, {27, 6.5}, {18, 13}, {18, 9}, {0, 9}});
    if (pointsRight) {
        p.drawPolygon(right);
    } else {
        p.drawPolygon(QTransform(-1, 0, 0, 1, 27, 0).map(right));
    }
    return pixmap;
}

QPixmap emblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // Two speech bubbles: the Swedish word and the other language's.
    QPainterPath back;
    back.addRoundedRect(QRectF(18, 4, 42, 30), 8, 8);
    back.moveTo(46, 33);
    back.lineTo(54, 44);
    back.lineTo(38, 33);
    p.setPen(QPen(QColor(0x1A, 0x23, 0x7E), 2));
    p.setBrush(QColor(0xFF, 0xD5, 0x4F));
    p.drawPath(back.simplified());
    QPainterPath front;
    front.addRoundedRect(QRectF(4, 24, 42, 30), 8, 8);
    front.moveTo(14, 53);
    front.lineTo(10, 62);
    front.lineTo(26, 53);
    p.setBrush(QColor(0x42, 0x7F, 0xD8));
    p.drawPath(front.simplified());
    QFont f = typeface(Face::Verdana, 16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x1A, 0x23, 0x7E));
    p.drawText(QRectF(18, 4, 42, 28), Qt::AlignCenter, QStringLiteral("Ö"));
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 24, 42, 30), Qt::AlignCenter, QStringLiteral("Aa"));
    return pixmap;
}

}  // namespace ui
