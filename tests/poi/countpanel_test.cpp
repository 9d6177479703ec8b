// The count labels: nad counts one POI, showtot writes the problem counts from the marker
// counters and colours every label and cell by whether it is zero.

#include "core/window_fixture.h"
#include "platform/fault_testing.h"
#include "poi/categories.h"
#include "poi/cells.h"
#include "poi/countpanel.h"
#include "poi/orange.h"
#include "render/unloading.h"
#include "window/countlabels.h"

namespace poi::testing {
namespace {

using core::testing::WindowTest;

const basic::Long kGrey = basic::rgb(128, 128, 128);
const basic::Long kBlue = basic::rgb(0, 0, 255);
const basic::Long kGreen = basic::rgb(0, 128, 0);
const basic::Long kRust = basic::rgb(192, 64, 0);

TEST_F(WindowTest, AfterUnloadTheProblemLabelsReadGreenZeros) {
    core::MapWindow& map = load();
    for (int i = 26; i <= 33; ++i)
        map.legendStrip.numb[i].setCaption("9");
    map.data.questCount = 5;
    map.data.fixmeCount = 3;
    render::unload_(map);
    map.data.noteCount = 0;
    showtot(map, 0);
    for (int i = 26; i <= 33; ++i) {
        EXPECT_EQ(map.legendStrip.numb[i].caption(), "0") << i;
        EXPECT_EQ(map.legendStrip.numb[i].foreColor(), kGreen) << i;
    }
}

struct Counters {
    const char* what;
    basic::Integer questCount, questAreaCount, shape1Count, quotCount, fixmeCount, noteCount;
    basic::Long chainCount;
    basic::Integer chainExtraCount;
    // Labels 26..33.
    const char* labels[8];
};

const Counters kCounters[] = {
    {"one empty-tag marker", 1, 0, 1, 2, 0, 0, 1, 0, {"0", "1", "0", "0", "0", "0", "0", "0"}},
    {"every kind", 7, 2, 4, 3, 5, 6, 10, 4, {"5", "2", "3", "4", "2", "4", "5", "6"}},
    {"only area question markers", 3, 2, 1, 1, 0, 0, 1, 0, {"0", "0", "0", "0", "2", "0", "0", "0"}},
    {"more extra arrows than arrows", 1, 0, 1, 1, 0, 0, 3, 4, {"0", "0", "0", "0", "0", "4", "0", "0"}},
};

TEST_F(WindowTest, ShowtotWritesTheProblemCountsFromTheCounters) {
    core::MapWindow& map = load();
    for (const Counters& c : kCounters) {
        SCOPED_TRACE(c.what);
        core::MapData& d = map.data;
        d.questCount = c.questCount;
        d.questAreaCount = c.questAreaCount;
        d.shape1Count = c.shape1Count;
        d.quotCount = c.quotCount;
        d.fixmeCount = c.fixmeCount;
        d.noteCount = c.noteCount;
        d.chainCount = c.chainCount;
        d.chainExtraCount = c.chainExtraCount;
        showtot(map, 0);
        for (int i = 0; i < 8; ++i) {
            const platform::LabelControl& label = map.legendStrip.numb[26 + i];
            EXPECT_EQ(label.caption(), c.labels[i]) << 26 + i;
            EXPECT_EQ(label.foreColor(), std::string(c.labels[i]) == "0" ? kGreen : kRust) << 26 + i;
        }
    }
}

TEST_F(WindowTest, ShowtotColoursTheCategoryCountsAndLeavesThemAsTheyAre) {
    core::MapWindow& map = load();
    auto& numb = map.legendStrip.numb;
    core::showCount(map, 1, 0);
    core::showCount(map, 2, 5);
    core::showCount(map, 23, 1);
    core::showCount(map, 0, 8);
    numb[1].setCaption("7"); // by hand: the label shows the counts, it does not hold them
    numb[2].setCaption("0");
    showtot(map, 0);
    EXPECT_EQ(numb[1].foreColor(), kGrey);
    EXPECT_EQ(numb[2].foreColor(), kBlue);
    EXPECT_EQ(numb[23].foreColor(), kBlue);
    EXPECT_EQ(numb[2].caption(), "0");
    EXPECT_EQ(numb[0].caption(), "8");
}

class ShowtotCellsTest : public WindowTest {
protected:
    // Categories 0 and 3 have POIs; every cell painted kUntouched.
    core::MapWindow& withCounts(basic::Integer poiMode) {
        core::MapWindow& map = load();
        for (int i = 1; i <= core::kStripCells; ++i)
            core::showCount(map, i, i == 1 || i == 4 || i == 23 ? 2 : 0);
        for (int i = 0; i < core::kStripCells; ++i)
            paint(map.legendStrip.Shape9[i], kUntouched);
        map.data.catShown.fill(basic::vbTrue);
        map.global.settings.poiMode = poiMode;
        return map;
    }
};

TEST_F(ShowtotCellsTest, AllShownPaintsCellsOnOrEmpty) {
    core::MapWindow& map = withCounts(1);
    showtot(map, 0);
    auto& cells = map.legendStrip.Shape9;
    for (int i = 0; i <= 21; ++i)
        EXPECT_TRUE(hasLook(cells[i], i == 0 || i == 3 ? kOn : kEmpty)) << i;
    EXPECT_TRUE(hasLook(cells[22], kUntouched));
    for (int i = 0; i < core::kCategoryCount; ++i)
        EXPECT_EQ(map.data.catShown[i], basic::vbTrue) << i;
}

TEST_F(ShowtotCellsTest, HiddenClearsTheFlagsAndPaintsCellsWithPoisPale) {
    core::MapWindow& map = withCounts(0);
    showtot(map, 0);
    auto& cells = map.legendStrip.Shape9;
    for (int i = 0; i <= 21; ++i) {
        EXPECT_TRUE(hasLook(cells[i], i == 0 || i == 3 ? kOff : kEmpty)) << i;
        EXPECT_EQ(map.data.catShown[i], basic::vbFalse) << i;
    }
    EXPECT_TRUE(hasLook(cells[22], kUntouched));
    EXPECT_EQ(map.data.catShown[22], basic::vbTrue);
}

TEST_F(WindowTest, ShowtotPutsTheCurrentFileInTheCaption) {
    core::MapWindow& map = load();
    map.global.curFile = "/maps/Paris, France.osm";
    showtot(map, 0);
    EXPECT_EQ(map.form.caption(), "Varnoke:1.971 /maps/Paris, France.osm");
}

// The lists of unnamed markers per category come from the icons on the map at every refresh.
TEST_F(WindowTest, ShowtotRebuildsTheUnnamedMarkerLists) {
    core::MapWindow& map = load();
    map.markers.pb.load(2).setTag("5$Name?");
    map.markers.pb.load(3).setTag("The Crown");
    map.data.pbCount = 3;
    catNoNameList(map)[1] = "#9#";
    showtot(map, 0);
    EXPECT_EQ(catNoNameList(map)[1], "#5#");
}

} // namespace
} // namespace poi::testing
