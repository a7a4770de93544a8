#include "ui/Text.h"

#include <algorithm>

namespace ui {

QString pairLine(const QString& swedish, const QString& other, const QString& separator) {
    const qsizetype pad = std::max<qsizetype>(0, 31 - swedish.size());
    return QString(pad, u' ') + swedish + separator + other;
}

QValidator::State CodePageValidator::validate(QString& input, int&) const {
    return fitsCodePage(input) ? Acceptable : Invalid;
}

}  // namespace ui
