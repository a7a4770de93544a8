#include "tool/import/Importing.h"

#include <QFileInfo>
#include <algorithm>

#include "store/FolderLock.h"
#include "tool/Base.h"
#include "tool/Output.h"
#include "tool/backup/Archive.h"
#include "tool/backup/Locking.h"
#include "tool/backup/Recovery.h"
#include "tool/backup/Snapshots.h"
#include "tool/formats/Encodings.h"
#include "tool/import/Languages.h"

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

QByteArray bytesOf(std::span<const unsigned char> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

// The word list's bytes, or none when its file is missing.
QByteArray wordListBytes(const DataFolder& folder, int language,
                         const store::WordListImage& image) {
    return folder.hasWordList(language) ? bytesOf(image.bytes()) : QByteArray();
}

// The settings as they will be: agen.dat as the program would create it when it is missing,
// with the language's new name when it takes one.
QByteArray settingsAfter(const DataFolder& folder, const ImportPlan& plan) {
    store::Settings settings = folder.settings();
    if (!plan.renameLanguage.isEmpty()) {
        settings.names[static_cast<std::size_t>(plan.language - 1)] = toStore(plan.renameLanguage);
    }
    const store::SettingsBytes bytes = store::encode(settings);
    return bytesOf(bytes);
}

// Whether a language still has its first name ("Språk B") and no words.
bool stillFree(const DataFolder& folder, int language) {
    const store::Settings first = store::defaultSettings();
    const store::Text& name = folder.settings().names[static_cast<std::size_t>(language - 1)];
    if (std::find(first.names.begin(), first.names.end(), name) == first.names.end()) {
        return false;
    }
    const store::WordListImage image = folder.wordList(language);
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        if (image.count(list) > 0) {
            return false;
        }
    }
    return true;
}

// The name a language takes from a file: its Swedish name when known.
QString nameFromFile(const QString& said) {
    const QString swedish = swedishLanguageName(said);
    return (swedish.isEmpty() ? said.trimmed() : swedish).left(store::kShortStringCapacity);
}

}  // namespace

ImportPlan planImport(const QString& path, const QString& dataFolder, const QString& language,
                      const QString& list, const ImportChoices& choices) {
    ImportPlan result;
    result.path = path;
    result.dataFolder = dataFolder;
    const DataFolder folder(dataFolder);
    result.languageGiven = !language.isEmpty();
    if (result.languageGiven) {
        result.language = folder.language(language);
    }

    QByteArray bytes = readInput(path);
    result.format = choices.format.value_or(guessFormat(path, bytes));
    TextChoices text = choices.text;
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        if (result.language == 0 || result.language == l) {
            text.headings += folder.languageName(l);
        }
    }
    const Source source = readSource(std::move(bytes), result.format, text);
    result.layout = source.layout;
    result.fileLanguage =
        source.languages.isEmpty() ? QString() : nameFromFile(source.languages[0]);
    if (result.language == 0) {
        result.language = defaultLanguage(dataFolder, source.languages, result.renameLanguage);
    } else if (!result.fileLanguage.isEmpty() && stillFree(folder, result.language)) {
        result.renameLanguage = result.fileLanguage;  // a language chosen that has no name yet
    }

    CheckedSource checked = check(source, choices.rules, QFileInfo(path).completeBaseName());
    result.cut = std::move(checked.cut);
    result.leftOut = std::move(checked.leftOut);
    result.refused = std::move(checked.refused);
    result.emptyRows = checked.emptyRows;
    if (checked.lists.empty() && result.refused.empty()) {
        const QStringList leftOut = noteTexts(result.leftOut);
        throw Refusal(Tr::tr("%1 holds no pairs to import").arg(path) +
                      (leftOut.isEmpty()
                           ? QString()
                           : QStringLiteral("\n  ") + leftOut.join(QStringLiteral("\n  "))));
    }
    if (result.language == 0) {
        result.rows = std::move(checked.rows);
        return result;
    }
    result.languageName = folder.languageName(result.language);
    const store::WordListImage image = folder.wordList(result.language);
    result.list = list.isEmpty() ? 0 : findList(image, list);
    result.wordListBefore = wordListBytes(folder, result.language, image);
    Placements placed = plan(image, result.list, checked);
    result.placements = std::move(placed.lists);
    result.alreadyThere = placed.alreadyThere;
    result.heldWhole = std::move(placed.heldWhole);
    result.rows = std::move(checked.rows);
    return result;
}

int defaultLanguage(const QString& dataFolder, const QStringList& fileLanguages, QString& rename) {
    const DataFolder folder(dataFolder);
    std::array<QString, store::kLanguageCount> names;
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        names[static_cast<std::size_t>(l - 1)] = folder.languageName(l);
    }
    if (const int named = languageNamed(names, fileLanguages)) {
        return named;
    }
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        if (stillFree(folder, l)) {
            rename = fileLanguages.isEmpty() ? QString() : nameFromFile(fileLanguages.front());
            return l;
        }
    }
    return 0;
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
    ImportDone done{plan.placements, {}, {}, {}};
    FileSet before;
    try {
        before = readDataFiles(plan.dataFolder);
        done.filesBefore = namesOf(before);
        done.snapshot = snapshotHolding(plan.dataFolder, before, reasonBeforeImport(plan.path));
    } catch (const Refusal& e) {
        throw Refusal(
            Tr::tr("nothing was imported: the files as they are cannot be kept in a snapshot "
                   "first: %1")
                .arg(e.message()));
    }
    ImportRecord& record = done.record;
    record.dataFolder = plan.dataFolder;
    record.path = plan.path;
    record.snapshot = done.snapshot;
    record.language = plan.language;
    record.placements = plan.placements;
    for (const Placement& p : plan.placements) {
        record.namesBefore += fromStore(image.header(p.list).first);
    }
    record.languageBefore = folder.languageName(plan.language);
    record.languageAfter =
        plan.renameLanguage.isEmpty() ? record.languageBefore : plan.renameLanguage;
    const QString wordListName = QString::fromStdString(store::wordListFileName(plan.language));
    const QString settingsName = QString::fromLatin1(store::kSettingsFileName);
    record.wordListBefore = before.count(wordListName) ? before.at(wordListName) : QByteArray();
    record.settingsBefore = before.count(settingsName) ? before.at(settingsName) : QByteArray();
    apply(image, plan.placements);
    record.wordListAfter = bytesOf(image.bytes());
    FileSet changed{{wordListName, record.wordListAfter}};
    record.settingsAfter = record.settingsBefore;
    if (record.settingsBefore.isEmpty() || !plan.renameLanguage.isEmpty()) {
        record.settingsAfter = settingsAfter(folder, plan);
        changed[settingsName] = record.settingsAfter;
    }
    replaceDataFiles(plan.dataFolder, changed);
    return done;
}

}  // namespace tool
