#include "tool/Words.h"

#include "tool/Base.h"

namespace tool {

DataFolder::DataFolder(const QString& path)
    : path_(path), settings_(store::readSettingsOrDefaults(path.toStdString())) {}

std::string DataFolder::file(const std::string& name) const {
    return (path_ + QLatin1Char('/')).toStdString() + name;
}

QString DataFolder::languageName(int language) const {
    return fromStore(settings_.names[static_cast<std::size_t>(language - 1)]);
}

bool DataFolder::hasWordList(int language) const {
    return store::fileExists(file(store::wordListFileName(language)));
}

store::WordListImage DataFolder::wordList(int language) const {
    if (!hasWordList(language)) {
        return {};
    }
    const std::string name = store::wordListFileName(language);
    try {
        return store::WordListImage::load(file(name));
    } catch (const store::IoError& e) {
        // The store's message names the file already.
        throw Refusal(
            Tr::tr("%1; \"ordlykta check\" tells how to mend it").arg(QString::fromUtf8(e.what())));
    }
}

int DataFolder::language(const QString& given) const {
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        if (given == QString::number(l)) {
            return l;
        }
    }
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        if (given.compare(languageName(l), Qt::CaseInsensitive) == 0) {
            return l;
        }
    }
    throw UsageError(Tr::tr("No language %1: give 1, 2, 3 or one of %2, %3, %4")
                         .arg(given, languageName(1), languageName(2), languageName(3)));
}

int findList(const store::WordListImage& image, const QString& given) {
    bool isNumber = false;
    const int number = given.toInt(&isNumber);
    if (isNumber && number >= store::kFirstUserList && number <= store::kLastUserList) {
        return number;
    }
    for (int l = store::kFirstUserList; l <= store::kLastUserList; ++l) {
        if (given.compare(fromStore(image.header(l).first), Qt::CaseInsensitive) == 0) {
            return l;
        }
    }
    throw UsageError(Tr::tr("No list %1: give 1 to 98 or a list's name").arg(given));
}

WordList readList(const store::WordListImage& image, int list) {
    WordList result{fromStore(image.header(list).first), {}};
    for (int slot = 1; slot <= image.count(list); ++slot) {
        const store::WordRecord pair = image.read(list, slot);
        result.pairs.push_back({fromStore(pair.first), fromStore(pair.second)});
    }
    return result;
}

void writeList(store::WordListImage& image, int list, const WordList& words) {
    image.rename(list, toStore(words.name));
    for (const Pair& pair : words.pairs) {
        image.append(list, toStore(pair.swedish), toStore(pair.other));
    }
}

Lists listsOf(const QString& language, const store::WordListImage& image, std::optional<int> list) {
    Lists lists{language, {}};
    for (int l = store::kFirstUserList; l <= store::kLastUserList; ++l) {
        if (list ? l == *list : image.count(l) > 0) {
            lists.lists.push_back(readList(image, l));
        }
    }
    return lists;
}

}  // namespace tool
