#include "tool/Words.h"
#include "tool/backup/Locking.h"
#include "tool/commands/Commands.h"
#include "tool/commands/Options.h"

namespace tool {
namespace {

QString row(int number, const QString& text, int count) {
    return QStringLiteral("%1\t%2\t%3\n")
        .arg(QString::number(number), text, QString::number(count));
}

}  // namespace

int show(Call& call) {
    Options options(call);
    options.add(QCommandLineOption(QStringLiteral("language"), QString(), QStringLiteral("L")));
    options.add(QCommandLineOption(QStringLiteral("list"), QString(), QStringLiteral("N")));
    if (!options.parse()) {
        return kDone;
    }
    recoverIfFree(options.dataFolder());
    const DataFolder folder(options.dataFolder());
    QString text;
    if (!options.isSet(QStringLiteral("language"))) {
        if (options.isSet(QStringLiteral("list"))) {
            throw UsageError(Tr::tr("--list needs --language"));
        }
        for (int l = 1; l <= store::kLanguageCount; ++l) {
            const store::WordListImage image = folder.wordList(l);
            int total = 0;
            for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
                total += image.count(list);
            }
            text += row(l, folder.languageName(l), total);
        }
    } else {
        const store::WordListImage image =
            folder.wordList(folder.language(options.value(QStringLiteral("language"))));
        if (!options.isSet(QStringLiteral("list"))) {
            for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
                text += row(list, fromStore(image.header(list).first), image.count(list));
            }
        } else {
            const WordList list = readList(image, findList(image, options.value("list")));
            for (std::size_t i = 0; i < list.pairs.size(); ++i) {
                text +=
                    QStringLiteral("%1\t%2\t%3\n")
                        .arg(QString::number(i + 1), list.pairs[i].swedish, list.pairs[i].other);
            }
        }
    }
    print(call.out, text);
    return kDone;
}

}  // namespace tool
