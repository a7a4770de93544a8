#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "store/FolderLock.h"
#include "tool/Commands.h"
#include "tool/ImportPlan.h"
#include "tool/Locking.h"
#include "tool/Options.h"
#include "tool/Output.h"

namespace tool {
namespace {

constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// The file whole; anything but a readable regular file of at most 16 MB is refused unread.
QByteArray readInput(const QString& path) {
    const QString tooLarge = Tr::tr("%1: larger than 16 MB, too large for word lists").arg(path);
    requireRegularFile(path, kLargestFile, tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Refusal(Tr::tr("%1 cannot be read: %2").arg(path, file.errorString()));
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        throw Refusal(tooLarge);
    }
    return bytes;
}

QByteArray withoutByteOrderMark(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

// UTF-8 without its byte-order mark; text that is not UTF-8 is refused, naming its first line.
QString decodeText(const QByteArray& bytes) {
    const QByteArray body = withoutByteOrderMark(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(body);
    if (!decoder.hasError()) {
        return text;
    }
    int line = 1;
    for (const QByteArray& piece : body.split('\n')) {
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = lineDecoder(piece);
        if (lineDecoder.hasError()) {
            break;
        }
        ++line;
    }
    throw Refusal(Tr::tr("line %1 is not UTF-8 text; save the file as UTF-8").arg(line));
}

Format guessFormat(const QString& path, const QByteArray& bytes) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kvtml")) {
        return Format::Kvtml;
    }
    if (suffix == QLatin1String("csv")) {
        return Format::Csv;
    }
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("tsv")) {
        return Format::Anki;
    }
    const QByteArray start = withoutByteOrderMark(bytes.left(4096)).trimmed();
    if (start.startsWith('<')) {
        return Format::Kvtml;
    }
    const QByteArray firstLine = start.left(start.indexOf('\n'));
    return firstLine.startsWith('#') || firstLine.contains('\t') ? Format::Anki : Format::Csv;
}

Source readSource(const QString& path, std::optional<Format> format, SwedishColumn column) {
    const QByteArray bytes = readInput(path);
    switch (format.value_or(guessFormat(path, bytes))) {
        case Format::Kvtml:
            return readKvtml(bytes, column);
        case Format::Anki:
            return readAnki(decodeText(bytes), column);
        case Format::Csv:
            return readCsv(decodeText(bytes), column);
        case Format::Html:
            break;
    }
    throw UsageError(Tr::tr("html is written, never read"));
}

QString lines(const QString& heading, const QStringList& items) {
    return items.isEmpty() ? QString()
                           : heading + QStringLiteral("\n  ") + items.join(QStringLiteral("\n  ")) +
                                 QLatin1Char('\n');
}

QString report(const std::vector<Placement>& placements, const CheckedSource& source, bool dryRun) {
    QString text;
    for (const Placement& p : placements) {
        const QString count = QString::number(p.countBefore + std::ssize(p.pairs));
        text += (dryRun ? Tr::tr("list %2 \"%3\": %1 to add, %4 in all")
                        : Tr::tr("list %2 \"%3\": %1 added, %4 in all"))
                    .arg(QString::number(p.pairs.size()), QString::number(p.list), p.name, count) +
                QLatin1Char('\n');
    }
    text += lines(Tr::tr("Words cut to 30 characters:"), source.cut);
    text += lines(Tr::tr("Pairs left out:"), source.leftOut);
    return text;
}

// Writes the new word-list file whole, and agen.dat as the program would create it when it is
// missing. The folder exists: holding it made it.
void write(const DataFolder& folder, int language, const store::WordListImage& image) {
    if (!store::fileExists(folder.file(store::kSettingsFileName))) {
        writeWhole(QString::fromStdString(folder.file(store::kSettingsFileName)),
                   store::encode(store::defaultSettings()));
    }
    writeWhole(QString::fromStdString(folder.file(store::wordListFileName(language))),
               image.bytes());
}

}  // namespace

int importLists(Call& call) {
    Options options(call);
    for (const char* name : {"language", "list", "format", "swedish-column"}) {
        options.add(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("VALUE")));
    }
    for (const char* name : {"cut", "skip-unsupported", "dry-run"}) {
        options.add(QCommandLineOption(QLatin1String(name)));
    }
    if (!options.parse(1)) {
        return kDone;
    }
    if (options.positional().isEmpty() || !options.isSet(QStringLiteral("language")) ||
        !options.isSet(QStringLiteral("list"))) {
        throw UsageError(Tr::tr("import needs FILE, --language and --list"));
    }
    std::optional<Format> format;
    if (options.isSet(QStringLiteral("format"))) {
        format = formatNamed(options.value(QStringLiteral("format")));
        if (!format || *format == Format::Html) {
            throw UsageError(Tr::tr("Unknown format %1: give kvtml, anki or csv")
                                 .arg(options.value(QStringLiteral("format"))));
        }
    }
    SwedishColumn column;
    if (options.isSet(QStringLiteral("swedish-column"))) {
        bool ok = false;
        column = options.value(QStringLiteral("swedish-column")).toInt(&ok);
        if (!ok || *column < 1) {
            throw UsageError(Tr::tr("--swedish-column needs a column number from 1"));
        }
    }
    // Held from before the word list is read until it is written, so that the program cannot
    // change it in between. A missing folder is made (and held) only when there is something to
    // write.
    const bool dryRun = options.isSet(QStringLiteral("dry-run"));
    std::unique_ptr<store::FolderLock> lock;
    if (!dryRun && QFileInfo(options.dataFolder()).isDir()) {
        lock = holdDataFolder(options.dataFolder(), QStringLiteral("import"));
    }
    const DataFolder folder(options.dataFolder());
    const int language = folder.language(options.value(QStringLiteral("language")));
    store::WordListImage image = folder.wordList(language);
    const int list = findList(image, options.value(QStringLiteral("list")));

    const QString path = options.positional().first();
    const CheckedSource source = check(
        readSource(path, format, column),
        {options.isSet(QStringLiteral("cut")), options.isSet(QStringLiteral("skip-unsupported"))},
        QFileInfo(path).completeBaseName());
    if (!source.refused.isEmpty()) {
        throw Refusal(lines(Tr::tr("nothing was imported: these words do not fit a word list "
                                   "(--skip-unsupported leaves such pairs out, --cut cuts long "
                                   "words to 30 characters)"),
                            source.refused)
                          .trimmed());
    }
    if (source.lists.empty()) {
        throw Refusal(Tr::tr("%1 holds no pairs to import").arg(path) + QLatin1Char('\n') +
                      lines(Tr::tr("Pairs left out:"), source.leftOut).trimmed());
    }
    const std::vector<Placement> placements = plan(image, list, source);
    if (!dryRun) {
        apply(image, placements);
        if (!lock) {
            lock = holdDataFolder(options.dataFolder(), QStringLiteral("import"));
            if (folder.hasWordList(language)) {
                throw Refusal(Tr::tr("nothing was imported: %1 was filled while the words were "
                                     "read; import again")
                                  .arg(options.dataFolder()));
            }
        }
        write(folder, language, image);
    }
    print(call.out, report(placements, source, dryRun));
    return kDone;
}

}  // namespace tool
