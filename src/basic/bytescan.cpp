#include "basic/bytescan.h"

namespace basic {

std::size_t countEither(std::string_view s, char a, char b) noexcept {
    using namespace bytescan;
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
