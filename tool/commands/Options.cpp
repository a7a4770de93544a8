#include "tool/commands/Options.h"

#include "tool/Words.h"

#include <QDir>

namespace tool {

Options::Options(Call& call) : call_(call) {
    parser_.addOption(dataOption());
    parser_.addOption(QCommandLineOption(QStringList{"h", "help"}));
}

void parseArguments(QCommandLineParser& parser, const QStringList& arguments) {
    if (parser.parse(arguments)) {
        return;
    }
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString dashes =
            unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        throw UsageError(Tr::tr("Unknown option: %1").arg(dashes + unknown.first()));
    }
    throw UsageError(parser.errorText());
}

bool Options::parse(int positionals) {
    parseArguments(parser_, call_.arguments);
    if (parser_.isSet(QStringLiteral("help"))) {
        const Command& command = call_.command;
        print(call_.out, QStringLiteral("%1\n%2\n%3: %4\n")
                             .arg(usageLine(&command), Tr::tr(command.summary),
                                  Tr::tr("for example"), QLatin1String(command.example)));
        return false;
    }
    if (parser_.positionalArguments().size() > positionals) {
        throw UsageError(
            Tr::tr("Unexpected argument: %1").arg(parser_.positionalArguments().at(positionals)));
    }
    return true;
}

QString Options::dataFolder() const {
    return parser_.isSet(QStringLiteral("data")) ? parser_.value(QStringLiteral("data"))
                                                 : defaultDataFolder();
}

QString defaultDataFolder() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base =
        xdg.isEmpty() ? qEnvironmentVariable("HOME") + QStringLiteral("/.local/share") : xdg;
    return QDir::cleanPath(base + QStringLiteral("/ordlykta"));
}

QCommandLineOption dataOption() {
    return QCommandLineOption(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
}

void Options::addLanguage() {
    add(QCommandLineOption(QStringLiteral("language"), QString(), QStringLiteral("L")));
}

int Options::language(const DataFolder& folder) const {
    return isSet(QStringLiteral("language")) ? folder.language(value(QStringLiteral("language")))
                                             : 0;
}

}  // namespace tool
