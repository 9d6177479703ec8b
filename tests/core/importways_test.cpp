// The way phase through the main window: an import whose ways reach the project file.

#include "core/importdriver_fixture.h"
#include "import/projectreader.h"

namespace core::testing {
namespace {

const char* const kWays = R"(<osm version="0.6" generator="hand">
 <bounds minlat="51.4" minlon="-1.6" maxlat="51.5" maxlon="-1.5"/>
 <node id="1" lat="51.49" lon="-1.59"/>
 <node id="2" lat="51.49" lon="-1.58"/>
 <node id="3" lat="51.48" lon="-1.58"/>
 <node id="4" lat="51.48" lon="-1.59"/>
 <way id="10" user="ann" timestamp="2012-03-04T05:06:07Z">
  <nd ref="1"/><nd ref="2"/><nd ref="3"/><nd ref="4"/><nd ref="1"/>
  <tag k="landuse" v="xyzzy"/>
 </way>
 <way id="11">
  <nd ref="2"/><nd ref="3"/><nd ref="4"/>
  <tag k="building" v="yes"/>
 </way>
 <way id="12">
  <nd ref="1"/><nd ref="2"/><nd ref="3"/><nd ref="4"/><nd ref="1"/>
  <tag k="leisure" v="park"/><tag k="name" v="Green"/>
 </way>
</osm>
)";

TEST_F(ImportDriverTest, TheWaysReachTheProjectFile) {
    importAs("ways", kWays);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    const osmimport::ProjectData file = osmimport::readProjectFile(basic::readFileBytes(projectPath("ways")));
    ASSERT_EQ(file.wayCount, 3);
    EXPECT_EQ(file.wayNodes[1], "1#2#3#4#1#");
    EXPECT_EQ(file.wayUser[1], "ann");
    EXPECT_EQ(file.wayDate[1], "04/03/2012");
    // The unknown landuse: an area marker.
    ASSERT_GE(file.questCount, 2);
    EXPECT_EQ(file.questTexts[0].rfind("AREA:", 0), 0u);
    EXPECT_NE(file.hiddenAreaList.find("xyzzy"), std::string::npos);
    // The open building: a chain arrow at its first node, drawn as unclosed.
    EXPECT_EQ(file.chainCount, 2);
    EXPECT_EQ(file.chainList, "2#");
    EXPECT_EQ(file.unclosedAreaList.rfind("2$", 0), 0u) << file.unclosedAreaList;
    EXPECT_EQ(file.wayWidth[2], 5);
    EXPECT_EQ(file.wayColour[2], 0);
    // The park: labelled inside.
    ASSERT_EQ(file.lab2Count, 1);
    EXPECT_EQ(file.labels[0].caption, "Green");
    EXPECT_GT(file.labels[0].width, 0);
    EXPECT_GT(file.wayLabelX[3], 0);
    EXPECT_NE(("#" + file.areaList).find("#3#"), std::string::npos) << file.areaList;
    expectUsable();
}

} // namespace
} // namespace core::testing
