// ordlykta-ordlistor [--data DIR] [FILE]: the words' own window on the data folder, on its
// import page with FILE when one is given (as a desktop's "Open with" does).

#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#include "window/Asker.h"
#include "window/Start.h"
#include "window/Window.h"

namespace {

// The window is Swedish; in an English locale it speaks English. The word lists' code gives
// its reasons in Swedish unless the locale is English.
void loadTranslations(QTranslator& own, QTranslator& words) {
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList folders{here, here + QStringLiteral("/../tool"),
                              here + QStringLiteral("/../../share/ordlykta/translations")};
    const bool english = QLocale().language() == QLocale::English;
    QTranslator& translator = english ? own : words;
    const QString name = english ? QStringLiteral("ordlykta_window_en")
                                 : QStringLiteral("ordlykta_tool_sv");
    for (const QString& folder : folders) {
        if (translator.load(name, folder)) {
            QCoreApplication::installTranslator(&translator);
            return;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ordlykta"));
    QApplication::setApplicationName(QStringLiteral("ordlykta-ordlistor"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.ordlykta.ordlistor"));
    QTranslator own;
    QTranslator words;
    loadTranslations(own, words);

    window::QtAsker asker;
    std::unique_ptr<window::Window> window;
    try {
        window = window::startWindow(QApplication::arguments(), asker);
    } catch (const window::Failure& e) {
        std::cerr << "ordlykta-ordlistor: " << e.what()
                  << "\nUsage: ordlykta-ordlistor [--data DIR] [FILE]\n";
        return 2;
    }
    asker.setParent(window.get());
    return QApplication::exec();
}
