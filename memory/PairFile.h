#pragma once
// The pairs the words' window hands the trainer to practise ("Öva på dessa"): a text file, a
// pair a line, the Swedish word, a tab and the other word, as stored (Windows-1252). A word's
// "%", tab and line breaks are written as %25, %09, %0A and %0D, so that any stored word comes
// back as it was.

#include <string>
#include <vector>

#include "memory/Database.h"

namespace memory {

// The pairs' words; their language is not written.
std::string pairLines(const std::vector<PairKey>& pairs);
// The pairs of `lines`, of `language`; a line without a tab is passed by.
std::vector<PairKey> readPairLines(const std::string& lines, int language);

}  // namespace memory
