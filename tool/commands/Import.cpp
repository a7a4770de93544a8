#include <QFileInfo>

#include "tool/import/Importing.h"
#include "tool/commands/Options.h"
#include "tool/Output.h"
#include "tool/commands/Commands.h"

namespace tool {
namespace {

QString lines(const QString& heading, const std::vector<LineNote>& notes) {
    const QStringList items = noteTexts(notes);
    return items.isEmpty() ? QString()
                           : heading + QStringLiteral("\n  ") + items.join(QStringLiteral("\n  ")) +
                                 QLatin1Char('\n');
}

// How the file was read, for --dry-run.
QString detected(const ImportPlan& plan) {
    const Layout& layout = plan.layout;
    QString text = Tr::tr("format: %1, encoding: %2").arg(formatName(plan.format), layout.encoding);
    if (layout.separator) {
        text += Tr::tr(", separator: %1").arg(separatorName(*layout.separator));
    }
    text += QLatin1Char('\n');
    if (plan.format == Format::Kvtml) {
        text += Tr::tr("Swedish words: translation %1, other words: translation %2\n")
                    .arg(layout.swedish)
                    .arg(layout.other);
        return text;
    }
    text += Tr::tr("Swedish words: column %1, other words: column %2")
                .arg(layout.swedish)
                .arg(layout.other);
    text +=
        layout.list > 0 ? Tr::tr(", list: column %1").arg(layout.list) : Tr::tr(", no list column");
    text += QLatin1Char('\n');
    text += layout.headerSkipped ? Tr::tr("the first row is a header and was skipped\n")
                                 : Tr::tr("no header row\n");
    if (layout.html) {
        text += Tr::tr("fields read as HTML\n");
    }
    return text;
}

QString report(const ImportPlan& plan, bool dryRun) {
    QString text = dryRun ? detected(plan) : QString();
    for (const Placement& p : plan.placements) {
        const QString count = QString::number(p.countBefore + std::ssize(p.pairs));
        text += (dryRun ? Tr::tr("list %2 \"%3\": %1 to add, %4 in all")
                        : Tr::tr("list %2 \"%3\": %1 added, %4 in all"))
                    .arg(QString::number(p.pairs.size()), QString::number(p.list), p.name, count) +
                QLatin1Char('\n');
    }
    text += lines(Tr::tr("Words cut to 30 characters:"), plan.cut);
    text += lines(Tr::tr("Left out:"), plan.leftOut);
    return text;
}

QChar separatorOption(const QString& name) {
    const QChar separator = separatorNamed(name);
    if (separator != QLatin1Char(',') && separator != QLatin1Char(';') &&
        separator != QLatin1Char('\t')) {
        throw UsageError(Tr::tr("unknown separator: %1; give , or ; or tab").arg(name));
    }
    return separator;
}

}  // namespace

int importLists(Call& call) {
    Options options(call);
    for (const char* name : {"language", "list", "format", "swedish-column", "separator"}) {
        options.add(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("VALUE")));
    }
    for (const char* name :
         {"cut", "skip-unsupported", "skip-bad-rows", "header", "no-header", "dry-run"}) {
        options.add(QCommandLineOption(QLatin1String(name)));
    }
    if (!options.parse(1)) {
        return kDone;
    }
    const auto isSet = [&options](const char* name) { return options.isSet(QLatin1String(name)); };
    const auto value = [&options](const char* name) { return options.value(QLatin1String(name)); };
    if (options.positional().isEmpty() || !isSet("language") || !isSet("list")) {
        throw UsageError(Tr::tr("import needs FILE, --language and --list"));
    }
    ImportChoices choices;
    if (isSet("format")) {
        choices.format = formatNamed(value("format"));
        if (!choices.format || !formatInfo(*choices.format).read) {
            throw UsageError(
                Tr::tr("Unknown format %1: give kvtml, anki or csv").arg(value("format")));
        }
    }
    if (isSet("swedish-column")) {
        bool ok = false;
        choices.text.swedishColumn = value("swedish-column").toInt(&ok);
        if (!ok || *choices.text.swedishColumn < 1) {
            throw UsageError(Tr::tr("--swedish-column needs a column number from 1"));
        }
    }
    if (isSet("separator")) {
        choices.text.separator = separatorOption(value("separator"));
    }
    if (isSet("header") && isSet("no-header")) {
        throw UsageError(Tr::tr("give --header or --no-header, not both"));
    }
    if (isSet("header") || isSet("no-header")) {
        choices.text.header = isSet("header");
    }
    choices.rules = {isSet("cut"), isSet("skip-unsupported"), isSet("skip-bad-rows")};

    const ImportPlan plan = planImport(options.positional().first(), options.dataFolder(),
                                       value("language"), value("list"), choices);
    if (isSet("dry-run") && !plan.refused.empty()) {
        print(call.out, detected(plan));
    }
    if (!plan.refused.empty()) {
        throw Refusal(
            lines(Tr::tr("nothing was imported: these rows are not pairs or hold words that do "
                         "not fit a word list (--skip-bad-rows leaves rows that are not pairs "
                         "out, --skip-unsupported pairs with characters a word list cannot hold, "
                         "--cut cuts long words to 30 characters)"),
                  plan.refused)
                .trimmed());
    }
    if (isSet("dry-run")) {
        print(call.out, report(plan, true));
        return kDone;
    }
    const ImportDone done = carryOut(plan);
    QString text = report(plan, false);
    if (!done.snapshot.isEmpty()) {
        text += Tr::tr(
                    "the files as they were are in %1; to undo the import: ordlykta restore "
                    "--latest --data %2\n")
                    .arg(done.snapshot, plan.dataFolder);
    }
    print(call.out, text);
    return kDone;
}

}  // namespace tool
