#pragma once
// A language's word lists as the learning memory sees them: each list's pairs by key, in the
// order of the file, and the schedules of those pairs looked up by key.

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "memory/Database.h"
#include "store/WordListImage.h"

namespace memory {

struct ListWords {
    int list = 0;
    std::string name;  // as stored: Windows-1252
    std::vector<PairKey> pairs;
};

// The lists of `image` (language `language`) that hold pairs.
std::vector<ListWords> listsOf(const store::WordListImage& image, int language);
// The same from the word-list file in `folder`; none when it is missing or cannot be read.
std::vector<ListWords> readLists(const std::string& folder, int language);

// The schedules of the pairs with one, by their words.
class Schedules {
  public:
    explicit Schedules(const std::vector<PairState>& pairs);
    // The pair's state, or nullptr for a pair never answered.
    const PairState* find(const PairKey& pair) const;

  private:
    std::map<std::tuple<int, std::string, std::string>, const PairState*> byWords_;
};

}  // namespace memory
