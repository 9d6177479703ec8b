// The places found part by part on several threads are those of one search from the front,
// wherever the parts are cut.

#include "basic/findall.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace basic {
namespace {

TEST(FindAllTest, ThePartsFindWhatOneSearchFromTheFrontFinds) {
    std::mt19937 random(11);
    const std::string letters = "<node w";
    // Over 2 MB a text is searched in parts, cut at size x k / parts for up to 8 parts: a place
    // is put across every such cut.
    for (const std::size_t size : {std::size_t{5}, std::size_t{4} << 20, (std::size_t{6} << 20) + 3}) {
        std::string text(size, ' ');
        for (char& c : text)
            c = letters[random() % letters.size()];
        for (std::size_t parts = 2; parts <= 8 && size > 10; ++parts)
            for (std::size_t k = 1; k < parts; ++k)
                text.replace(size * k / parts - 2, 5, "<node");
        for (const std::string_view needle : {"<node", "<way ", "<n"}) {
            std::vector<std::size_t> expected;
            for (std::size_t at = text.find(needle); at != std::string::npos;
                 at = text.find(needle, at + needle.size()))
                expected.push_back(at);
            EXPECT_EQ(findAll(text, needle), expected) << size << " " << needle;
            EXPECT_EQ(countAll(text, needle), expected.size());
            EXPECT_EQ(findFirst(text, needle), text.find(needle));
        }
    }
    EXPECT_TRUE(findAll("<node", "").empty());
    std::string blank(std::size_t{4} << 20, ' ');
    blank.replace(blank.size() / 2 - 2, 5, "<node"); // the only place, across the cut of two parts
    EXPECT_EQ(findFirst(blank, "<node"), blank.size() / 2 - 2);
}

} // namespace
} // namespace basic
