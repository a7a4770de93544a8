#include "tool/import/Importing.h"

#include <QFileInfo>

#include "store/FolderLock.h"
#include "tool/backup/Archive.h"
#include "tool/Base.h"
#include "tool/formats/Encodings.h"
#include "tool/backup/Locking.h"
#include "tool/Output.h"
#include "tool/backup/Snapshots.h"

namespace tool {
namespace {

constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// The file whole; anything but a readable regular file of at most 16 MB is refused unread.
QByteArray readInput(const QString& path) {
    const QByteArray bytes = readRegularFile(
        path, kLargestFile, Tr::tr("%1: larger than 16 MB, too large for word lists").arg(path));
    // A spreadsheet program's own file: a zip (.xlsx, .ods) or an OLE compound file (.xls).
    if (bytes.startsWith("PK\x03\x04") || bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        throw Refusal(Tr::tr("%1 is a spreadsheet, not text: save it as CSV from your spreadsheet "
                             "program (File > Save as, file type CSV), then import that file")
                          .arg(path));
    }
    return bytes;
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

// The word list's bytes, or none when its file is missing.
QByteArray wordListBytes(const DataFolder& folder, int language,
                         const store::WordListImage& image) {
    if (!folder.hasWordList(language)) {
        return {};
    }
    const auto bytes = image.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

}  // namespace

ImportPlan planImport(const QString& path, const QString& dataFolder, const QString& language,
                      const QString& list, const ImportChoices& choices) {
    ImportPlan result;
    result.path = path;
    result.dataFolder = dataFolder;
    const DataFolder folder(dataFolder);
    result.language = folder.language(language);
    const store::WordListImage image = folder.wordList(result.language);
    result.list = findList(image, list);
    result.wordListBefore = wordListBytes(folder, result.language, image);

    QByteArray bytes = readInput(path);
    result.format = choices.format.value_or(guessFormat(path, bytes));
    TextChoices text = choices.text;
    text.headings += folder.languageName(result.language);
    const Source source = readSource(std::move(bytes), result.format, text);
    result.layout = source.layout;

    CheckedSource checked = check(source, choices.rules, QFileInfo(path).completeBaseName());
    result.cut = std::move(checked.cut);
    result.leftOut = std::move(checked.leftOut);
    result.refused = std::move(checked.refused);
    if (checked.lists.empty() && result.refused.empty()) {
        const QStringList leftOut = noteTexts(result.leftOut);
        throw Refusal(Tr::tr("%1 holds no pairs to import").arg(path) +
                      (leftOut.isEmpty()
                           ? QString()
                           : QStringLiteral("\n  ") + leftOut.join(QStringLiteral("\n  "))));
    }
    result.placements = plan(image, result.list, checked);
    return result;
}

ImportDone carryOut(const ImportPlan& plan) {
    if (!plan.whole()) {
        throw Refusal(
            Tr::tr("nothing was imported: the plan leaves rows that are not pairs or "
                   "words that do not fit"));
    }
    const auto lock = holdDataFolder(plan.dataFolder, QStringLiteral("import"));
    const DataFolder folder(plan.dataFolder);
    store::WordListImage image = folder.wordList(plan.language);
    if (wordListBytes(folder, plan.language, image) != plan.wordListBefore) {
        throw Refusal(Tr::tr("nothing was imported: the words of language %1 changed since the "
                             "import was planned; import again")
                          .arg(plan.language));
    }
    ImportDone done{plan.placements, {}, {}};
    try {
        const FileSet before = readDataFiles(plan.dataFolder);
        done.filesBefore = namesOf(before);
        done.snapshot = snapshotHolding(plan.dataFolder, before);
    } catch (const Refusal& e) {
        throw Refusal(
            Tr::tr("nothing was imported: the files as they are cannot be kept in a snapshot "
                   "first: %1")
                .arg(e.message()));
    }
    apply(image, plan.placements);
    write(folder, plan.language, image);
    return done;
}

}  // namespace tool
