// Malformed ways and ids imported through the main window: each has the one outcome the import
// defines for it, and the project file drawn afterwards holds it.

#include "core/importdriver_fixture.h"

namespace core::testing {
namespace {

const std::string kHead = "<osm version=\"0.6\">\n<bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.5\" "
                          "maxlon=\"-1.5\"/>\n";

std::string node(const std::string& id) {
    return "<node id=\"" + id + "\" lat=\"51.45\" lon=\"-1.55\"/>\n";
}

using RobustMalformedWaysTest = ImportDriverTest;

TEST_F(RobustMalformedWaysTest, WaysWithoutReferencesAndOddIdsAreStoredAsTheyResolve) {
    const std::string emoji = "\xF0\x9F\x98\x80";
    const std::string text =
        kHead + node("abc") + node("7") + node("0007") + node(" n3 ") + "<way id=\"1\" user=\"" + emoji +
        " mapper\" timestamp=\"2011-03-07T10:00:00Z\">"
        "<tag k=\"highway\" v=\"residential\"/></way>\n"
        "<way id=\"2\" user=\"u\"/>\n"
        "<way id=\"3\" user=\"x\">\n<nd ref=\"abc\"/>\n<nd ref=\"7\"/>\n<nd ref=\"n3\"/>\n"
        "<tag k=\"highway\" v=\"residential\"/>\n<tag k=\"name\" v=\"A" +
        emoji + "\x01\"/>\n</way>\n</osm>\n";
    importAs("odd", text);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    ASSERT_EQ(map().g.parsedPath, projectPath("odd"));
    const MapData& d = map().d;
    ASSERT_EQ(d.nodeCount, 4);
    ASSERT_EQ(d.wayCount, 3);
    EXPECT_EQ(d.wayNodes[1], "");
    EXPECT_EQ(d.wayNodes[2], "");
    // "7" and "0007" are one id; the first of its nodes answers. Ids that are no numbers resolve
    // by their text, trimmed.
    EXPECT_EQ(d.wayNodes[3], "1#2#4#");
    EXPECT_EQ(d.wayUser[1], emoji + " mapper");
    EXPECT_EQ(d.wayDate[1], "07/03/2011");
    EXPECT_NE(d.wayName[3].find("A" + emoji + "\x01"), std::string::npos) << d.wayName[3];
    expectUsable();
}

} // namespace
} // namespace core::testing

