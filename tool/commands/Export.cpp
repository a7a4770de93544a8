#include <QDir>
#include <random>

#include "tool/Output.h"
#include "tool/backup/Locking.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Options.h"
#include "tool/formats/Formats.h"

namespace tool {

int exportLists(Call& call) {
    Options options(call);
    options.add(QCommandLineOption(QStringLiteral("language"), QString(), QStringLiteral("L")));
    options.add(QCommandLineOption(QStringLiteral("list"), QString(), QStringLiteral("N")));
    options.add(QCommandLineOption(QStringLiteral("format"), QString(), QStringLiteral("FORMAT")));
    options.add(QCommandLineOption(QStringLiteral("exam")));
    options.add(QCommandLineOption(QStringLiteral("ask"), QString(), QStringLiteral("SIDE")));
    options.add(QCommandLineOption(QStringLiteral("shuffle")));
    options.add(QCommandLineOption(QStringLiteral("output"), QString(), QStringLiteral("FILE")));
    if (!options.parse()) {
        return kDone;
    }
    if (!options.isSet(QStringLiteral("language")) || !options.isSet(QStringLiteral("format"))) {
        throw UsageError(Tr::tr("export needs --language and --format"));
    }
    const std::optional<Format> format = formatNamed(options.value(QStringLiteral("format")));
    if (!format) {
        throw UsageError(Tr::tr("Unknown format %1: give kvtml, anki, csv or html")
                             .arg(options.value(QStringLiteral("format"))));
    }
    const bool exam = options.isSet(QStringLiteral("exam"));
    if (exam && *format != Format::Html) {
        throw UsageError(Tr::tr("--exam goes with --format html"));
    }
    HtmlSheet sheet{exam, false, std::nullopt};
    if (options.isSet(QStringLiteral("ask"))) {
        const QString side = options.value(QStringLiteral("ask"));
        if (!exam || (side != QLatin1String("swedish") && side != QLatin1String("other"))) {
            throw UsageError(Tr::tr("--ask swedish|other goes with --exam"));
        }
        sheet.askOther = side == QLatin1String("other");
    }
    if (options.isSet(QStringLiteral("shuffle"))) {
        if (!exam) {
            throw UsageError(Tr::tr("--shuffle goes with --exam"));
        }
        sheet.shuffleSeed = std::random_device{}();
    }

    recoverIfFree(options.dataFolder());
    const DataFolder folder(options.dataFolder());
    const int language = folder.language(options.value(QStringLiteral("language")));
    const store::WordListImage image = folder.wordList(language);
    std::optional<int> list;
    if (options.isSet(QStringLiteral("list"))) {
        list = findList(image, options.value(QStringLiteral("list")));
    }
    const Lists lists = listsOf(folder.languageName(language), image, list);
    const QByteArray bytes = exportBytes(*format, lists, sheet);
    if (options.isSet(QStringLiteral("output"))) {
        writeWhole(options.value(QStringLiteral("output")), bytes);
    } else {
        call.out.write(bytes.constData(), bytes.size());
        call.out.flush();
        if (!call.out) {
            throw Refusal(Tr::tr("the output could not be written"));
        }
    }
    return kDone;
}

}  // namespace tool
