// The GPX and KML documents of a route, byte for byte: golden files for whole documents, tables
// for the coordinate texts and the point names.

#include "basic/numbers.h"
#include "basic/text.h"
#include "basic/wholefile.h"
#include "routes/gpxtext.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace routes {
namespace {

using basic::Single;

const std::string kFolder = std::string(VK_TEST_DATA) + "/routes/";
constexpr std::string_view kCurFile = "/home/mapper/osm/london.osm";

struct Route {
    std::vector<Single> lat;
    std::vector<Single> lon;
};

Route onePoint() {
    return {{51.50735f}, {-0.1277583f}};
}

Route fourPoints() {
    return {{51.50735f, -33.86882f, 1.234568e-5f, 12.0f}, {-0.1277583f, 151.2093f, -5e-5f, -180.0f}};
}

// The golden file without the line break that the file writer adds.
std::string golden(const std::string& name) {
    std::string bytes = basic::readFileBytes(kFolder + name);
    EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
    bytes.resize(bytes.size() - 2);
    return bytes;
}

TEST(GpxTextTest, DocumentsMatchTheirGoldenFiles) {
    const struct {
        const char* name;
        Route route;
    } cases[] = {{"one-point", onePoint()}, {"four-points", fourPoints()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(gpxText(c.route.lat, c.route.lon, kCurFile), golden(std::string(c.name) + ".gpx"));
        EXPECT_EQ(kmlText(c.route.lat, c.route.lon, kCurFile), golden(std::string(c.name) + ".kml"));
    }
}

TEST(GpxTextTest, CoordinatesAreSevenDigitPlainDecimals) {
    const struct {
        Single v;
        const char* text;
    } cases[] = {
        {51.50735f, "51.50735"},
        {-0.1277583f, "-0.1277583"},
        {0.5f, "0.5"},
        {-0.25f, "-0.25"},
        {12.0f, "12"},
        {-180.0f, "-180"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {1e-4f, "0.0001"},
        {-5e-5f, "-0.00005"},
        {1.234568e-5f, "0.00001234568"},
        {1e-10f, "0.0000000001"},
        {123456789.0f, "123456800"},
        {51.123456789f, "51.12346"},
        {99.99999f, "99.99999"},
        {1.2345675f, "1.234568"},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        appendCoordinate(out, c.v);
        EXPECT_EQ(out, std::string("x") + c.text) << c.v;
    }
}

TEST(GpxTextTest, PointNamesCarryTheNumberBehindWP0) {
    const std::vector<Single> lat(100, 1.0f);
    const std::vector<Single> lon(100, 2.0f);
    const std::string gpx = gpxText(lat, lon, kCurFile);
    EXPECT_EQ(basic::count(gpx, "<wpt "), 100);
    EXPECT_EQ(basic::count(gpx, "<rtept "), 100);
    for (const char* name : {"WP01", "WP09", "WP010", "WP012", "WP099", "WP0100"}) {
        const std::string tag = std::string("<name>") + name + "</name>";
        EXPECT_EQ(basic::count(gpx, tag), 2) << name; // waypoint and route point
    }
    EXPECT_EQ(basic::count(gpx, "<name>WP00"), 0);
    EXPECT_EQ(basic::count(gpx, "<name>WP0101<"), 0);
}

TEST(GpxTextTest, TheRouteNameIsXmlTextInUtf8) {
    const Route route = onePoint();
    const struct {
        std::string curFile;
        std::string name;
    } cases[] = {
        {"/home/mapper/osm/Tom & Jerry <1>.osm", "/home/mapper/osm/Tom &amp; Jerry &lt;1&gt;.osm"},
        {"C:/maps/\"quoted\" & 'single'.osm", "C:/maps/&quot;quoted&quot; &amp; 'single'.osm"},
        {"Z\xC3\xBCrich.osm", "Z\xC3\xBCrich.osm"}, // UTF-8 as it is
        {"Z\xFCrich.osm", "Z\xC3\xBCrich.osm"},     // Windows-1252 written in UTF-8
        {"\x80 \x9F.osm", "\xE2\x82\xAC \xC5\xB8.osm"},
        {"Z\xC3\xBCrich \xFC.osm", "Z\xC3\x83\xC2\xBCrich \xC3\xBC.osm"}, // not UTF-8 as a whole
        {"a\x01" "b\x1E\x7F\tc\r\nd.osm", "ab\tc\r\nd.osm"},
        {"a\xC2\x85" "b.osm", "ab.osm"}, // a control character of the second block, in UTF-8
        {"\x81\x8D.osm", ".osm"},    // bytes Windows-1252 leaves undefined are such controls too
        {"lit&amp;amp.osm", "lit&amp;amp;amp.osm"}, // a name is never decoded, only escaped
        {"a\xEF\xBF\xBE-\xEF\xBF\xBF-\xEF\xBF\xBD.osm", "a--\xEF\xBF\xBD.osm"}, // U+FFFD stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.curFile);
        const std::string gpx = gpxText(route.lat, route.lon, c.curFile);
        const std::string kml = kmlText(route.lat, route.lon, c.curFile);
        EXPECT_EQ(basic::count(gpx, "<rte><name>" + c.name + "</name>\r\n"), 1);
        EXPECT_EQ(basic::count(kml, "<Document><name>" + c.name + "</name>\r\n"), 1);
        EXPECT_EQ(basic::count(kml, "<Placemark><name>" + c.name + "</name>\r\n"), 1);
    }
}

TEST(GpxTextTest, AnEmptyRouteStillGivesWholeDocuments) {
    const std::vector<Single> none;
    const std::string gpx = gpxText(none, none, "");
    EXPECT_TRUE(gpx.starts_with("<?xml"));
    EXPECT_TRUE(gpx.ends_with("\r\n<rte><name></name>\r\n</rte></gpx>"));
    EXPECT_TRUE(kmlText(none, none, "")
                    .ends_with("<coordinates>\r\n</coordinates></LineString>"
                               "</MultiGeometry></Placemark>\r\n</Folder></Document></kml>"));
}

TEST(GpxTextTest, CommaDecimalLocaleChangesNothing) {
    const Route route = fourPoints();
    const std::string gpx = gpxText(route.lat, route.lon, kCurFile);
    const std::string kml = kmlText(route.lat, route.lon, kCurFile);
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is missing; scripts/setup.sh generates it";
    const std::string gpxComma = gpxText(route.lat, route.lon, kCurFile);
    const std::string kmlComma = kmlText(route.lat, route.lon, kCurFile);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(gpxComma, gpx);
    EXPECT_EQ(kmlComma, kml);
}

} // namespace
} // namespace routes
