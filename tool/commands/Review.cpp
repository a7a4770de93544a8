#include "tool/Words.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Options.h"
#include "tool/commands/Start.h"

namespace tool {

int review(Call& call) {
    Options options(call);
    options.add(QCommandLineOption(QStringLiteral("language"), QString(), QStringLiteral("L")));
    if (!options.parse()) {
        return kDone;
    }
    QStringList program = {QStringLiteral("--review")};
    if (options.isSet(QStringLiteral("language"))) {
        const DataFolder folder(options.dataFolder());
        program << QString::number(folder.language(options.value(QStringLiteral("language"))));
    }
    return startProgram(options.dataFolder(), call.err, program);
}

}  // namespace tool
