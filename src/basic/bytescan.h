#pragma once
// Searches for either of two bytes eight bytes at a time: the delimiters of the line-oriented
// files (comma and line feed, double quote and line feed) end values a few bytes apart, where a
// call of memchr per value costs more than the search itself. The search is inline, so that the
// bytes sought become constants in the reader's loop.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace basic {

namespace bytescan {

static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");

inline constexpr std::size_t kWord = sizeof(std::uint64_t);
inline constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
inline constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Fu;

inline std::uint64_t wordAt(const char* p) noexcept {
    std::uint64_t w = 0;
    std::memcpy(&w, p, kWord);
    return w;
}

// The top bit of every byte of v that is 0, and of no other: adding 0x7F carries into the top
// bit of a byte only from its own low bits, so no byte disturbs the next one.
constexpr std::uint64_t zeroBytes(std::uint64_t v) noexcept {
    return ~(((v & kLowBits) + kLowBits) | v | kLowBits);
}

// The top bit of every byte of w that is a or b (given in every byte).
constexpr std::uint64_t either(std::uint64_t w, std::uint64_t a, std::uint64_t b) noexcept {
    return zeroBytes(w ^ a) | zeroBytes(w ^ b);
}

constexpr std::uint64_t everyByte(char c) noexcept {
    return kEveryByte * static_cast<unsigned char>(c);
}

} // namespace bytescan

// Position of the first a or b in s at or after from; s.size() when there is none (from, when
// from is past the end).
inline std::size_t findEither(std::string_view s, std::size_t from, char a, char b) noexcept {
    using namespace bytescan;
    const std::uint64_t aa = everyByte(a);
    const std::uint64_t bb = everyByte(b);
    for (; from + kWord <= s.size(); from += kWord)
        if (const std::uint64_t hits = either(wordAt(s.data() + from), aa, bb); hits != 0)
            return from + static_cast<std::size_t>(std::countr_zero(hits)) / kWord;
    while (from < s.size() && s[from] != a && s[from] != b)
        ++from;
    return from;
}

// Number of bytes of s that are a or b.
std::size_t countEither(std::string_view s, char a, char b) noexcept;

} // namespace basic
