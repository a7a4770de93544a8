#include "window/Start.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QUrl>

#include "tool/commands/Options.h"
#include "window/Text.h"
#include "window/Window.h"

namespace window {

namespace {

// Loads the catalogue `name` from beside the executable, the build tree's tool or window folder,
// or where the package installs them.
bool loadOwn(QTranslator& translator, const QString& name) {
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {here, here + QStringLiteral("/../tool"), here + QStringLiteral("/../window"),
          here + QStringLiteral("/../../share/ordlykta/translations")}) {
        if (translator.load(name, folder)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void installTranslations() {
    static QTranslator translator;
    static QTranslator qtOwn;
    static QTranslator qtMore;
    const bool english = QLocale().language() == QLocale::English;
    for (QTranslator* t : {&translator, &qtOwn, &qtMore}) {
        QCoreApplication::removeTranslator(t);
    }
    if (!english) {
        // Qt's own dialogs (files, printing, "replace it?") in Swedish too: qtbase_sv, or the
        // whole catalogue qt_sv that Debian 12 ships in its place; it was made for Qt 4, and
        // ordlykta_qt_sv has the words of Qt 6's dialogs that it lacks. The last installed is
        // asked first.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const QString& catalogue : {QStringLiteral("qtbase_sv"), QStringLiteral("qt_sv")}) {
            if (qtOwn.load(catalogue, qtFolder)) {
                QCoreApplication::installTranslator(&qtOwn);
                break;
            }
        }
        if (loadOwn(qtMore, QStringLiteral("ordlykta_qt_sv"))) {
            QCoreApplication::installTranslator(&qtMore);
        }
    }
    if (loadOwn(translator, english ? QStringLiteral("ordlykta_window_en")
                                    : QStringLiteral("ordlykta_tool_sv"))) {
        QCoreApplication::installTranslator(&translator);
    }
}

std::unique_ptr<Window> startWindow(const QStringList& arguments, Asker& asker) {
    QCommandLineParser parser;
    parser.addOption(tool::dataOption());
    const QCommandLineOption page(QStringLiteral("page"), QString(), QStringLiteral("PAGE"));
    parser.addOption(page);
    if (!parser.parse(arguments)) {
        throw Failure(parser.errorText());
    }
    if (parser.positionalArguments().size() > 1) {
        throw Failure(Tr::tr("Ge högst en fil att importera."));
    }
    const QString data = parser.isSet(tool::dataOption()) ? parser.value(tool::dataOption())
                                                          : tool::defaultDataFolder();
    auto window = std::make_unique<Window>(data, asker);
    if (parser.isSet(page) && !window->showPage(parser.value(page))) {
        throw Failure(Tr::tr("Okänd sida %1: ge import, export, backups, check eller progress")
                          .arg(parser.value(page)));
    }
    window->show();
    if (!parser.positionalArguments().isEmpty()) {
        const QString given = parser.positionalArguments().first();
        const QUrl url(given);
        window->openFile(url.isLocalFile() ? url.toLocalFile() : given);
    }
    return window;
}

}  // namespace window
