// Every real extract imported through File > "Open OSM" offscreen, and its project file checked
// against the OSM file itself: the number of node and way records, the bounds and the scale, and
// the map positions of nodes recomputed from their lat/lon.

#include "basic/numbers.h"
#include "basic/numtext.h"
#include "basic/val.h"
#include "core/filemenu.h"
#include "core/importdriver_fixture.h"
#include "import/projectreader.h"
#include "robust_osm.h"

#include <cmath>

namespace core::testing {
namespace {

constexpr int kOpenOsm = 0;
constexpr double kScaleWidth = 8010; // of the map picture

class RobustEndToEndTest : public ImportDriverTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RobustEndToEndTest, TheProjectFileHoldsWhatTheOsmFileSays) {
    const std::string name = GetParam();
    const std::string text = basic::readFileBytes(std::string(VK_TEST_DATA) + "/" + name);
    const std::string osm = appPath() + "/" + name;
    basic::writeFileWhole(osm, text);
    dialogs().scriptOpenFile(osm);
    mf_Click(map(), kOpenOsm);
    ASSERT_EQ(messages(), std::vector<std::string>{});
    const std::string title = name.substr(0, name.size() - 4);
    ASSERT_EQ(map().global.parsedPath, projectPath(title));
    const osmimport::ProjectData d = osmimport::readProjectFile(basic::readFileBytes(projectPath(title)));

    // The import works from the bounds as Singles; the header holds them to 7 digits.
    const OsmFacts f = osmFacts(text);
    const auto lon0 = static_cast<basic::Single>(f.minlon);
    const auto lat0 = static_cast<basic::Single>(f.maxlat);
    EXPECT_EQ(d.nodeCount, f.nodes);
    EXPECT_EQ(d.wayCount, f.ways);
    EXPECT_EQ(d.mapLon0, basic::csng(basic::val(basic::str(lon0))));
    EXPECT_EQ(d.mapLat0, basic::csng(basic::val(basic::str(lat0))));
    const double scale = basic::roundHalfEven(kScaleWidth / std::fabs(f.maxlon - lon0) / 4);
    EXPECT_EQ(d.mapScale, scale);

    const double stretch = static_cast<basic::Single>(1 + std::fabs(static_cast<double>(lat0)) / 100);
    for (long i : {1L, 2L, f.nodes / 3, f.nodes / 2, f.nodes - 1, f.nodes}) {
        SCOPED_TRACE("node " + std::to_string(i));
        const auto k = static_cast<std::size_t>(i - 1);
        const double x = (f.lon[k] - lon0) * scale + 3000;
        const double y = 2500 - (f.lat[k] - lat0) * scale * stretch;
        EXPECT_EQ(static_cast<basic::Single>(d.nodeX[static_cast<std::size_t>(i)]),
                  static_cast<basic::Single>(x));
        EXPECT_EQ(static_cast<basic::Single>(d.nodeY[static_cast<std::size_t>(i)]),
                  static_cast<basic::Single>(y));
    }
    expectUsable();
}

INSTANTIATE_TEST_SUITE_P(RealExtracts, RobustEndToEndTest,
                         ::testing::Values("fields-48.135-10.068.osm", "karlsruhe-boundary.osm",
                                           "three-rivers-josm.osm", "west-oakland.osm"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

} // namespace
} // namespace core::testing
