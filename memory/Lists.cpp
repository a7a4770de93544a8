#include "memory/Lists.h"

#include "store/Layout.h"

namespace memory {

std::vector<ListWords> listsOf(const store::WordListImage& image, int language) {
    std::vector<ListWords> lists;
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        if (image.count(list) == 0) {
            continue;
        }
        ListWords words{list, image.header(list).first, {}};
        for (int slot = 1; slot <= image.count(list); ++slot) {
            const store::WordRecord pair = image.read(list, slot);
            words.pairs.push_back({language, pair.first, pair.second});
        }
        lists.push_back(std::move(words));
    }
    return lists;
}

std::vector<ListWords> readLists(const std::string& folder, int language) {
    try {
        return listsOf(store::WordListImage::load(folder + "/" + store::wordListFileName(language)),
                       language);
    } catch (...) {
        return {};
    }
}

Schedules::Schedules(const std::vector<PairState>& pairs) {
    for (const PairState& p : pairs) {
        byWords_[{p.pair.language, p.pair.swedish, p.pair.other}] = &p;
    }
}

const PairState* Schedules::find(const PairKey& pair) const {
    const auto found = byWords_.find({pair.language, pair.swedish, pair.other});
    return found != byWords_.end() ? found->second : nullptr;
}

}  // namespace memory
