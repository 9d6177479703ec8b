#include "import/textreducers.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace osmimport {
namespace {

TEST(AlltagTest, GivesAWaysTagsAsKeyValueTextsAndNothingWithoutAWayEnd) {
    const struct {
        const char* text;
        std::optional<std::string> tags;
    } cases[] = {
        {"<way id='7'>\n <nd ref='1'/>\n <tag k='highway' v='primary'/>\n <tag k='name' v='A B'/>\n</way>",
         "highway:primary\nname:A B\n"},
        {"<way id='7'><tag k='a' v='b'/></way>\n<way id='8'><tag k='c' v='d'/></way>", "a:b"},
        {"<way id='7'><nd ref='1'/></way>", std::nullopt},                // no tags
        {"<node id='1'><tag k='amenity' v='pub'/></node>", std::nullopt}, // no "</w"
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(alltag(c.text, '\''), c.tags) << c.text;
}

TEST(StripwaysTest, KeepsTheWaysFromTheirTimeOnAndTheFirstPieceTwice) {
    const struct {
        const char* text;
        const char* stripped;
        int turns;
    } cases[] = {
        {"<osm>\n<way id='1' t='time'><nd ref='1'/></way>\n<way id='2'/>\n<way k='x_time'/>\n</osm>",
         "<osm>\n<way time'><nd ref='1'/></way>\n<way time'/>\n</osm>", 4},
        {"<osm v='time'><way id='1'/>", "<way time'><way time'>", 2},
        {"", "", 0},
    };
    for (const auto& c : cases) {
        int turns = 0;
        EXPECT_EQ(stripways(c.text, '\'', [&] { ++turns; }), c.stripped) << c.text;
        EXPECT_EQ(turns, c.turns) << c.text;
    }
}

} // namespace
} // namespace osmimport
