#pragma once
// Writing whole files: under a temporary name first, then renamed over the old file, so that a
// failure leaves the old file (or none) and never half a new one.

#include <QByteArray>
#include <QString>
#include <span>

namespace tool {

// Throws Refusal naming the file and the reason.
void writeWhole(const QString& path, std::span<const unsigned char> bytes);
void writeWhole(const QString& path, const QByteArray& bytes);

}  // namespace tool
