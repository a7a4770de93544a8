#pragma once
// A page printed for real, to a PDF file as the print dialog's "Print to file" does, and read
// back page by page with poppler's pdftotext.

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <optional>

#include "window/Asker.h"

inline bool canReadPdf() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text of each page, in layout, of `html` printed to `pdf`; on the printer's own paper
// unless `size` is given. Empty when pdftotext did not finish.
inline QStringList printedPages(const QString& html, const QString& pdf,
                                std::optional<QPageSize> size = std::nullopt) {
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        if (size) {
            printer.setPageSize(*size);
        }
        printer.setOutputFileName(pdf);
        window::printPage(html, printer);
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(30000)) {
        return {};
    }
    return QString::fromUtf8(text.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
}
