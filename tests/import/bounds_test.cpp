#include "basic/numtext.h"
#include "import/bounds.h"

#include <gtest/gtest.h>
#include <string>

namespace osmimport {
namespace {

TEST(BoundsTest, BoundsElementGivesOriginAndScale) {
    const std::string header = R"(<osm><bounds minlat="51.4" minlon="-1.60" maxlat="51.5" maxlon="-1.50"/>)";
    const Bounds b = readBounds(header, '"', 12000);
    EXPECT_EQ(b.form, BoundsForm::Bounds);
    EXPECT_EQ(b.mapLat0, 51.5f);
    EXPECT_EQ(b.mapLon0, -1.6f);
    EXPECT_EQ(b.mapScale, 30000); // the worked example: 12000 / 0.10 / 4
    EXPECT_EQ(readBounds(header, '"', 8010).mapScale, 20025);
}

TEST(BoundsTest, ScaleRoundsHalvesToEven) {
    struct Case {
        double width;
        const char* maxlon;
        Long scale;
    };
    // Extent 0.5 from 0: the scale is width / 2.
    const Case cases[] = {{5, "0.5", 2}, {7, "0.5", 4}, {9, "0.5", 4}, {3, "0.5", 2}, {8010, "0.5", 4005}};
    for (const auto& c : cases) {
        const std::string header =
            std::string(R"(<bounds minlat="0" minlon="0" maxlat="1" maxlon=")") + c.maxlon + R"("/>)";
        EXPECT_EQ(readBounds(header, '"', c.width).mapScale, c.scale) << c.width;
    }
}

TEST(BoundsTest, ScaleIsAbsentWhereTheExtentGivesNone) {
    EXPECT_EQ(readBounds(R"(<bounds minlon="2.5" maxlat="1" maxlon="2.5"/>)", '"', 8010).mapScale,
              std::nullopt);
    EXPECT_EQ(readBounds(R"(<bounds minlon="0" maxlat="1" maxlon="1E-12"/>)", '"', 8010).mapScale,
              std::nullopt);
}

TEST(BoundsTest, ReadsWithTheFilesQuoteAndPassesOverBadValues) {
    const Bounds josm = readBounds("<bounds minlat='1' minlon='10' maxlat='2' maxlon='10.5'/>", '\'', 8010);
    EXPECT_EQ(josm.mapLat0, 2.0f);
    EXPECT_EQ(josm.mapScale, 4005);
    const Bounds bad = readBounds(R"(<bounds minlon="east" maxlat="1E99" maxlon="1"/>)", '"', 8010);
    EXPECT_EQ(bad.form, BoundsForm::Bounds);
    EXPECT_EQ(bad.mapLat0, 0.0f);  // beyond the Single range
    EXPECT_EQ(bad.mapLon0, 0.0f);  // no number
    EXPECT_EQ(bad.mapScale, 2002); // 8010 / 1 / 4 = 2002.5
}

TEST(BoundsTest, BoundBoxFormHasTheFixedScale) {
    struct Case {
        const char* what;
        std::string header;
        Single lat;
        Single lon;
    };
    const Case cases[] = {
        {"box", R"(<osm><bound box="51.5,-0.2,51.6,-0.1" origin="x"/>)", 51.5f, -0.2f},
        {"first number 0 takes the third", R"(<bound box="0,-0.2,51.6,-0.1"/>)", 51.6f, -0.2f},
        {"no box: the first item reads as 0", "<bound a,7,9>", 9.0f, 7.0f},
        {"too few items", R"(<bound box="0"/>)", 0.0f, 0.0f},
    };
    for (const auto& c : cases) {
        const Bounds b = readBounds(c.header, '"', 8010);
        EXPECT_EQ(b.form, BoundsForm::BoundBox) << c.what;
        EXPECT_EQ(b.mapLat0, c.lat) << c.what;
        EXPECT_EQ(b.mapLon0, c.lon) << c.what;
        EXPECT_EQ(b.mapScale, kBoxFormScale) << c.what;
    }
}

TEST(BoundsTest, NoBoundsAtAll) {
    EXPECT_EQ(readBounds(R"(<osm version="0.6">)", '"', 8010).form, BoundsForm::None);
    EXPECT_EQ(readBounds("", '"', 8010).form, BoundsForm::None);
    EXPECT_EQ(readBounds("<BOUNDS minlat=\"1\"/>", '"', 8010).form, BoundsForm::None);
}

TEST(LatStretchTest, UsesTheAbsoluteLatitude) {
    EXPECT_EQ(basic::dec(latStretch(51.5f)), "1.515");
    EXPECT_EQ(basic::dec(latStretch(-33.9f)), "1.339");
    EXPECT_EQ(latStretch(0), 1.0f);
    EXPECT_EQ(latStretch(90), latStretch(-90));
    EXPECT_EQ(basic::dec(latStretch(90)), "1.9");
}

TEST(LoadRateTest, StepsAtTheNodeCounts) {
    const std::pair<Long, Single> cases[] = {{0, 0.2f},     {1999, 0.2f},  {2000, 0.9f},  {19999, 0.9f},
                                             {20000, 1.6f}, {29999, 1.6f}, {30000, 1.7f}, {34999, 1.7f},
                                             {35000, 2.0f}, {100000, 2.0f}};
    for (const auto& [nodes, rate] : cases)
        EXPECT_EQ(loadRate(nodes), rate) << nodes;
}

} // namespace
} // namespace osmimport
