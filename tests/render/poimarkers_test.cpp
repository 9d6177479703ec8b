// Placing the marker of one POI: the window and zoom gates, the kinds of the first group, the
// POI gate, the admission of each row and the picture rules.

#include "core/window_fixture.h"
#include "render/drawerrors.h"
#include "render/drawwindows.h"
#include "render/poimarkers.h"
#include "window/viewwindow.h"

#include <cmath>
#include <limits>

namespace render::testing {
namespace {

using core::testing::WindowTest;

constexpr QRgb kMap = 0xFF20A040;
// With zoom 2 and no offsets a node at map (1500, 1250) sits at p1 (3000, 2500).
constexpr double kX = 1500;
constexpr double kY = 1250;
const std::string kMarked = "\x1e";

class PlacePoiMarkerTest : public WindowTest {
protected:
    // The viewport the designed one, or a wide screen's at the start view.
    core::MapWindow& ready(bool wideScreen = false) {
        core::MapWindow& map = wideScreen ? loadOnScreen(core::testing::kWideScreen) : load();
        if (wideScreen)
            core::init(map);
        else
            showDesignedView(map);
        map.global.viewZoom = 2;
        map.global.viewOffX = 0;
        map.global.viewOffY = 0;
        map.global.settings.poiMode = 1;
        map.data.poiReplot = false;
        map.data.catShown.fill(basic::vbTrue);
        map.data.fileSizeMB = 0;
        map.view.p1.image().fill(kMap);
        return map;
    }

    // placePoiMarker at (x, y); the tip as the caller's variable is given back.
    std::string place(core::MapWindow& map, std::string_view code, std::string tip = "name",
                      std::string_view name = "", double x = kX, double y = kY) {
        render::DrawErrors errors;
        placePoiMarker(map, x, y, code, name, tip, errors);
        return tip;
    }

    static bool untouched(const core::MapWindow& map) {
        const QImage& image = map.view.p1.image();
        for (int y = 780; y < 900; ++y) {
            for (int x = 940; x < 1060; ++x) {
                if (image.pixel(x, y) != kMap) return false;
            }
        }
        return true;
    }
};

// Both edges of the window are inside; one unit beyond is out. A point that is not a number is
// never inside.
TEST_F(PlacePoiMarkerTest, TheWindowIncludesItsEdges) {
    struct Case {
        double x, y;
        bool placed;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {1050, 1000, true}, {3200, 1000, true}, {1049.5, 1000, false}, {3200.5, 1000, false},
        {2000, 750, true},  {2000, 2500, true}, {2000, 749.5, false},  {2000, 2500.5, false},
        {nan, 1000, false}, {2000, nan, false},
    };
    core::MapWindow& map = ready();
    for (const Case& c : cases) {
        const basic::Integer before = map.data.fireCount;
        place(map, "FIR", "", "", c.x, c.y);
        EXPECT_EQ(map.data.fireCount - before, c.placed ? 1 : 0) << c.x << ", " << c.y;
    }
}

TEST_F(PlacePoiMarkerTest, OnAWideScreenMarkersReachTheViewportsRightAndBottomEdges) {
    core::MapWindow& map = ready(true);
    ASSERT_TRUE(render::visiblePart(map.view).contains(6750, 4700));
    const basic::Integer before = map.data.fireCount;
    // At zoom 2: the picture points (6700, 3000) and (3000, 4650).
    place(map, "FIR", "", "", 3350, 1500);
    place(map, "FIR", "", "", 1500, 2325);
    EXPECT_EQ(map.data.fireCount - before, 2);
}

TEST_F(PlacePoiMarkerTest, BelowZoom1Point4NothingAtAll) {
    core::MapWindow& map = ready();
    // The node stays at p1 (3000, 2500) whatever the zoom.
    auto at = [&](float zoom) {
        map.global.viewZoom = zoom;
        map.global.viewOffX = static_cast<float>(3000 - kX * zoom);
        map.global.viewOffY = static_cast<float>(2500 - kY * zoom);
    };
    at(1.39f);
    place(map, "MOT", "", "Motorway");
    place(map, "TAG", "", "<tag k");
    place(map, "FIR");
    EXPECT_TRUE(untouched(map));
    EXPECT_EQ(map.data.shape1Count, 1);
    EXPECT_EQ(map.data.fireCount, 0);

    at(1.4f);
    place(map, "TAG", "", "<tag k");
    place(map, "FIR");
    EXPECT_EQ(map.data.shape1Count, 2);
    EXPECT_EQ(map.data.fireCount, 1);
}

TEST_F(PlacePoiMarkerTest, ParkingAndBaysLeaveTheMapUntouched) {
    core::MapWindow& map = ready();
    place(map, "PLA");
    place(map, "BAY");
    EXPECT_TRUE(untouched(map));
}

// The label starts two template widths left of the node, in dark blue at 12 points, also while
// POIs are hidden.
TEST_F(PlacePoiMarkerTest, AMotorwayNodePrintsItsName) {
    core::MapWindow& map = ready();
    map.global.settings.poiMode = 0;
    map.data.poiReplot = true;
    place(map, "MOT", "", "M62 junction 27");
    platform::PictureBox& p1 = map.view.p1;
    EXPECT_EQ(p1.foreColor(), basic::rgb(25, 25, 145));
    EXPECT_EQ(p1.fontSize(), 12);
    const int left = static_cast<int>((3000 - 2 * map.markers.shape1[0].width()) / 3);
    int blue = 0;
    int stray = 0;
    const QImage& image = p1.image();
    for (int y = 780; y < 860; ++y) {
        for (int x = 900; x < 1300; ++x) {
            if (image.pixel(x, y) == kMap) continue;
            (x >= left ? blue : stray)++;
        }
    }
    EXPECT_GT(blue, 20);
    EXPECT_EQ(stray, 0);
}

// With maxGreenNodes 50 the markers 2..51 are made, then no more; an empty tip becomes the
// node's text after "<tag", in the caller's variable too.
TEST_F(PlacePoiMarkerTest, TaggedNodesStopAtMaxGreenNodes) {
    core::MapWindow& map = ready();
    ASSERT_EQ(map.global.settings.maxGreenNodes, 50);
    EXPECT_EQ(place(map, "TAG", "", "1#TAG<tag k=\"shop\""), " k=\"shop\"");
    const platform::ImageControl& first = map.markers.shape1[2];
    EXPECT_EQ(first.tag(), " k=\"shop\"");
    EXPECT_TRUE(first.visible());
    EXPECT_DOUBLE_EQ(first.left() + first.width() / 2, 3000);
    EXPECT_EQ(place(map, "TAG", "kept", "<tag other"), "kept");
    for (int i = 3; i <= 50; ++i)
        place(map, "TAG");
    EXPECT_EQ(map.data.shape1Count, 51);
    place(map, "TAG");
    EXPECT_EQ(map.data.shape1Count, 51);
    EXPECT_TRUE(map.markers.shape1.exists(51));
    EXPECT_FALSE(map.markers.shape1.exists(52));
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(PlacePoiMarkerTest, RoundaboutsArePaintedOnlyAboveTheFileSize) {
    core::MapWindow& map = ready();
    map.data.fileSizeMB = 2;
    place(map, "ROU");
    EXPECT_EQ(map.data.roundabCount, 2);
    EXPECT_FALSE(map.markers.roundab[2].visible());
    EXPECT_TRUE(untouched(map));

    map.data.fileSizeMB = 1.9f;
    place(map, "TRA");
    EXPECT_EQ(map.data.trafficCount, 2);
    EXPECT_FALSE(map.markers.traffic[2].visible());
    EXPECT_TRUE(map.markers.traffic[2].tag().empty());
    EXPECT_FALSE(untouched(map));
}

TEST_F(PlacePoiMarkerTest, PylonsFromZoom2) {
    core::MapWindow& map = ready();
    map.global.viewZoom = 1.9f;
    place(map, "PYL", "", "", kX * 2 / 1.9, kY * 2 / 1.9);
    EXPECT_EQ(map.data.pylonCount, 0);
    map.global.viewZoom = 2;
    map.data.fileSizeMB = 5; // pylons do not look at the file size
    place(map, "PYL");
    EXPECT_EQ(map.data.pylonCount, 1);
    EXPECT_FALSE(map.markers.pylon[1].visible());
    EXPECT_FALSE(untouched(map));
}

// After the Show/Hide label hid the POIs, no marker of the second group is placed; after a
// category toggle (poiReplot clear) they are, but amenities stay hidden and unpainted.
TEST_F(PlacePoiMarkerTest, ThePoiGate) {
    core::MapWindow& map = ready();
    map.global.settings.poiMode = 0;
    map.data.poiReplot = true;
    for (const char* code : {"PUB", "FIR", "STA", "AME", "X5 "})
        place(map, code);
    EXPECT_EQ(map.data.pbCount, 1);
    EXPECT_EQ(map.data.fireCount, 0);
    EXPECT_EQ(map.data.statCount, 1);
    EXPECT_EQ(map.data.amenCount, 1);
    place(map, "TAG");
    EXPECT_EQ(map.data.shape1Count, 2);

    map.data.poiReplot = false;
    map.data.catShown[0] = basic::vbFalse;
    place(map, "PUB");
    EXPECT_EQ(map.data.pbCount, 2);
    map.view.p1.image().fill(kMap);
    place(map, "X5 ");
    place(map, "AME");
    EXPECT_EQ(map.data.amenCount, 3);
    EXPECT_FALSE(map.markers.amen[2].visible());
    EXPECT_FALSE(map.markers.amen[3].visible());
    EXPECT_TRUE(untouched(map));
}

// Each row's flag, visibility and text; stations and fire stations whatever the flags say.
TEST_F(PlacePoiMarkerTest, RowsAdmittedByTheirCategory) {
    struct Row {
        const char* code;
        int category; // -1: always
        basic::Integer core::MapData::*counter;
        core::ImageArray core::Markers::*array;
        bool visible;
        const char* tag; // nullptr: no text
    };
    using D = core::MapData;
    using M = core::Markers;
    const Row rows[] = {
        {"PUB", 1, &D::pbCount, &M::pb, true, "tip"},
        {"ADR", 21, &D::addrCount, &M::addr, true, "tip"},
        {"STA", -1, &D::statCount, &M::stat, false, "tip"},
        {"POS", 3, &D::pboxCount, &M::pbox, false, nullptr},
        {"CAF", 19, &D::coffeCount, &M::coffe, true, "tip"},
        {"FUE", 12, &D::petrolCount, &M::petrol, true, "tip"},
        {"ATM", 10, &D::atmCount, &M::atm, true, "tip"},
        {"FIR", -1, &D::fireCount, &M::fire, true, "tip"},
        {"HIS", 16, &D::histCount, &M::hist, true, "tip"},
        {"HOS", 13, &D::hospitCount, &M::hospit, true, "tip"},
        {"HOT", 15, &D::hotelCount, &M::hotel, true, "tip"},
        {"PHA", 14, &D::pharmCount, &M::pharm, true, "tip"},
        {"PAR", 4, &D::parkCount, &M::park, true, "tip"},
        {"REC", 18, &D::recycCount, &M::recyc, false, "Recycling"},
        {"RES", 20, &D::restaCount, &M::resta, true, "tip"},
        {"SCH", 6, &D::schoolCount, &M::school, true, "tip"},
        {"TOU", 17, &D::touriCount, &M::touri, true, "tip"},
        {"MOB", 2, &D::phoneCount, &M::phone, false, nullptr},
        {"TOI", 7, &D::toiletCount, &M::toilet, false, "tip"},
        {"SHO", 9, &D::shoppCount, &M::shopp, true, "tip"},
        {"BAN", 11, &D::bankCount, &M::bank, true, "tip"},
    };
    core::MapWindow& map = ready();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        map.view.p1.image().fill(kMap);
        const basic::Integer rest = map.data.*row.counter;
        map.data.catShown.fill(basic::vbFalse);
        place(map, row.code, "tip");
        EXPECT_EQ(map.data.*row.counter, row.category < 0 ? rest + 1 : rest);
        if (row.category >= 0) {
            map.data.catShown[static_cast<size_t>(row.category)] = basic::vbTrue;
            place(map, row.code, "tip");
        }
        const int index = rest + 1;
        ASSERT_EQ(map.data.*row.counter, index);
        const platform::ImageControl& marker = (map.markers.*row.array)[index];
        EXPECT_EQ(marker.visible(), row.visible);
        EXPECT_EQ(marker.tag(), row.tag ? row.tag : "");
        EXPECT_DOUBLE_EQ(marker.left() + (map.markers.*row.array)[0].width() / 2, 3000);
        EXPECT_DOUBLE_EQ(marker.top() + (map.markers.*row.array)[0].height() / 2, 2500);
        EXPECT_FALSE(untouched(map));
    }
}

TEST_F(PlacePoiMarkerTest, SupermarketsCountInTheShopCounter) {
    core::MapWindow& map = ready();
    place(map, "SUP", "Corner Shop");
    EXPECT_EQ(map.data.shopCount, 2);
    EXPECT_EQ(map.markers.shop[2].tag(), "Corner Shop");
}

TEST_F(PlacePoiMarkerTest, AtMost200BusStops) {
    core::MapWindow& map = ready();
    place(map, "BUS", "Stop" + kMarked);
    EXPECT_EQ(map.markers.bus[2].picture().cacheKey(), map.legendPanel.im[71].picture().cacheKey());
    place(map, "BUS", "unnamed");
    EXPECT_EQ(map.markers.bus[3].picture().cacheKey(), map.markers.bus[0].picture().cacheKey());
    for (int i = 3; i <= 200; ++i)
        place(map, "BUS");
    EXPECT_EQ(map.data.busCount, 201);
    place(map, "BUS");
    EXPECT_EQ(map.data.busCount, 201);
    EXPECT_FALSE(map.markers.bus.exists(202));
    map.data.catShown[5] = basic::vbFalse;
    map.data.busCount = 1;
    place(map, "BUS");
    EXPECT_EQ(map.data.busCount, 1);
}

// The picture a place of worship gets: the template, the tagged-religion picture, or the one
// of its religion; `im` index -1 stands for the template's picture.
TEST_F(PlacePoiMarkerTest, TheReligionRule) {
    struct Case {
        const char* code;
        bool marked;
        int picture;
    };
    const Case cases[] = {
        {"CHU", false, -1}, {"CHU", true, 72}, {"CHM", false, 37}, {"CHM", true, 37},
        {"CHJ", false, 38}, {"CHH", true, 39}, {"CHS", false, 73},
    };
    core::MapWindow& map = ready();
    int index = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + (c.marked ? " marked" : ""));
        place(map, c.code, c.marked ? "Church" + kMarked : "Church");
        ++index;
        ASSERT_EQ(map.data.chrchCount, index);
        const QImage& expected =
            c.picture < 0 ? map.markers.chrch[0].picture() : map.legendPanel.im[c.picture].picture();
        EXPECT_EQ(map.markers.chrch[index].picture().cacheKey(), expected.cacheKey());
        EXPECT_TRUE(map.markers.chrch[index].visible());
    }
}

// Plain styles (the mosque, 37) fill their whole rectangle; the masked template (28) leaves the
// map at its corners.
TEST_F(PlacePoiMarkerTest, WorshipStylesPaintPlainlyOrMasked) {
    core::MapWindow& map = ready();
    place(map, "CHU");
    const platform::ImageControl& church = map.markers.chrch[2];
    const QImage& image = map.view.p1.image();
    const int left = static_cast<int>(church.left() / 3);
    const int top = static_cast<int>(church.top() / 3);
    EXPECT_EQ(image.pixel(left, top), kMap);

    map.view.p1.image().fill(kMap);
    place(map, "CHM");
    const QImage& mosque = map.legendPanel.im[37].picture();
    EXPECT_EQ(image.pixel(left, top) & 0xFFFFFF, mosque.pixel(0, 0) & 0xFFFFFF);
}

// "X" codes take their icon number from the text after the "X"; a "+" as fourth character is a
// blank, so "PUB+" matches no row.
TEST_F(PlacePoiMarkerTest, TheAmenityRule) {
    struct Case {
        const char* code;
        int picture; // -1: the template's
    };
    const Case cases[] = {{"X42 ", 42}, {"X12+", 12}, {"X5 ", 5}, {"X74", 74}, {"AME", -1}};
    core::MapWindow& map = ready();
    int index = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        place(map, c.code, "Amenity");
        ++index;
        ASSERT_EQ(map.data.amenCount, index);
        const platform::ImageControl& marker = map.markers.amen[index];
        const QImage& expected =
            c.picture < 0 ? map.markers.amen[0].picture() : map.legendPanel.im[c.picture].picture();
        EXPECT_EQ(marker.picture().cacheKey(), expected.cacheKey());
        EXPECT_TRUE(marker.visible());
        EXPECT_EQ(marker.tag(), "Amenity");
    }
    place(map, "PUB+");
    EXPECT_EQ(map.data.pbCount, 1);
}

TEST_F(PlacePoiMarkerTest, AmenityTextAndVisibility) {
    core::MapWindow& map = ready();
    place(map, "X21", "Zebra", "highway=crossing");
    EXPECT_TRUE(map.markers.amen[2].tag().empty());
    place(map, "X21", "Zebra", "Crossing");
    EXPECT_EQ(map.markers.amen[3].tag(), "Zebra");

    // "AME" follows the worship category's flag; unpainted while hidden.
    map.data.catShown[0] = basic::vbFalse;
    map.view.p1.image().fill(kMap);
    place(map, "AME", "Bench");
    EXPECT_FALSE(map.markers.amen[4].visible());
    EXPECT_EQ(map.markers.amen[4].tag(), "Bench");
    EXPECT_TRUE(untouched(map));
}

// An icon number the store has no picture for keeps the template's picture, painted plainly,
// and no message is shown.
TEST_F(PlacePoiMarkerTest, AnIconNumberWithoutAPictureKeepsTheTemplate) {
    core::MapWindow& map = ready();
    for (const char* code : {"X6 ", "X99", "X-3", "X1E9", "X1E999"}) {
        SCOPED_TRACE(code);
        const int index = map.data.amenCount + 1;
        map.view.p1.image().fill(kMap);
        place(map, code);
        ASSERT_EQ(map.data.amenCount, index);
        const platform::ImageControl& marker = map.markers.amen[index];
        EXPECT_EQ(marker.picture().cacheKey(), map.markers.amen[0].picture().cacheKey());
        const QRgb corner = map.view.p1.image().pixel(static_cast<int>(marker.left() / 3),
                                                      static_cast<int>(marker.top() / 3));
        EXPECT_EQ(corner & 0xFFFFFF, marker.picture().pixel(0, 0) & 0xFFFFFF);
    }
    EXPECT_TRUE(dialogs().shown().empty());
}

// A kind whose array is full places nothing more, without a message.
TEST_F(PlacePoiMarkerTest, AFullArrayStopsSilently) {
    core::MapWindow& map = ready();
    map.data.pbCount = kHighestMarker;
    map.data.roundabCount = kHighestMarker;
    place(map, "PUB");
    place(map, "ROU");
    EXPECT_EQ(map.data.pbCount, kHighestMarker);
    EXPECT_EQ(map.data.roundabCount, kHighestMarker);
    EXPECT_TRUE(dialogs().shown().empty());
}

} // namespace
} // namespace render::testing
