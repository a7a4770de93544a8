#pragma once
// Windows-1252, the 8-bit code page of the data files: one byte per character.

#include <optional>

namespace store::cp1252 {

// The character that byte b stands for. The five bytes that code page leaves undefined
// (81, 8D, 8F, 90, 9D) are read as the C1 control of the same value.
char32_t toUnicode(unsigned char b);

// The byte for character c, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t c);

}  // namespace store::cp1252
