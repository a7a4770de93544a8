#include "window/Asker.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>

#include "window/Text.h"

namespace window {

namespace {

// Ctrl+C copies the box's text, which Qt's boxes do on Windows alone: a list of what changed or
// would be lost can be kept.
void copiedByCtrlC(QMessageBox& box) {
    QObject::connect(new QShortcut(QKeySequence::Copy, &box), &QShortcut::activated, &box,
                     [&box] { QGuiApplication::clipboard()->setText(box.text()); });
}

}  // namespace

void QtAsker::error(const QString& text) {
    QMessageBox box(QMessageBox::Warning, Tr::tr("Ordlykta ordlistor"), text, QMessageBox::Ok,
                    parent_);
    copiedByCtrlC(box);
    box.exec();
}

bool QtAsker::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, Tr::tr("Ordlykta ordlistor"), text,
                    QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(Tr::tr("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Tr::tr("&Nej"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    copiedByCtrlC(box);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtAsker::openFile(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, QDir::homePath(), filter);
}

QString QtAsker::saveFile(const QString& title, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, title, QDir::home().filePath(suggested), filter);
}

void printPage(const QString& html, QPrinter& printer) {
    QTextDocument document;
    document.setHtml(html);
    printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
    document.print(&printer);
}

void QtAsker::print(const QString& html, bool preview) {
    QPrinter printer(QPrinter::HighResolution);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, parent_);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&html](QPrinter* p) { printPage(html, *p); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() == QDialog::Accepted) {
        printPage(html, printer);
    }
}

}  // namespace window
