// ordlykta-ordlistor [--data DIR] [--page import|export|backups|check|progress] [FILE]: the
// words' own window on the data folder, on its import page with FILE when one is given (as a
// desktop's "Open with" does).

#include <QApplication>
#include <iostream>

#include "window/Asker.h"
#include "window/Start.h"
#include "window/Text.h"
#include "window/Window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ordlykta"));
    QApplication::setApplicationName(QStringLiteral("ordlykta-ordlistor"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.ordlykta.ordlistor"));
    window::installTranslations();

    window::QtAsker asker;
    std::unique_ptr<window::Window> window;
    try {
        window = window::startWindow(QApplication::arguments(), asker);
    } catch (const window::Failure& e) {
        std::cerr << "ordlykta-ordlistor: " << e.what() << '\n'
                  << window::Tr::tr(
                         "Användning: ordlykta-ordlistor [--data MAPP] [--page SIDA] [FIL]")
                         .toStdString()
                  << '\n';
        return 2;
    }
    asker.setParent(window.get());
    return QApplication::exec();
}
