#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#include "tool/Tool.h"

namespace {

// The Swedish messages lie beside the executable in the build tree and in
// share/ordlykta/translations when installed.
void loadTranslation(QTranslator& translator) {
    const QString own = QCoreApplication::applicationDirPath();
    for (const QString& folder : {own, own + QStringLiteral("/../share/ordlykta/translations")}) {
        if (translator.load(QLocale(), QStringLiteral("ordlykta_tool"), QStringLiteral("_"),
                            folder)) {
            QCoreApplication::installTranslator(&translator);
            return;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTranslator translator;
    loadTranslation(translator);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return tool::run(arguments, std::cout, std::cerr);
}
