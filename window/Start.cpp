#include "window/Start.h"

#include <QCommandLineParser>
#include <QUrl>

#include "tool/Options.h"
#include "window/Text.h"
#include "window/Window.h"

namespace window {

std::unique_ptr<Window> startWindow(const QStringList& arguments, Asker& asker) {
    QCommandLineParser parser;
    parser.addOption(tool::dataOption());
    if (!parser.parse(arguments)) {
        throw Failure(parser.errorText());
    }
    if (parser.positionalArguments().size() > 1) {
        throw Failure(Tr::tr("Ge högst en fil att importera."));
    }
    const QString data = parser.isSet(tool::dataOption()) ? parser.value(tool::dataOption())
                                                          : tool::defaultDataFolder();
    auto window = std::make_unique<Window>(data, asker);
    window->show();
    if (!parser.positionalArguments().isEmpty()) {
        const QString given = parser.positionalArguments().first();
        const QUrl url(given);
        window->openFile(url.isLocalFile() ? url.toLocalFile() : given);
    }
    return window;
}

}  // namespace window
