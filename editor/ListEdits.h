#pragma once
// The list editor's changes to a word-list file, each in one opening of the file. Every pair
// record written carries the list's new count as its number; the header's texts are written
// back as read.
//
// Each change goes through the file's rollback journal (store::Change): a
// failure at any read, write, flush or close, or a kill, leaves the list as it was, rolled back
// at once or by the next holder of the folder. Within the change the writes keep an order that
// loses no pair even without the journal: a pair is in its slot before the header counts it,
// and the header stops counting a slot only after its pair has moved out of it. A change starts
// only when the disk has room for every page it writes, its journal's included, and is flushed
// before it stands. A change the disk refused, even its write back, is never read back: the
// pairs read are the list as last committed.

#include <optional>
#include <vector>

#include "store/WordList.h"

namespace listedit {

// The pairs of a list, slots 1..count in order.
std::vector<store::WordRecord> readPairs(int language, int list);

// Each returns the list's new count, or nothing when the list in the file is not what the
// caller saw (it is full, or `slot` lies beyond its count); then nothing is written.

// Adds the pair after the last one.
std::optional<int> appendPair(int language, int list, const store::Text& swedish,
                              const store::Text& other);
// Puts the pair into `slot` (1..count), in front of the pair that was there.
std::optional<int> insertPair(int language, int list, int slot, const store::Text& swedish,
                              const store::Text& other);
// Takes the pair out of `slot` (1..count); the record in the last counted slot stays as it was.
std::optional<int> removePair(int language, int list, int slot);

}  // namespace listedit
