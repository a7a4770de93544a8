#include "tool/Tool.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <array>
#include <new>

#include "store/File.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Options.h"
#include "tool/commands/Start.h"
#include "tool/formats/Encodings.h"

namespace tool {
namespace {

// One entry per command, in the order --help lists them.
const std::array kCommands = {
    Command{"where", "[--data DIR]", QT_TRANSLATE_NOOP("Tr", "print the data folder"),
            "ordlykta where", where},
    Command{"show", "[--data DIR] [--language L [--list N]]",
            QT_TRANSLATE_NOOP("Tr",
                              "list the languages; with --language its 98 lists, with "
                              "--list that list's pairs"),
            "ordlykta show --language 1 --list 3", show},
    Command{"export",
            "[--data DIR] --language L [--list N] --format kvtml|anki|csv|html "
            "[--exam [--ask swedish|other] [--shuffle]] [--output FILE]",
            QT_TRANSLATE_NOOP("Tr",
                              "write a language's lists (or one list) for another trainer, "
                              "a spreadsheet or print; --exam makes a written test of the "
                              "Swedish (or with --ask other the other) words, --shuffle "
                              "in a random order"),
            "ordlykta export --language Engelska --format kvtml --output engelska.kvtml",
            exportLists},
    Command{"import",
            "FILE [--data DIR] [--language L] [--list N] [--format kvtml|anki|csv] "
            "[--separator ,|;|tab] [--header|--no-header] [--swedish-column K] [--cut] "
            "[--skip-unsupported] [--skip-bad-rows] [--dry-run]",
            QT_TRANSLATE_NOOP("Tr",
                              "add the pairs of a KVTML, Anki text or CSV file, by default "
                              "into the language the file names and a new list named after "
                              "it; with --list N one list is appended to list N, several go "
                              "to the empty lists from N on; pairs already there are left out"),
            "ordlykta import glosor.csv --dry-run", importLists},
    Command{"backup", "[--data DIR] [--output FILE]",
            QT_TRANSLATE_NOOP("Tr",
                              "write the data files into one .tar.gz (by default "
                              "ordlykta-DATE-TIME.tar.gz in the current folder)"),
            "ordlykta backup --output ~/ordlykta.tar.gz", backup},
    Command{"backups", "[--data DIR]",
            QT_TRANSLATE_NOOP("Tr", "list the snapshots, newest first, with why each was taken"),
            "ordlykta backups", backups},
    Command{"restore", "FILE | --latest [--only FILE] [--force] [--data DIR]",
            QT_TRANSLATE_NOOP("Tr",
                              "bring the data files back from a backup or the newest snapshot "
                              "that can be restored; the files replaced go into a snapshot "
                              "first"),
            "ordlykta restore ordlykta-20261207-101500.tar.gz", restore},
    Command{"check", "[--data DIR] [--fix]",
            QT_TRANSLATE_NOOP("Tr",
                              "look for damage in the data files; --fix mends what can be "
                              "mended without changing what the program shows"),
            "ordlykta check --fix", check},
    Command{"window", "[FILE] [--data DIR] [--page import|export|backups|check|progress]",
            QT_TRANSLATE_NOOP("Tr",
                              "open the word lists' window: import (FILE, when given), export "
                              "and print, backups, check, progress"),
            "ordlykta window glosor.csv", window},
    Command{"review", "[--data DIR] [--language L]",
            QT_TRANSLATE_NOOP("Tr",
                              "start the program on today's words: the pairs due for review, "
                              "asked as a quiz"),
            "ordlykta review --language Engelska", review},
    Command{"due", "[--data DIR] [--language L] [--json]",
            QT_TRANSLATE_NOOP("Tr",
                              "list the pairs due for review today, the least retrievable "
                              "first; --json as a JSON array"),
            "ordlykta due --language 1 --json", due},
    Command{"history", "[--data DIR] [--language L [--list N]] [--json | --format csv]",
            QT_TRANSLATE_NOOP("Tr",
                              "every answered pair with its schedule and every answer typed; "
                              "--json as a JSON array, --format csv one row per answer"),
            "ordlykta history --format csv > svar.csv", history},
    Command{"progress", "[--data DIR] [--language L] [--json]",
            QT_TRANSLATE_NOOP("Tr",
                              "per list: pairs, new, learning, known, due today and hard, the "
                              "test day and how ready the list is, the hard words with the "
                              "wrong answers typed most often"),
            "ordlykta progress --language Engelska --json", progress},
    Command{"testday", "[--data DIR] --language L --list N --date YYYY-MM-DD | --clear",
            QT_TRANSLATE_NOOP("Tr",
                              "set a list's test day: until then the list is practised so "
                              "that it is known on that day; --clear takes it away"),
            "ordlykta testday --language Engelska --list 3 --date 2026-12-11", testDay},
};

const Command* findCommand(const QString& name) {
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name)) {
            return &command;
        }
    }
    return nullptr;
}

void printHelp(std::ostream& out) {
    QString text = Tr::tr(
        "ordlykta: a vocabulary trainer for Swedish-speaking learners.\n\n"
        "  ordlykta [--data DIR]   start the program\n"
        "  ordlykta --help | --version\n\n"
        "Commands:\n");
    for (const Command& command : kCommands) {
        text += QStringLiteral("  ordlykta %1 %2\n      %3\n      %4: %5\n")
                    .arg(QLatin1String(command.name), QLatin1String(command.usage),
                         Tr::tr(command.summary), Tr::tr("for example"),
                         QLatin1String(command.example));
    }
    text += Tr::tr(
                "\nThe words are kept in the data folder: --data DIR, else %1.\n"
                "Removing the package keeps them; to remove them too, delete that folder.\n")
                .arg(defaultDataFolder());
    print(out, text);
}

// The launcher's own options: --data, --help, --version.
int runLauncher(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({dataOption(), help, version});
    parseArguments(parser, QStringList{"ordlykta"} + arguments);
    if (!parser.positionalArguments().isEmpty()) {
        throw UsageError(Tr::tr("Unknown command: %1").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(help)) {
        printHelp(out);
        return kDone;
    }
    if (parser.isSet(version)) {
        print(out, QStringLiteral("ordlykta " ORDLYKTA_VERSION "\n"));
        return kDone;
    }
    const QString data =
        parser.isSet(dataOption()) ? parser.value(dataOption()) : defaultDataFolder();
    return startProgram(data, err);
}

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

QString usageLine(const Command* command) {
    if (command == nullptr) {
        return Tr::tr(
            "Usage: ordlykta [--data DIR] | ordlykta COMMAND [options] | ordlykta --help");
    }
    return Tr::tr("Usage: ordlykta %1 %2")
        .arg(QLatin1String(command->name), QLatin1String(command->usage));
}

int run(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const Command* command = arguments.isEmpty() ? nullptr : findCommand(arguments.first());
    if (command == nullptr) {
        return guarded(nullptr, err, [&] { return runLauncher(arguments, out, err); });
    }
    return runCommand(*command, arguments, out, err);
}

int runCommand(const Command& command, const QStringList& arguments, std::ostream& out,
               std::ostream& err) {
    return guarded(&command, err, [&] {
        Call call{command, arguments, out, err};
        return command.run(call);
    });
}

int guarded(const Command* command, std::ostream& err, const std::function<int()>& body) {
    try {
        return body();
    } catch (const UsageError& e) {
        print(err, QStringLiteral("ordlykta: %1\n%2\n")
                       .arg(escapeControls(e.message()), usageLine(command)));
        return kUsage;
    } catch (const Refusal& e) {
        // Messages name what a file holds: no control character reaches the terminal.
        print(err, QStringLiteral("ordlykta: %1\n").arg(escapeControls(e.message())));
        return kRefused;
    } catch (const store::IoError& e) {
        print(err, QStringLiteral("ordlykta: %1\n").arg(QString::fromUtf8(e.what())));
        return kRefused;
    } catch (const std::bad_alloc&) {
        print(err, Tr::tr("ordlykta: out of memory\n"));
        return kRefused;
    } catch (const std::exception& e) {
        // A fault of the tool's own: still a message and a status, never an abort.
        print(err, Tr::tr("ordlykta: internal error: %1\n")
                       .arg(escapeControls(QString::fromUtf8(e.what()))));
        return kRefused;
    } catch (...) {
        print(err, Tr::tr("ordlykta: internal error\n"));
        return kRefused;
    }
}

}  // namespace tool
