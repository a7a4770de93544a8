#pragma once
// The two kinds of field of the data files (store/Layout.h has where they are): integers and
// short strings.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "store/Layout.h"

namespace store {

// Text is kept as raw Windows-1252 bytes inside the store.
using Text = std::string;

// A text cut to the capacity of a short string.
Text cut(const Text& text);

void putInt32(std::span<unsigned char> at, std::int32_t value);
std::int32_t getInt32(std::span<const unsigned char> at);
// Writes the length byte and the characters; the rest of the field is zeroed.
void putShortString(std::span<unsigned char> field, const Text& text);
// A length byte above 30 is read as 30.
Text getShortString(std::span<const unsigned char> field);

}  // namespace store
