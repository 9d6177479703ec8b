// What a click on a problem marker explains, and the chain arrows an import adds.

#include "core/window_fixture.h"
#include "render/marker_fixture.h"
#include "poi/problemadvice.h"

namespace poi::testing {
namespace {


const std::string kPrefix = "Area not shown in Mapnik.\r\n\r\n";

TEST(QuestAdviceTest, HighwayTexts) {
    struct Case {
        const char* tag;
        std::string message;
    };
    const Case cases[] = {
        {"Platform 3", "Platform 3\r\nIgnore if this is a subway station."},
        {"highway=road</way> more",
         "Highway not specified (ie highway:unclassified,service,track?) or not shown in Mapnik.\r\n\r\n"
         "highway=road"},
        {"Error: highway", "Error: highway"},
        {"<tag k=\"highway\" v=\"x\"/>",
         "Highway not specified (ie highway:unclassified,service,track?) or not shown in Mapnik.\r\n\r\n"
         " highway x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(questAdvice(c.tag, '"'), c.message) << c.tag;
}

TEST(QuestAdviceTest, AreaTipsByTheFirstMatchingRule) {
    // The text after "AREA: x " (from its 8th character) follows the prefix.
    struct Case {
        const char* tag;
        std::string tip;
    };
    const Case cases[] = {
        {"AREA: sport golf", " leisure:golf_course"},
        {"AREA: sport=tennis park\"", " leisure:pitch (sports_centre/building=yes/stadium?)"},
        {"AREA: sport tennis", " leisure:pitch (sports_centre/building=yes/stadium?)"},
        {"AREA: grave", "'landuse:cemetery / grave_yard' or amenity:place_of_worship"},
        {"AREA: park\"", "'leisure:park'"},
        {"AREA: park", "'landuse:' (industrial/commercial/retail/amenity:parking/tourism:attraction\r\n"
                       "natural:land (islands) etc) or 'building:yes'"},
        {"AREA: orchard\"", "'landuse:farm'"},
        {"AREA: wood\"", "natural:wood"},
        {"AREA: bus wood\"",
         "' no solution as yet.' Perhaps draw building and set polygon as  'building:yes'."},
        {"AREA: prison", "' no solution as yet.' Perhaps draw building and set polygon as  'building:yes'."},
        {"AREA: marina bus", "' no solution as yet.'Perhaps 'water:natural'"},
    };
    for (const Case& c : cases) {
        const std::string t = c.tag;
        const std::string shown = t.size() >= 8 ? t.substr(7) : "";
        std::string expected = kPrefix + shown + "\r\n\r\nTip: " + c.tip;
        std::erase(expected, '"');
        EXPECT_EQ(questAdvice(c.tag, '"'), expected) << c.tag;
    }
}

TEST(QuestAdviceTest, TheTagSyntaxAndTheQuoteCharacterGo) {
    EXPECT_EQ(questAdvice("AREA: <tag k='leisure' v='x'/></way><tag", '\''),
              kPrefix + " leisure x\r\n\r\nTip: landuse: (industrial/commercial/retail/amenity:parking/"
                        "tourism:attraction\r\nnatural:land (islands) etc) or building:yes");
}

TEST(MarkerTextTest, EmptyTagsAndNodes) {
    EXPECT_EQ(emptyTagAdvice("<tag k=\"name\" v=\"\"/>"),
              "Empty Tags\r\n\r\nTip:in editor select all nodes,then delete & redo tags . No need to replot!"
              "\r\n\r\n<tag \"name\" \"\"/>");
    EXPECT_EQ(nodeMarkerText("<node id=\"1\"><tag k=\"shop\" v=\"x\"/></node>", '"'), "<node id=1 shop x");
    // A Tag without "</nod" shows whole.
    EXPECT_EQ(nodeMarkerText("<tag k='a' v='b'/>", '\''), " a b");
    EXPECT_EQ(nodeMarkerText("", '"'), "");
}

using render::testing::MarkerTest;

TEST_F(MarkerTest, ClicksExplainTheMarkers) {
    core::MapWindow& map = withNodes();
    loadMarkers(map.markers.quest, {"Error: x"});
    loadMarkers(map.markers.quot, {"k=\"a\""});
    loadMarkers(map.markers.chain, {"gap at node 7"});
    loadMarkers(map.markers.shape1, {"<tag k=\"a\" v=\"b\"/></node>"});
    for (int i = 0; i < 4; ++i)
        dialogs().scriptMsgBox(platform::msgbox::Ok);
    quest_Click(map, 2);
    quot_MouseDown(map, 2);
    chain_Click(map, 2);
    shape1_MouseDown(map, 2);
    shape1_MouseDown(map, 1); // the template's neighbour: no marker
    const auto& shown = dialogs().shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].text, "Error: x");
    EXPECT_EQ(shown[1].text.substr(0, 10), "Empty Tags");
    EXPECT_EQ(shown[2].text, "gap at node 7");
    EXPECT_EQ(shown[3].text, " a b");
    map.data.drawBusy = true;
    chain_Click(map, 2);
    EXPECT_EQ(dialogs().shown().size(), 4u);
}

TEST_F(MarkerTest, GetchainCountsTheArrowsItAdds) {
    core::MapWindow& map = withNodes();
    for (int i = 0; i < 3; ++i)
        getchain(map, 100 * (i + 1), 50, "gap " + std::to_string(i));
    EXPECT_EQ(map.legendStrip.numb[31].caption(), "3");
    EXPECT_EQ(map.data.chainCount, 4);
    const platform::ImageControl& model = map.markers.chain[0];
    const platform::ImageControl& last = map.markers.chain[4];
    EXPECT_EQ(last.tag(), "gap 2");
    EXPECT_FALSE(last.visible());
    EXPECT_FLOAT_EQ(last.left(), 610 - model.width());
    EXPECT_FLOAT_EQ(last.top(), 120 - model.height());
}

} // namespace
} // namespace poi::testing
