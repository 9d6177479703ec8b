#include "import/labelpoint.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace osmimport {
namespace {

LabelBox boxOf(const std::vector<PolyPoint>& corners) {
    LabelBox box{1e9f, 1e9f, 0, 0};
    for (const PolyPoint& p : corners) {
        box.minX = std::min(box.minX, static_cast<Single>(p.X));
        box.minY = std::min(box.minY, static_cast<Single>(p.Y));
        box.maxX = std::max(box.maxX, static_cast<Single>(p.X));
        box.maxY = std::max(box.maxY, static_cast<Single>(p.Y));
    }
    return box;
}

// The found point and its four neighbours d away lie inside the area.
void expectWellInside(const LabelSearch& s, const std::vector<PolyPoint>& corners, Single d) {
    EXPECT_TRUE(InsidePolygon(s.cx, s.cy, corners));
    EXPECT_TRUE(InsidePolygon(s.cx + d, s.cy, corners));
    EXPECT_TRUE(InsidePolygon(s.cx - d, s.cy, corners));
    EXPECT_TRUE(InsidePolygon(s.cx, s.cy + d, corners));
    EXPECT_TRUE(InsidePolygon(s.cx, s.cy - d, corners));
}

TEST(LabelCentroid, RoundsTheCentreThroughItsDecimalText) {
    const std::vector<PolyPoint> triangle = {{3000, 3000}, {3010, 3000}, {3000, 3010}};
    Single cx = 0, cy = 0;
    ASSERT_TRUE(FindCentroid(triangle, cx, cy));
    EXPECT_EQ(cx, 3003.33325f); // the Single nearest the exact centre
    ASSERT_TRUE(labelCentroid(triangle, cx, cy));
    EXPECT_EQ(cx, 3003.333f); // seven significant digits
    EXPECT_EQ(cy, 3003.333f);
    EXPECT_FALSE(labelCentroid(std::vector<PolyPoint>{{3000, 3000}, {3010, 3000}}, cx, cy));
    EXPECT_EQ(cx, 0);
}

TEST(SearchLabelPoint, TakesAConvexAreasCentreInPassOne) {
    const std::vector<PolyPoint> square = {{3000, 3000}, {3100, 3000}, {3100, 3100}, {3000, 3100}};
    const LabelSearch s = searchLabelPoint(square, boxOf(square));
    EXPECT_TRUE(s.searched);
    EXPECT_TRUE(s.found);
    EXPECT_EQ(s.pass, 1);
    EXPECT_EQ(s.cx, 3050);
    EXPECT_EQ(s.cy, 3050);
}

TEST(SearchLabelPoint, FindsACShapeWhoseCentreIsInTheNotchOnItsMiddleRow) {
    // Notch open to the right: the centre (about 3044, 3050) lies in it.
    const std::vector<PolyPoint> c = {{3000, 3000}, {3100, 3000}, {3100, 3030}, {3030, 3030},
                                      {3030, 3070}, {3100, 3070}, {3100, 3100}, {3000, 3100}};
    const LabelSearch s = searchLabelPoint(c, boxOf(c));
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.pass, 2);
    EXPECT_EQ(s.cy, 3050);
    EXPECT_LT(s.cx, 3030);
    expectWellInside(s, c, 4);
}

TEST(SearchLabelPoint, WalksTheMiddleRowAgainFromItsMiddleOnAnotherGrid) {
    // A stem exactly 8 wide whose middle, 3051, lies on no step of 4 from minX 3000 but half the
    // width, 51, from it; the centre lies in the gap right of the stem.
    const std::vector<PolyPoint> u = {{3047, 3000}, {3102, 3000}, {3102, 3030}, {3055, 3030}, {3055, 3070},
                                      {3102, 3070}, {3102, 3100}, {3000, 3100}, {3000, 3070}, {3047, 3070}};
    const LabelSearch s = searchLabelPoint(u, boxOf(u));
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.pass, 3);
    EXPECT_EQ(s.cx, 3051);
    EXPECT_EQ(s.cy, 3050);
}

TEST(SearchLabelPoint, WalksTheMiddleColumnWhenTheMiddleRowIsTooNarrow) {
    // Two bars joined by a stem 9 wide: no point of the middle row has 4 to spare each side.
    const std::vector<PolyPoint> i = {{3000, 3000}, {3100, 3000}, {3100, 3030}, {3050, 3030},
                                      {3050, 3070}, {3100, 3070}, {3100, 3100}, {3000, 3100},
                                      {3000, 3070}, {3041, 3070}, {3041, 3030}, {3000, 3030}};
    const LabelSearch s = searchLabelPoint(i, boxOf(i));
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.pass, 4);
    // The first row of the lower bar; its edges count as inside.
    EXPECT_EQ(s.cx, 3050);
    EXPECT_EQ(s.cy, 3070);
    expectWellInside(s, i, 3);
}

TEST(SearchLabelPoint, WalksTheDiagonalWhenRowAndColumnMissTheArea) {
    // Two blocks in opposite corners joined by a thin diagonal strip.
    const std::vector<PolyPoint> z = {{3000, 3100}, {3000, 3060}, {3030, 3060}, {3060, 3030}, {3060, 3000},
                                      {3100, 3000}, {3100, 3040}, {3054, 3040}, {3040, 3054}, {3040, 3100}};
    const LabelSearch s = searchLabelPoint(z, boxOf(z));
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.pass, 5);
    EXPECT_LT(s.cx, 3010); // near the bottom-left start of the diagonal
    EXPECT_GT(s.cy, 3090);
    expectWellInside(s, z, 2);
}

TEST(SearchLabelPoint, KeepsTheLastPointTriedWhenNothingPasses) {
    // A sliver 1 high leaves no point room for an offset of 1 up and down.
    const std::vector<PolyPoint> sliver = {{3000, 3000}, {3100, 3000}, {3100, 3001}, {3000, 3001}};
    const LabelBox box = boxOf(sliver);
    const LabelSearch s = searchLabelPoint(sliver, box);
    EXPECT_TRUE(s.searched);
    EXPECT_FALSE(s.found);
    EXPECT_EQ(s.pass, 0);
    // The diagonal ends at the box's top-right corner.
    EXPECT_EQ(s.cx, box.maxX);
    EXPECT_EQ(s.cy, box.minY);
}

TEST(SearchLabelPoint, DoesNotSearchADegenerateArea) {
    struct Case {
        const char* what;
        std::vector<PolyPoint> corners;
    };
    const std::vector<Case> cases = {
        {"no corners", {}},
        {"a line", {{3000, 3000}, {3100, 3100}}},
        {"centre left of x 1", {{-10, 3000}, {10, 3000}, {10, 3010}, {-10, 3010}}},
        {"centre above y 1", {{3000, -10}, {3010, -10}, {3010, 10}, {3000, 10}}},
    };
    for (const Case& c : cases) {
        const LabelSearch s = searchLabelPoint(c.corners, LabelBox{3000, 3000, 3100, 3100});
        EXPECT_FALSE(s.searched) << c.what;
        EXPECT_FALSE(s.found) << c.what;
    }
}

TEST(SearchLabelPoint, EndsOnABoxTooLargeForItsCounterToGrow) {
    const std::vector<PolyPoint> sliver = {{3000, 3000}, {3100, 3000}, {3100, 3001}, {3000, 3001}};
    const LabelSearch s = searchLabelPoint(sliver, LabelBox{1e9f, 1e9f, 2e9f, 2e9f});
    EXPECT_TRUE(s.searched);
    EXPECT_FALSE(s.found);
}

TEST(StreetNameAngle, FollowsTheSlopeOfTheSegment) {
    struct Case {
        const char* what;
        Single ax, ay, bx, by;
        Long degrees;
    };
    // World Y grows downward: a larger Y is lower on the map.
    const Case cases[] = {
        {"level", 0, 0, 10, 0, 0},
        {"right end lower by 45", 0, 0, 10, 10, 315},
        {"right end slightly lower", 0, 0, 10, 1, 354},
        {"right end steeply lower", 0, 0, 1, 10, 276},
        {"right end higher", 0, 10, 10, 0, 45},
        {"vertical", 5, 0, 5, 10, 90},
        {"vertical upwards", 5, 10, 5, 0, 90},
    };
    for (const Case& c : cases)
        EXPECT_EQ(streetNameAngle(c.ax, c.ay, c.bx, c.by), c.degrees) << c.what;
    for (int dy = 1; dy <= 200; ++dy) {
        const Long d = streetNameAngle(3000, 3000, 3100, static_cast<Single>(3000 + dy));
        EXPECT_GE(d, 270) << dy;
        EXPECT_LE(d, 359) << dy;
    }
}

TEST(AreaLabelText, TakesTheNameThenTheFirstKnownKey) {
    struct Case {
        const char* what;
        std::string piece;
        std::string label;
    };
    const std::vector<Case> cases = {
        {"named residential", R"(<tag k="landuse" v="residential"/><tag k="name" v="Oak Park"/>)",
         "Oak Park"},
        {"unnamed residential", R"(<tag k="landuse" v="residential"/>)", ""},
        {"unnamed building", R"(<tag k="building" v="yes"/><tag k="amenity" v="school"/>)", ""},
        {"unnamed park", R"(<tag k="leisure" v="park"/>)", "park"},
        {"leisure before landuse", R"(<tag k="landuse" v="grass"/><tag k="leisure" v="pitch"/>)", "pitch"},
        {"landuse before natural", R"(<tag k="natural" v="wood"/><tag k="landuse" v="forest"/>)", "forest"},
        {"tourism last", R"(<tag k="tourism" v="zoo"/><tag k="waterway" v="riverbank"/>)", "riverbank"},
        {"nothing known", R"(<tag k="highway" v="service"/>)", ""},
        {"no tags", R"(<way id="5"><nd ref="1"/></way>)", ""},
        {"name without value", R"(<tag k="name")", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(areaLabelText(c.piece, '"'), c.label) << c.what;
    EXPECT_EQ(areaLabelText("<tag k='leisure' v='garden'/>", '\''), "garden");
    EXPECT_EQ(areaLabelText("<tag k='leisure' v='garden'/>", '"'), ""); // the key needs its own quote
}

TEST(AddAreaLabel, RecordsALabelWithItsFlooredPositionAndWidth) {
    ProjectData data;
    std::string text = "saved way text";
    const TextWidth width = [](std::string_view caption) {
        return static_cast<Single>(caption.size()) * 7.5f;
    };
    addAreaLabel(data, 3012.7f, -0.5f, text, R"(<tag k="leisure" v="park"/>)", '"', width);
    EXPECT_EQ(text, "park");
    ASSERT_EQ(data.labels.size(), 1U);
    EXPECT_EQ(data.lab2Count, 1);
    EXPECT_EQ(data.labels[0], (LabelRecord{"park", 3012, -1, 30}));

    addAreaLabel(data, 10, 20, text, R"(<tag k="landuse" v="residential"/>)", '"', width);
    EXPECT_EQ(text, ""); // the text is replaced even when no record is made
    EXPECT_EQ(data.lab2Count, 1);

    addAreaLabel(data, 0, 0, text, R"(<tag k="name" v="Mill Pond"/>)", '"', {});
    ASSERT_EQ(data.lab2Count, 2);
    EXPECT_EQ(data.labels[1], (LabelRecord{"Mill Pond", 0, 0, 0}));
}

} // namespace
} // namespace osmimport
