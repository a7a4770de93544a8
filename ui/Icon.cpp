#include <QImage>

#include "ui/Look.h"
#include "ui/generated/Emblem.h"

namespace ui {

QPixmap builtEmblem() {
    static const QImage image(built::kEmblemPixels, built::kEmblemSize, built::kEmblemSize,
                              QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}

QIcon windowIcon() {
    // Scaled down from the one drawing.
    static const QIcon icon = [] {
        const QPixmap large = builtEmblem();
        QIcon i(large);
        for (int size : {48, 32, 16}) {
            i.addPixmap(large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        return i;
    }();
    return icon;
}

}  // namespace ui
