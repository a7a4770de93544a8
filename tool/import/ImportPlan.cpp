#include "tool/import/ImportPlan.h"

#include <algorithm>

#include "tool/Base.h"
#include "tool/formats/Encodings.h"

namespace tool {
namespace {

QString codePoint(char32_t c) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
}

// A character no word may hold: one Windows-1252 lacks, or a control such as a line break.
std::optional<char32_t> unfit(const QString& word) {
    for (const char32_t c : word.toUcs4()) {
        if (c < 0x20 || c == 0x7F) {
            return c;
        }
    }
    return unsupportedCharacter(word);
}

// A word as a message shows it: a very long one is shortened, control characters escaped.
QString shown(const QString& word) {
    return escapeControls(word.size() <= 40 ? word : word.left(40) + QStringLiteral("..."), false);
}

// Trimmed and composed: "a" and a combining ring become one "å", which a word list can hold.
QString clean(const QString& word) {
    return word.normalized(QString::NormalizationForm_C).trimmed();
}

class Checker {
  public:
    Checker(CheckedSource& result, const WordRules& rules) : result_(result), rules_(rules) {}

    // The pair as it can be written, or nothing when it is left out or refused.
    std::optional<Pair> pair(const SourcePair& source) {
        Pair pair{clean(source.swedish), clean(source.other)};
        if (source.fields == 1) {
            bad({source.line, Tr::tr("one field, not a pair")});
            return std::nullopt;
        }
        if (pair.swedish.isEmpty() || pair.other.isEmpty()) {
            bad({source.line, Tr::tr("a side is empty")});
            return std::nullopt;
        }
        bool keep = true;
        for (QString* word : {&pair.swedish, &pair.other}) {
            keep = fits(*word, source.line) && keep;
        }
        if (!keep) {
            return std::nullopt;
        }
        return pair;
    }

    // A row that is no pair: refused, or left out when the user says so.
    void bad(const LineNote& note) {
        (rules_.skipBadRows ? result_.leftOut : result_.refused).push_back(note);
    }

  private:
    bool fits(QString& word, int line) {
        if (const std::optional<char32_t> c = unfit(word)) {
            QString text = Tr::tr("\"%1\" holds %2, which a word list cannot hold")
                               .arg(shown(word), codePoint(*c));
            if (*c == U'\t') {
                text += Tr::tr(" (if tabs part the fields, give --separator tab)");
            }
            (rules_.skipUnsupported ? result_.leftOut : result_.refused).push_back({line, text});
            return false;
        }
        const qsizetype length = word.size();  // one UTF-16 unit per character that fits
        if (length <= store::kShortStringCapacity) {
            return true;
        }
        if (!rules_.cut) {
            result_.refused.push_back({line, Tr::tr("\"%1\" is %2 characters long; 30 fit")
                                                 .arg(shown(word), QString::number(length))});
            return false;
        }
        const QString whole = word;
        word = word.left(store::kShortStringCapacity).trimmed();
        result_.cut.push_back(
            {line, Tr::tr("\"%1\" was cut to \"%2\"").arg(shown(whole), shown(word))});
        return true;
    }

    CheckedSource& result_;
    const WordRules& rules_;
};

// A list name as a word list holds it: characters it cannot hold become '?', 30 at most.
QString listName(const QString& name) {
    QString fit;
    for (const char32_t c : clean(name).toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        fit += unfit(character) ? QStringLiteral("?") : character;
    }
    return fit.left(store::kShortStringCapacity);
}

// Pairs in parts of at most as many as a list holds.
std::vector<std::vector<Pair>> parts(std::vector<Pair>::const_iterator begin,
                                     std::vector<Pair>::const_iterator end) {
    std::vector<std::vector<Pair>> result;
    while (begin != end) {
        const auto next = begin + std::min<std::ptrdiff_t>(end - begin, store::kMaxPairsPerList);
        result.emplace_back(begin, next);
        begin = next;
    }
    return result;
}

// The empty lists from `from` on, in order.
std::vector<int> freeLists(const store::WordListImage& image, int from) {
    std::vector<int> lists;
    for (int l = from; l <= store::kLastUserList; ++l) {
        if (image.count(l) == 0) {
            lists.push_back(l);
        }
    }
    return lists;
}

}  // namespace

QString noteText(const LineNote& note) {
    const QString text = escapeControls(note.text);
    return note.line > 0 ? Tr::tr("line %1: %2").arg(QString::number(note.line), text) : text;
}

QStringList noteTexts(const std::vector<LineNote>& notes) {
    QStringList texts;
    for (const LineNote& note : notes) {
        texts += noteText(note);
    }
    return texts;
}

CheckedSource check(const Source& source, const WordRules& rules, const QString& fallbackName) {
    CheckedSource result;
    result.named = source.named;
    Checker checker(result, rules);
    for (const LineNote& note : source.bad) {
        checker.bad(note);
    }
    for (const SourceList& list : source.lists) {
        const QString name = listName(list.name);
        if (name != clean(list.name)) {
            result.cut.push_back({0, Tr::tr("list name \"%1\" is written as \"%2\"")
                                         .arg(shown(clean(list.name)), name)});
        }
        WordList checked{name.isEmpty() ? listName(fallbackName) : name, {}};
        for (const SourcePair& sourcePair : list.pairs) {
            if (std::optional<Pair> pair = checker.pair(sourcePair)) {
                checked.pairs.push_back(*pair);
            }
        }
        if (!checked.pairs.empty()) {
            result.lists.push_back(std::move(checked));
        }
    }
    for (std::vector<LineNote>* notes : {&result.refused, &result.leftOut}) {
        std::stable_sort(notes->begin(), notes->end(),
                         [](const LineNote& a, const LineNote& b) { return a.line < b.line; });
    }
    return result;
}

std::vector<Placement> plan(const store::WordListImage& image, int list,
                            const CheckedSource& source) {
    std::vector<Placement> placements;
    std::vector<Placement> spilled;  // parts after the first, each into an empty list
    if (source.named) {
        for (const WordList& from : source.lists) {
            for (std::vector<Pair>& part : parts(from.pairs.begin(), from.pairs.end())) {
                spilled.push_back({0, true, from.name, 0, std::move(part)});
            }
        }
    } else {
        // One list, appended to `list`; what does not fit there continues in the empty lists
        // after it, under the same name.
        std::vector<Pair> pairs;
        for (const WordList& from : source.lists) {
            pairs.insert(pairs.end(), from.pairs.begin(), from.pairs.end());
        }
        const QString name = fromStore(image.header(list).first);
        const int before = image.count(list);
        const auto fit = std::min<std::ptrdiff_t>(std::max(0, store::kMaxPairsPerList - before),
                                                  std::ssize(pairs));
        if (fit > 0) {
            placements.push_back({list, false, name, before, {pairs.begin(), pairs.begin() + fit}});
        }
        for (std::vector<Pair>& part : parts(pairs.begin() + fit, pairs.end())) {
            spilled.push_back({0, true, name, 0, std::move(part)});
        }
    }
    const int firstFree = source.named ? list : list + 1;
    const std::vector<int> free = freeLists(image, firstFree);
    if (free.size() < spilled.size()) {
        throw Refusal(Tr::tr("not enough empty lists: %1 needed from list %2 on, %3 there")
                          .arg(QString::number(spilled.size()), QString::number(firstFree),
                               QString::number(free.size())));
    }
    for (std::size_t i = 0; i < spilled.size(); ++i) {
        spilled[i].list = free[i];
        placements.push_back(std::move(spilled[i]));
    }
    return placements;
}

void apply(store::WordListImage& image, const std::vector<Placement>& placements) {
    for (const Placement& placement : placements) {
        if (placement.rename) {
            image.rename(placement.list, toStore(placement.name));
        }
        for (const Pair& pair : placement.pairs) {
            if (!image.append(placement.list, toStore(pair.swedish), toStore(pair.other))) {
                throw std::logic_error("an import was planned into a full list");
            }
        }
    }
}

}  // namespace tool
