#include "window/Start.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <QUrl>

#include "tool/commands/Options.h"
#include "window/Text.h"
#include "window/Window.h"

namespace window {

void installTranslations() {
    static QTranslator translator;
    const QString here = QCoreApplication::applicationDirPath();
    const bool english = QLocale().language() == QLocale::English;
    const QString name =
        english ? QStringLiteral("ordlykta_window_en") : QStringLiteral("ordlykta_tool_sv");
    for (const QString& folder :
         {here, here + QStringLiteral("/../tool"), here + QStringLiteral("/../window"),
          here + QStringLiteral("/../../share/ordlykta/translations")}) {
        if (translator.load(name, folder)) {
            QCoreApplication::installTranslator(&translator);
            return;
        }
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
        throw Failure(Tr::tr("Okänd sida %1: ge import, export, backups eller check")
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
