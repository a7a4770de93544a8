#include "tool/Words.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Learned.h"
#include "tool/commands/Options.h"
#include "tool/formats/Delimited.h"

namespace tool {
namespace {

const QStringList kCsvHeader = {"language",  "list",       "swedish",        "other", "due",
                                "stability", "difficulty", "retrievability", "reps",  "lapses",
                                "at",        "right",      "typed",          "first"};

QString csvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) {
        quoted << delimitedField(field, QLatin1Char(','));
    }
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

}  // namespace

int history(Call& call) {
    Options options(call);
    options.addLanguage();
    options.add(QCommandLineOption(QStringLiteral("list"), QString(), QStringLiteral("N")));
    options.add(QCommandLineOption(QStringLiteral("json")));
    options.add(QCommandLineOption(QStringLiteral("format"), QString(), QStringLiteral("csv")));
    if (!options.parse()) {
        return kDone;
    }
    const bool csv = options.isSet(QStringLiteral("format"));
    if (csv && options.value(QStringLiteral("format")) != QStringLiteral("csv")) {
        throw UsageError(Tr::tr("--format takes csv"));
    }
    if (csv && options.isSet(QStringLiteral("json"))) {
        throw UsageError(Tr::tr("--json and --format csv exclude each other"));
    }
    if (options.isSet(QStringLiteral("list")) && !options.isSet(QStringLiteral("language"))) {
        throw UsageError(Tr::tr("--list needs --language"));
    }
    const DataFolder folder(options.dataFolder());
    const int language = options.language(folder);
    const int list =
        options.isSet(QStringLiteral("list"))
            ? findList(folder.wordList(language), options.value(QStringLiteral("list")))
            : 0;
    const int today = learnerToday();
    const bool asJson = options.isSet(QStringLiteral("json"));
    JsonWriter json;
    json.beginArray();
    QString text = csv ? csvLine(kCsvHeader) : QString();
    for (const memory::PairHistory& h : readHistory(folder.path(), language)) {
        if (list != 0 && h.state.list != list) {
            continue;
        }
        if (asJson) {
            writePair(json, h.state, today, &h.answers);
            continue;
        }
        const QStringList fields = pairFields(h.state, today);
        if (!csv) {
            text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
        for (const memory::AnswerRecord& a : h.answers) {
            if (csv) {
                text += csvLine(fields + answerFields(a));
            } else {
                text += QStringLiteral("\t") + answerFields(a).join(QLatin1Char('\t')) +
                        QLatin1Char('\n');
            }
        }
    }
    json.endArray();
    if (asJson) {
        printJson(call.out, json);
    } else {
        print(call.out, text);
    }
    return kDone;
}

}  // namespace tool
