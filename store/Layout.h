#pragma once
// The byte layout of the data files, in one place: every offset, size and limit, and each
// field of a record as a span of its bytes. Whoever reads or writes a record's bytes takes its
// fields from here. Integers are 32-bit little-endian; a short string is a length byte (0..30)
// followed by that many Windows-1252 bytes, in a field of 31 bytes.
//
// agen.dat, the settings, one record of 112 bytes:
//     0  the current language (1..3)
//     4  the current list of each language (1..98), 4 bytes each
//    16  the name of each language, a short string each
//   109  three bytes written as zeros
//
// bu1.dat, bu2.dat, bu3.dat, a language's words: 100 lists of 100 records of 68 bytes. Record 0
// of a list is its header, records 1..99 its pairs. Lists 1..98 are the user's.
//     0  a number: the pair count in a header
//     4  the first text: the list's name in a header, the Swedish word in a pair
//    35  the second text: a text nobody reads in a header, the other word in a pair
//    66  two bytes written as zeros

#include <cstdint>
#include <span>

namespace store {

// Short strings.
inline constexpr int kShortStringCapacity = 30;
inline constexpr int kShortStringSize = kShortStringCapacity + 1;
inline constexpr int kInt32Size = 4;

// The settings record.
inline constexpr int kLanguageCount = 3;
inline constexpr int kSettingsSize = 112;
inline constexpr int kCurrentLanguageOffset = 0;
inline constexpr int kCurrentListsOffset = kCurrentLanguageOffset + kInt32Size;
inline constexpr int kLanguageNamesOffset = kCurrentListsOffset + kLanguageCount * kInt32Size;
static_assert(kLanguageNamesOffset + kLanguageCount * kShortStringSize <= kSettingsSize);

// A word-list file and its records.
inline constexpr int kRecordSize = 68;
inline constexpr int kNumberOffset = 0;
inline constexpr int kFirstTextOffset = kNumberOffset + kInt32Size;
inline constexpr int kSecondTextOffset = kFirstTextOffset + kShortStringSize;
static_assert(kSecondTextOffset + kShortStringSize <= kRecordSize);
inline constexpr int kListCount = 100;
inline constexpr int kSlotsPerList = 100;
inline constexpr std::int64_t kWordListFileSize =
    std::int64_t{kListCount} * kSlotsPerList * kRecordSize;

// The limits.
inline constexpr int kFirstUserList = 1;
inline constexpr int kLastUserList = 98;
inline constexpr int kUserListCount = kLastUserList - kFirstUserList + 1;
inline constexpr int kMaxPairCount = 99;     // slots 1..99: what a damaged count is taken into
inline constexpr int kMaxPairsPerList = 98;  // as far as the list editor lets a list grow

// The place of a list's record among the records of a word-list file; slot 0 is the header.
constexpr int recordIndex(int list, int slot) {
    return list * kSlotsPerList + slot;
}

// The fields, as spans of the bytes they are taken from (a std::array, std::vector or span of
// bytes, const or not). The bytes must be long enough: a whole record or a whole file.

template <typename Bytes>
auto recordOf(Bytes&& file, int list, int slot) {
    return std::span(file).subspan(std::size_t(recordIndex(list, slot)) * kRecordSize, kRecordSize);
}

// The kSlotsPerList records of `list` in the bytes of a whole word-list file.
template <typename Bytes>
auto listOf(Bytes&& file, int list) {
    return std::span(file).subspan(std::size_t(recordIndex(list, 0)) * kRecordSize,
                                   std::size_t{kSlotsPerList} * kRecordSize);
}

template <typename Bytes>
auto numberField(Bytes&& record) {
    return std::span(record).subspan(kNumberOffset, kInt32Size);
}

template <typename Bytes>
auto firstTextField(Bytes&& record) {
    return std::span(record).subspan(kFirstTextOffset, kShortStringSize);
}

template <typename Bytes>
auto secondTextField(Bytes&& record) {
    return std::span(record).subspan(kSecondTextOffset, kShortStringSize);
}

template <typename Bytes>
auto currentLanguageField(Bytes&& settings) {
    return std::span(settings).subspan(kCurrentLanguageOffset, kInt32Size);
}

// `language` 1..3.
template <typename Bytes>
auto currentListField(Bytes&& settings, int language) {
    return std::span(settings).subspan(kCurrentListsOffset + std::size_t(language - 1) * kInt32Size,
                                       kInt32Size);
}

// `language` 1..3.
template <typename Bytes>
auto languageNameField(Bytes&& settings, int language) {
    return std::span(settings).subspan(
        kLanguageNamesOffset + std::size_t(language - 1) * kShortStringSize, kShortStringSize);
}

}  // namespace store
