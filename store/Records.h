#pragma once
// Byte layouts of the data files. Integers are little-endian; a short string is a length byte
// (0..30) followed by that many Windows-1252 bytes in a 31-byte field.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace store {

inline constexpr int kShortStringCapacity = 30;
inline constexpr int kShortStringSize = kShortStringCapacity + 1;

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
