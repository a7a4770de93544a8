#include "tool/import/Undo.h"

#include <QFile>
#include <algorithm>
#include <span>

#include "store/Layout.h"
#include "tool/Base.h"
#include "tool/backup/Answers.h"
#include "tool/backup/Archive.h"
#include "tool/backup/Locking.h"
#include "tool/backup/Recovery.h"
#include "tool/backup/Snapshots.h"

namespace tool {
namespace {

using Bytes = std::span<const unsigned char>;

Bytes bytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// A word-list file's bytes; the empty file the program would create for none or a damaged one.
QByteArray wordListOr(const QByteArray& bytes) {
    if (bytes.size() == store::kWordListFileSize) {
        return bytes;
    }
    const store::WordListImage empty;
    return QByteArray(reinterpret_cast<const char*>(empty.bytes().data()),
                      static_cast<qsizetype>(empty.bytes().size()));
}

store::WordRecord recordAt(const QByteArray& file, int list, int slot) {
    store::RecordBytes record{};
    const auto from = store::recordOf(bytesOf(file), list, slot);
    std::copy(from.begin(), from.end(), record.begin());
    return store::decode(record);
}

// A list of a word-list file's bytes.
WordList listAt(const QByteArray& file, int list) {
    WordList result{fromStore(recordAt(file, list, 0).first), {}};
    const int count = store::pairCount(recordAt(file, list, 0));
    for (int slot = 1; slot <= std::min(count, store::kMaxPairsPerList); ++slot) {
        const store::WordRecord pair = recordAt(file, list, slot);
        result.pairs.push_back({fromStore(pair.first), fromStore(pair.second)});
    }
    return result;
}

bool sameList(const QByteArray& a, const QByteArray& b, int list) {
    const Bytes x = store::listOf(bytesOf(a), list);
    const Bytes y = store::listOf(bytesOf(b), list);
    return std::equal(x.begin(), x.end(), y.begin(), y.end());
}

QString pairText(const Pair& pair) {
    return pair.swedish + QStringLiteral(" \u2013 ") + pair.other;
}

// The pairs of `a` that `b` lacks, each as often as `a` holds it more.
std::vector<Pair> missingFrom(const WordList& a, const WordList& b) {
    std::vector<Pair> rest = b.pairs;
    std::vector<Pair> missing;
    for (const Pair& pair : a.pairs) {
        const auto found = std::find_if(rest.begin(), rest.end(), [&](const Pair& p) {
            return p.swedish == pair.swedish && p.other == pair.other;
        });
        if (found == rest.end()) {
            missing.push_back(pair);
        } else {
            rest.erase(found);
        }
    }
    return missing;
}

// What differs between a list as it was (`then`) and as it is (`now`), a line each.
QStringList differences(const QString& where, const WordList& then, const WordList& now) {
    QStringList lines;
    if (then.name != now.name) {
        lines += Tr::tr("%1 is named \"%2\", was \"%3\"").arg(where, now.name, then.name);
    }
    for (const Pair& pair : missingFrom(now, then)) {
        lines += Tr::tr("%1: \"%2\" added").arg(where, pairText(pair));
    }
    for (const Pair& pair : missingFrom(then, now)) {
        lines += Tr::tr("%1: \"%2\" removed").arg(where, pairText(pair));
    }
    if (lines.isEmpty() && then.pairs.size() == now.pairs.size()) {
        lines += Tr::tr("%1: the order of the pairs changed").arg(where);
    }
    return lines;
}

QString listPlace(int list, const QString& name) {
    return Tr::tr("list %1 \"%2\"").arg(QString::number(list), name);
}

QByteArray fileOf(const QString& dataFolder, const std::string& name) {
    QFile file(dataFolder + QLatin1Char('/') + QString::fromStdString(name));
    return file.open(QIODevice::ReadOnly) ? file.read(4 * 1024 * 1024) : QByteArray();
}

store::Settings settingsOf(const QByteArray& bytes) {
    if (bytes.size() < store::kSettingsSize) {
        return store::defaultSettings();
    }
    store::SettingsBytes record{};
    std::copy_n(bytes.constData(), record.size(), reinterpret_cast<char*>(record.data()));
    return store::decode(record);
}

QByteArray settingsBytes(const store::Settings& settings) {
    const store::SettingsBytes bytes = store::encode(settings);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QStringList changesSince(const ImportRecord& record) {
    const QByteArray now = fileOf(record.dataFolder, store::wordListFileName(record.language));
    QStringList lines;
    for (const Placement& p : record.placements) {
        if (now.size() != store::kWordListFileSize) {
            return {
                Tr::tr("the word list of language %1 is missing or damaged").arg(record.language)};
        }
        if (!sameList(now, record.wordListAfter, p.list)) {
            const WordList after = listAt(record.wordListAfter, p.list);
            lines += differences(listPlace(p.list, after.name), after, listAt(now, p.list));
        }
    }
    const auto index = static_cast<std::size_t>(record.language - 1);
    const QString name =
        fromStore(settingsOf(fileOf(record.dataFolder, store::kSettingsFileName)).names[index]);
    if (record.languageBefore != record.languageAfter && name != record.languageAfter) {
        lines += Tr::tr("language %1 is named \"%2\", was \"%3\"")
                     .arg(QString::number(record.language), name, record.languageAfter);
    }
    return lines;
}

void undoImport(const ImportRecord& record) {
    const auto lock = holdDataFolder(record.dataFolder, QStringLiteral("undo"));
    const QStringList changes = changesSince(record);
    if (!changes.isEmpty()) {
        throw Refusal(Tr::tr("the import cannot be taken back alone; since it:\n  %1")
                          .arg(changes.join(QStringLiteral("\n  "))));
    }
    const FileSet files = readDataFiles(record.dataFolder);
    snapshotHolding(record.dataFolder, files, reasonBeforeUndo(record.path));
    const QString wordListName = QString::fromStdString(store::wordListFileName(record.language));
    const QString settingsName = QString::fromLatin1(store::kSettingsFileName);
    FileSet changed;
    QStringList removed;

    const Bytes now = bytesOf(files.at(wordListName));
    std::vector<unsigned char> kept(now.begin(), now.end());
    const QByteArray before = wordListOr(record.wordListBefore);
    // Copied to a vector of the whole file's size, which the compiler can see: at -O3 GCC 12
    // otherwise takes `before` for Qt's shared empty array and refuses the copy.
    const std::vector<unsigned char> beforeBytes(before.begin(), before.end());
    for (const Placement& p : record.placements) {
        const auto from = store::listOf(beforeBytes, p.list);
        std::copy(from.begin(), from.end(), store::listOf(kept, p.list).begin());
    }
    const QByteArray words(reinterpret_cast<const char*>(kept.data()),
                           static_cast<qsizetype>(kept.size()));
    if (record.wordListBefore.isEmpty() && words == before) {
        removed += wordListName;
    } else {
        changed[wordListName] = words;
    }

    const QByteArray settings = files.count(settingsName) ? files.at(settingsName) : QByteArray();
    if (record.settingsBefore.isEmpty() && settings == record.settingsAfter) {
        removed += settingsName;
    } else if (settings == record.settingsAfter) {
        changed[settingsName] = record.settingsBefore;
    } else if (record.languageBefore != record.languageAfter) {
        store::Settings kept = settingsOf(settings);
        kept.names[static_cast<std::size_t>(record.language - 1)] = toStore(record.languageBefore);
        changed[settingsName] = settingsBytes(kept);
    }
    replaceDataFiles(record.dataFolder, changed);
    removeDataFiles(record.dataFolder, removed);
}

QStringList lostByRestoring(const QString& dataFolder, const QString& archive) {
    const FileSet then = readArchive(archive).files;
    const FileSet now = readDataFiles(dataFolder);
    const auto fileIn = [](const FileSet& files, const QString& name) {
        const auto found = files.find(name);
        return found == files.end() ? QByteArray() : found->second;
    };
    const QString settingsName = QString::fromLatin1(store::kSettingsFileName);
    const store::Settings settingsNow = settingsOf(fileIn(now, settingsName));
    const store::Settings settingsThen = settingsOf(fileIn(then, settingsName));
    QStringList lines;
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        const auto index = static_cast<std::size_t>(l - 1);
        const QString language = fromStore(settingsNow.names[index]);
        if (settingsNow.names[index] != settingsThen.names[index]) {
            lines += Tr::tr("language %1 is named \"%2\", would be \"%3\"")
                         .arg(QString::number(l), language, fromStore(settingsThen.names[index]));
        }
        const QString name = QString::fromStdString(store::wordListFileName(l));
        if (!now.count(name)) {
            continue;
        }
        const QByteArray wordsNow = wordListOr(now.at(name));
        const QByteArray wordsThen = wordListOr(fileIn(then, name));
        for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
            if (sameList(wordsNow, wordsThen, list)) {
                continue;
            }
            const WordList listNow = listAt(wordsNow, list);
            const WordList listThen = listAt(wordsThen, list);
            const QString place = language + QStringLiteral(", ") + listPlace(list, listNow.name);
            if (listNow.name != listThen.name) {
                lines += Tr::tr("%1 would be named \"%2\"").arg(place, listThen.name);
            }
            for (const Pair& pair : missingFrom(listNow, listThen)) {
                lines += Tr::tr("%1: \"%2\" would be lost").arg(place, pairText(pair));
            }
        }
    }
    // The snapshot's copy of the answers goes back with the words: what was recorded since, too.
    const std::optional<QByteArray> answersNow = answersCopy(dataFolder);
    if (answersNow && fileIn(then, answersName()) != *answersNow) {
        lines += Tr::tr("the answers and test days recorded since the snapshot (%1) would be lost")
                     .arg(answersName());
    }
    return lines;
}

}  // namespace tool
