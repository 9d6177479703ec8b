#include "import/nodeclass.h"

#include <array>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace osmimport {
namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;

// A node piece from its first ">" on, as the node loop hands it over.
std::string piece(const Tags& tags, char q) {
    std::string out = ">\n";
    for (const auto& [k, v] : tags)
        out += std::string("  <tag k=") + q + k + q + " v=" + q + v + q + "/>\n";
    return out + "</node>\n";
}

std::string lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

NodeClass classify(const NodeClassifierRules& rules, const Tags& tags, char tagQuote) {
    const std::string raw = piece(tags, tagQuote);
    return rules.classify(raw, lower(raw));
}

struct CodeCase {
    const char* what;
    Tags tags;
    std::string code;
    std::array<int, 4> labels;
    bool described;
};

TEST(NodeClassTest, FirstMatchingRuleGivesTheCodeAndCount) {
    const CodeCase cases[] = {
        {"named pub", {{"amenity", "pub"}, {"name", "Red Lion"}}, "PUB", {2}, true},
        {"post box", {{"amenity", "post_box"}}, "POS", {4}, false},
        {"post office", {{"amenity", "post_office"}}, "X23", {}, true},
        {"bus stop with bench", {{"highway", "bus_stop"}, {"amenity", "bench"}}, "BUS", {6}, true},
        {"uncontrolled level crossing",
         {{"railway", "level_crossing"}, {"crossing", "uncontrolled"}},
         "X42 ",
         {},
         false},
        {"railway crossing", {{"railway", "crossing"}}, "X26", {}, false},
        {"highway crossing", {{"highway", "crossing"}}, "X21", {}, false},
        {"tourist information", {{"tourism", "information"}}, "X70", {}, true},
        {"artwork", {{"tourism", "artwork"}}, "TOU", {18}, true},
        {"hotel", {{"tourism", "hotel"}}, "HOT", {16}, true},
        {"mast alone", {{"man_made", "mast"}}, "X0 ", {}, true},
        {"mast with sport goes on to group B", {{"man_made", "mast"}, {"sport", "tennis"}}, "X11", {}, true},
        {"mast with a tree stays described", {{"man_made", "mast"}, {"natural", "tree"}}, "X69", {}, true},
        {"power tower", {{"power", "tower"}}, "PYL", {}, false},
        {"power generator", {{"power", "generator"}}, "X53", {}, true},
        {"traffic signals", {{"highway", "traffic_signals"}}, "TRA", {}, false},
        {"swimming", {{"sport", "swimming"}}, "X58", {}, true},
        {"address", {{"addr:street", "High Street"}}, "ADR", {22}, true},
        {"historic ruins", {{"historic", "ruins"}}, "HIS", {17}, true},
        {"drinking water", {{"amenity", "drinking_water"}}, "X30", {}, false},
        {"fast food", {{"amenity", "fast_food"}}, "X7 ", {}, true},
        {"unknown amenity", {{"amenity", "clock"}}, "AME", {}, true},
        {"shop", {{"shop", "bakery"}}, "SHO", {10}, true},
        {"plain station", {{"railway", "station"}}, "STA", {23}, true},
        {"subway station with a kiosk",
         {{"railway", "station"}, {"station", "subway"}, {"shop", "kiosk"}},
         "SHO",
         {23, 10},
         true},
        {"subway station alone", {{"railway", "station"}, {"station", "subway"}}, "STA", {23}, true},
        {"bay", {{"natural", "bay"}}, "BAY", {}, true},
        {"tag of no class", {{"created_by", "JOSM"}}, "TAG", {}, true},
        {"worship, muslim and sikh",
         {{"amenity", "place_of_worship"}, {"religion", "muslim"}, {"denomination", "sikh"}},
         "CHS",
         {1},
         true},
        {"worship, jewish", {{"amenity", "place_of_worship"}, {"religion", "jewish"}}, "CHJ", {1}, true},
        {"worship, buddhist", {{"amenity", "place_of_worship"}, {"religion", "buddhist"}}, "CHH", {1}, true},
        {"worship, plain", {{"amenity", "place_of_worship"}}, "CHU", {1}, true},
    };
    const NodeClassifierRules rules('"');
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const NodeClass got = classify(rules, c.tags, '"');
        EXPECT_EQ(got.code, c.code);
        EXPECT_EQ(got.labels, c.labels);
        EXPECT_EQ(got.described, c.described);
    }
}

TEST(NodeClassTest, JosmQuotesGiveTheSameCodesAndOtherQuotesMatchNoQuotedNeedle) {
    const NodeClassifierRules josm('\'');
    EXPECT_EQ(classify(josm, {{"amenity", "pub"}}, '\'').code, "PUB");
    EXPECT_EQ(classify(josm, {{"amenity", "post_box"}}, '\'').code, "POS");
    EXPECT_EQ(classify(josm, {{"natural", "bay"}}, '\'').code, "BAY");
    EXPECT_EQ(classify(josm, {{"amenity", "pub"}}, '"').code, "TAG");
}

TEST(NodeClassTest, NodeWithoutTagValueGetsNoCode) {
    const NodeClassifierRules rules('"');
    const NodeClass got = rules.classify(">\n</node>", ">\n</node>");
    EXPECT_EQ(got.code, "");
    EXPECT_FALSE(got.described);
    EXPECT_EQ(got.labels, (std::array<int, 4>{}));
    EXPECT_EQ(rules.classify("", "").code, "");
}

TEST(NodeClassTest, RecordChoiceAndPositionFollowTheRuleKind) {
    const NodeClassifierRules rules('"');
    struct Case {
        const char* what;
        Tags tags;
        bool recordIsDesc;
        bool appendPosition;
    };
    const Case cases[] = {
        {"place carries its description", {{"place", "village"}}, true, false},
        {"camera carries its description", {{"highway", "speed_camera"}}, true, true},
        {"pub carries its tag text", {{"amenity", "pub"}}, false, true},
        {"station has no position", {{"railway", "station"}}, false, false},
        {"bay has no position", {{"natural", "bay"}}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const NodeClass got = classify(rules, c.tags, '"');
        EXPECT_TRUE(got.described);
        EXPECT_EQ(got.recordIsDesc, c.recordIsDesc);
        EXPECT_EQ(got.appendPosition, c.appendPosition);
    }
}

TEST(NodeClassTest, SideEffectFlags) {
    const NodeClassifierRules rules('"');
    const NodeClass subway =
        classify(rules, {{"railway", "station"}, {"station", "subway"}, {"shop", "kiosk"}}, '"');
    EXPECT_TRUE(subway.station);
    EXPECT_TRUE(subway.subway);
    const NodeClass station = classify(rules, {{"railway", "station"}}, '"');
    EXPECT_TRUE(station.station);
    EXPECT_FALSE(station.subway);
    EXPECT_TRUE(classify(rules, {{"amenity", "clock"}}, '"').amenity);
    EXPECT_FALSE(classify(rules, {{"amenity", "pub"}}, '"').amenity);
    const NodeClass bridge = classify(rules, {{"bridge", "yes"}}, '"');
    EXPECT_EQ(bridge.code, "X19");
    EXPECT_TRUE(bridge.bridge);
}

TEST(NodeClassTest, EmptyTagValueMarksTheCode) {
    const NodeClassifierRules rules('"');
    const NodeClass pub = classify(rules, {{"amenity", "pub"}, {"name", ""}}, '"');
    EXPECT_EQ(pub.code, "PUB+");
    EXPECT_TRUE(pub.emptyTag);
    EXPECT_EQ(pub.labels[0], 2);
    const NodeClass tag = classify(rules, {{"highway", "motorway_junction"}, {"ref", ""}}, '"');
    EXPECT_EQ(tag.code, "TAG+");
    // The empty-tag mark comes before the religion step, which then leaves the code alone.
    const NodeClass worship =
        classify(rules, {{"amenity", "place_of_worship"}, {"religion", "sikh"}, {"name", ""}}, '"');
    EXPECT_EQ(worship.code, "CHU+");
    EXPECT_FALSE(classify(rules, {{"amenity", "pub"}}, '"').emptyTag);
}

} // namespace
} // namespace osmimport
