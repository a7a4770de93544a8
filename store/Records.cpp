#include "store/Records.h"

#include <algorithm>

namespace store {

Text cut(const Text& text) {
    return text.substr(0, kShortStringCapacity);
}

void putInt32(std::span<unsigned char> at, std::int32_t value) {
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<unsigned char>(u >> (8 * i));
    }
}

std::int32_t getInt32(std::span<const unsigned char> at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) {
        u |= std::uint32_t{at[i]} << (8 * i);
    }
    return static_cast<std::int32_t>(u);
}

void putShortString(std::span<unsigned char> field, const Text& text) {
    const Text stored = cut(text);
    std::fill(field.begin(), field.begin() + kShortStringSize, 0);
    field[0] = static_cast<unsigned char>(stored.size());
    std::copy(stored.begin(), stored.end(), field.begin() + 1);
}

Text getShortString(std::span<const unsigned char> field) {
    const int length = std::min<int>(field[0], kShortStringCapacity);
    return Text(field.begin() + 1, field.begin() + 1 + length);
}

}  // namespace store
