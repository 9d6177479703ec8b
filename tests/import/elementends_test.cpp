// A piece ends at the first element start that follows it, as the nearest of the four plain
// searches would say, whatever the pieces are made of.

#include "import/elementends.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace osmimport {
namespace {

TEST(ElementEnds, EndIsTheNearestOfTheFourElementStarts) {
    // Fragments that start like element starts without being one, next to the real ones.
    const std::string fragments[] = {"<node", "<nodes", "<way ", "<way>", "<wa",  "<relation",
                                     "<rel",  "</osm", "</os",  "<",     " x\n", "<nd ref='1'/>"};
    const std::string_view starts[] = {"<node", "<way ", "<relation", "</osm"};
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(fragments) - 1);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int k = random() % 12; k > 0; --k)
            text += fragments[pick(random)];
        const ElementEnds ends(text);
        for (std::size_t from = 0; from <= text.size(); ++from) {
            std::size_t expected = text.size();
            for (const std::string_view start : starts)
                expected = std::min(expected, std::min(text.size(), text.find(start, from)));
            ASSERT_EQ(ends.after(from), expected) << "'" << text << "' from " << from;
        }
    }
}

} // namespace
} // namespace osmimport
