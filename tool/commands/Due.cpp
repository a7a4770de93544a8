#include "memory/Memory.h"
#include "tool/Words.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Learned.h"
#include "tool/commands/Options.h"

namespace tool {

int due(Call& call) {
    Options options(call);
    options.addLanguage();
    options.add(QCommandLineOption(QStringLiteral("json")));
    if (!options.parse()) {
        return kDone;
    }
    const DataFolder folder(options.dataFolder());
    const int language = options.language(folder);
    const int today = learnerToday();
    const memory::Today due = readDue(folder.path(), language, today);
    if (options.isSet(QStringLiteral("json"))) {
        JsonWriter json;
        json.beginArray();
        for (const memory::DuePair& d : due.due) {
            writePair(json, d.state, today);
        }
        json.endArray();
        printJson(call.out, json);
    } else if (due.due.empty()) {
        print(call.out, due.nextDay < 0
                            ? Tr::tr("Nothing is due: no pair has been answered yet.\n")
                            : Tr::tr("Nothing is due today; the next pair is due on %1.\n")
                                  .arg(QString::fromStdString(memory::dateOf(due.nextDay))));
    } else {
        QString text;
        for (const memory::DuePair& d : due.due) {
            text += pairFields(d.state, today).join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
        print(call.out, text);
    }
    return kDone;
}

}  // namespace tool
