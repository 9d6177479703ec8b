#include "basic/bytescan.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace basic {

namespace {

static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");

constexpr std::size_t kWord = sizeof(std::uint64_t);
constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Fu;

std::uint64_t wordAt(const char* p) noexcept {
    std::uint64_t w = 0;
    std::memcpy(&w, p, kWord);
    return w;
}

// The top bit of every byte of v that is 0, and of no other: adding 0x7F carries into the top
// bit of a byte only from its own low bits, so no byte disturbs the next one.
std::uint64_t zeroBytes(std::uint64_t v) noexcept {
    return ~(((v & kLowBits) + kLowBits) | v | kLowBits);
}

// The top bit of every byte of w that is a or b (given in every byte).
std::uint64_t either(std::uint64_t w, std::uint64_t a, std::uint64_t b) noexcept {
    return zeroBytes(w ^ a) | zeroBytes(w ^ b);
}

std::uint64_t everyByte(char c) noexcept {
    return kEveryByte * static_cast<unsigned char>(c);
}

} // namespace

std::size_t findEither(std::string_view s, std::size_t from, char a, char b) noexcept {
    const std::uint64_t aa = everyByte(a);
    const std::uint64_t bb = everyByte(b);
    for (; from + kWord <= s.size(); from += kWord)
        if (const std::uint64_t hits = either(wordAt(s.data() + from), aa, bb); hits != 0)
            return from + static_cast<std::size_t>(std::countr_zero(hits)) / kWord;
    while (from < s.size() && s[from] != a && s[from] != b)
        ++from;
    return from;
}

std::size_t countEither(std::string_view s, char a, char b) noexcept {
    const std::uint64_t aa = everyByte(a);
    const std::uint64_t bb = everyByte(b);
    std::size_t n = 0;
    std::size_t i = 0;
    for (; i + kWord <= s.size(); i += kWord)
        n += (either(wordAt(s.data() + i), aa, bb) >> 7) * kEveryByte >> 56; // the bytes' sum in the top one
    for (; i < s.size(); ++i)
        n += s[i] == a || s[i] == b ? 1 : 0;
    return n;
}

} // namespace basic
