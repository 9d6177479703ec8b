// One scan answers every needle as a plain find would, overlapping needles, needles inside
// needles and repeated needles included.

#include "import/needleset.h"

#include <gtest/gtest.h>
#include <random>

namespace osmimport {
namespace {

TEST(NeedleSet, AnswersAsFindForEveryNeedle) {
    std::mt19937 random(3);
    // A small alphabet makes overlaps, suffixes and prefixes of one another common.
    const std::string alphabet = "ab\"'=<> c";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> needleLength(1, 6);
    std::uniform_int_distribution<int> textLength(0, 80);
    const auto make = [&](int length) {
        std::string s;
        for (int i = 0; i < length; ++i)
            s += alphabet[letter(random)];
        return s;
    };
    for (int round = 0; round < 40; ++round) {
        NeedleSet set;
        std::vector<std::string> needles;
        for (int k = 0; k < 30; ++k)
            needles.push_back(make(needleLength(random)));
        std::vector<int> ids;
        for (const std::string& needle : needles)
            ids.push_back(set.add(needle));
        set.build();
        std::vector<std::uint8_t> found;
        for (int t = 0; t < 50; ++t) {
            const std::string text = make(textLength(random));
            set.scan(text, found);
            for (std::size_t k = 0; k < needles.size(); ++k)
                ASSERT_EQ(found[static_cast<std::size_t>(ids[k])] != 0,
                          text.find(needles[k]) != std::string::npos)
                    << "needle '" << needles[k] << "' in '" << text << "'";
        }
    }
}

TEST(NeedleSet, RepeatedAndEmptyNeedlesAndBytesBeyondAscii) {
    NeedleSet set;
    const int resi = set.add("\"resi");
    EXPECT_EQ(set.add("\"resi"), resi);
    const int empty = set.add("");
    const int accent = set.add("caf\xC3\xA9");
    const int none = set.add("zz");
    EXPECT_EQ(set.size(), 4);
    set.build();
    std::vector<std::uint8_t> found;
    set.scan("", found);
    EXPECT_EQ(found[static_cast<std::size_t>(empty)], 1);
    EXPECT_EQ(found[static_cast<std::size_t>(resi)], 0);
    set.scan("k=\"landuse\" v=\"residential\" name=\"Caf\xC3\xA9 caf\xC3\xA9\"", found);
    EXPECT_EQ(found[static_cast<std::size_t>(resi)], 1);
    EXPECT_EQ(found[static_cast<std::size_t>(accent)], 1);
    EXPECT_EQ(found[static_cast<std::size_t>(none)], 0);
}

} // namespace
} // namespace osmimport
