#include <QApplication>

#include "app/Unit1.h"
#include "app/program/Program.h"
#include "ui/Dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ui::kApplicationTitle));
    QApplication::setDesktopFileName(QStringLiteral("org.example.ordlykta"));
    QApplication::setQuitOnLastWindowClosed(false);

    ui::QtDialogs dialogs;
    ui::Context context{dialogs, [] { QApplication::exit(0); }};
    Program program(context);
    program.screens.start->showCentred();
    return QApplication::exec();
}
