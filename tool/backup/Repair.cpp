#include "tool/backup/Repair.h"

#include <algorithm>
#include <map>
#include <span>

#include "store/DataFiles.h"
#include "store/Layout.h"
#include "store/Records.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tool/Base.h"

namespace tool {
namespace {

using Bytes = std::span<unsigned char>;

Bytes bytesOf(QByteArray& file) {
    return {reinterpret_cast<unsigned char*>(file.data()), static_cast<std::size_t>(file.size())};
}

bool hasOuterSpaces(const store::Text& text) {
    return !text.empty() && (text.front() == ' ' || text.back() == ' ');
}

store::Text trimmed(const store::Text& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == store::Text::npos ? store::Text()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Walks the files as the program reads them and hands each problem to `found`; with `mending`
// it mends what can be mended in place. Both `check` and `check --fix` see the same problems.
class Walk {
  public:
    explicit Walk(std::vector<Finding>* found) : found_(found) {}

    void settings(const QString& name, Bytes bytes) {
        const Bytes current = store::currentLanguageField(bytes);
        const std::int32_t language = store::getInt32(current);
        if (language < 1 || language > store::kLanguageCount) {
            note({Finding::LanguageOutOfRange, name, 0, 0, 0, 0, language});
            store::putInt32(current, 1);
        }
        for (int l = 1; l <= store::kLanguageCount; ++l) {
            const Bytes list = store::currentListField(bytes, l);
            const std::int32_t currentList = store::getInt32(list);
            if (currentList < store::kFirstUserList || currentList > store::kLastUserList) {
                note({Finding::ListOutOfRange, name, l, 0, 0, 0, currentList});
                store::putInt32(list, 1);
            }
            text(store::languageNameField(bytes, l), {Finding::LongLength, name, l, 0, 0, 1, 0});
        }
    }

    void wordList(const QString& name, int language, Bytes bytes) {
        for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
            const Bytes header = store::recordOf(bytes, list, 0);
            const std::int32_t count = store::getInt32(store::numberField(header));
            const int used = std::clamp(count, 0, store::kMaxPairCount);
            if (count != used) {
                note({Finding::CountOutOfRange, name, language, list, 0, 0, count});
                store::putInt32(store::numberField(header), used);
            }
            text(store::firstTextField(header),
                 {Finding::LongLength, name, language, list, 0, 1, 0});
            text(store::secondTextField(header),
                 {Finding::LongLength, name, language, list, 0, 2, 0});
            std::map<store::Text, int> swedish;
            for (int pair = 1; pair <= used; ++pair) {
                const Bytes words = store::recordOf(bytes, list, pair);
                for (int field : {1, 2}) {
                    const Bytes at =
                        field == 1 ? store::firstTextField(words) : store::secondTextField(words);
                    text(at, {Finding::LongLength, name, language, list, pair, field, 0});
                    word(at, {Finding::Spaces, name, language, list, pair, field, 0});
                }
                const store::Text word = store::getShortString(store::firstTextField(words));
                const auto [earlier, isNew] = swedish.emplace(word, pair);
                if (!isNew) {
                    note(
                        {Finding::SameSwedishWord, name, language, list, pair, 1, earlier->second});
                }
            }
        }
    }

  private:
    // A short string: its length byte read as 30 when above.
    void text(Bytes field, Finding finding) {
        if (field[0] > store::kShortStringCapacity) {
            finding.value = field[0];
            note(finding);
            field[0] = store::kShortStringCapacity;
        }
    }

    void word(Bytes field, const Finding& finding) {
        const store::Text text = store::getShortString(field);
        if (hasOuterSpaces(text)) {
            note(finding);
            store::putShortString(field, trimmed(text));
        }
    }

    void note(const Finding& finding) {
        if (found_) {
            found_->push_back(finding);
        }
    }

    std::vector<Finding>* found_;
};

// Walks every file of the right size; returns them mended.
FileSet walk(FileSet files, std::vector<Finding>* found) {
    Walk walker(found);
    for (auto& [name, bytes] : files) {
        const std::string file = name.toStdString();
        if (bytes.size() == store::dataFileSize(file)) {
            if (file == store::kSettingsFileName) {
                walker.settings(name, bytesOf(bytes));
            } else {
                walker.wordList(name, store::languageOfFileName(file), bytesOf(bytes));
            }
            continue;
        }
        if (found) {
            found->push_back({Finding::WrongSize, name, 0, 0, 0, 0, int(bytes.size())});
        }
    }
    return files;
}

}  // namespace

QString placeOf(const Finding& f) {
    QString where = f.file;
    if (f.language > 0) {
        where += Tr::tr(", language %1").arg(f.language);
    }
    if (f.list > 0) {
        where += Tr::tr(", list %1").arg(f.list);
    }
    if (f.pair > 0) {
        where += Tr::tr(", pair %1").arg(f.pair);
    }
    return where;
}

QString describeFinding(const Finding& f) {
    const QString word = f.field == 1 ? Tr::tr("the Swedish word") : Tr::tr("the other word");
    const QString text =
        f.pair > 0   ? word
        : f.list > 0 ? (f.field == 1 ? Tr::tr("the list's name") : Tr::tr("the list's second text"))
                     : Tr::tr("the language's name");
    switch (f.kind) {
        case Finding::WrongSize:
            return Tr::tr("%1 bytes instead of %2")
                .arg(f.value)
                .arg(store::dataFileSize(f.file.toStdString()));
        case Finding::CountOutOfRange:
            return Tr::tr("the list counts %1 pairs, outside 0 to 99").arg(f.value);
        case Finding::LongLength:
            return Tr::tr("the length byte of %1 is %2, above 30").arg(text).arg(f.value);
        case Finding::LanguageOutOfRange:
            return Tr::tr("the current language is %1, outside 1 to 3").arg(f.value);
        case Finding::ListOutOfRange:
            return Tr::tr("the current list is %1, outside 1 to 98").arg(f.value);
        case Finding::Spaces:
            return Tr::tr(
                       "%1 begins or ends with a space, so that a right answer counts as "
                       "wrong")
                .arg(word);
        case Finding::SameSwedishWord:
            return Tr::tr("the same Swedish word as pair %1").arg(f.value);
    }
    return {};
}

std::vector<Finding> findProblems(const FileSet& files) {
    std::vector<Finding> found;
    walk(files, &found);
    return found;
}

FileSet mend(const FileSet& files) {
    const FileSet mended = walk(files, nullptr);
    FileSet changed;
    for (const auto& [name, bytes] : mended) {
        if (bytes != files.at(name)) {
            changed[name] = bytes;
        }
    }
    return changed;
}

}  // namespace tool
