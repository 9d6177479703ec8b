#include "basic/bytescan.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace basic {
namespace {

// Texts of every length around the word size, of bytes drawn from the two wanted ones, their
// neighbours and bytes with the top bit set, searched from every start.
TEST(ByteScanTest, FindsAndCountsAsAByteByByteLoop) {
    std::mt19937 random(7);
    const std::string alphabet{',', '\n', '-', '\x0b', '\xac', '\x8a', '\xff', '\0', 'a', '"'};
    for (int round = 0; round < 3000; ++round) {
        std::string s(random() % 40, ' ');
        for (char& c : s)
            c = random() % 4 == 0 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
        const char a = alphabet[random() % 2 == 0 ? 0 : 9];
        std::size_t expectedCount = 0;
        for (char c : s)
            expectedCount += c == a || c == '\n' ? 1 : 0;
        EXPECT_EQ(countEither(s, a, '\n'), expectedCount);
        for (std::size_t from = 0; from <= s.size() + 1; ++from) {
            std::size_t expected = from;
            while (expected < s.size() && s[expected] != a && s[expected] != '\n')
                ++expected;
            ASSERT_EQ(findEither(s, from, a, '\n'), expected) << "from " << from << " in " << s.size();
        }
    }
}

} // namespace
} // namespace basic
