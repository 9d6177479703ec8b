// The view transform and the per-file view reset.

#include "core/window_fixture.h"
#include "window/view.h"
#include "window/viewwindow.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace core::testing {
namespace {

using basic::Single;

osmimport::ProjectData fileAt(Single lon0, Single lat0, basic::Long scale) {
    osmimport::ProjectData file;
    file.mapLon0 = lon0;
    file.mapLat0 = lat0;
    file.mapScale = scale;
    return file;
}

Global viewAt(Single zoom, Single offX, Single offY) {
    Global g;
    g.viewZoom = zoom;
    g.viewOffX = offX;
    g.viewOffY = offY;
    return g;
}

TEST(ViewTransform, LatitudeStretchUsesTheAbsoluteLatitude) {
    EXPECT_EQ(latitudeStretch(51.5f), 1.515f);
    EXPECT_EQ(latitudeStretch(-33.9f), 1.339f);
    EXPECT_EQ(latitudeStretch(90), 1.9f);
    EXPECT_EQ(latitudeStretch(-90), 1.9f);
    EXPECT_EQ(latitudeStretch(0), 1);
}

TEST(ViewTransform, TheOriginIsAtTheWestAndNorthEdgesAtEveryScale) {
    for (const basic::Long scale : {1, 4800, 61234, 2000000}) {
        for (const Single lon0 : {-122.3f, 0.0f, 10.068f}) {
            const osmimport::ProjectData file = fileAt(lon0, 48.1f, scale);
            EXPECT_EQ(mapX(file, lon0), 3000) << scale << " " << lon0;
            EXPECT_EQ(mapY(file, 48.1f), 2500) << scale;
        }
    }
    // East is right and north is up, south of the equator too.
    const osmimport::ProjectData south = fileAt(151.2f, -33.9f, 4800);
    EXPECT_DOUBLE_EQ(mapX(south, 151.2f + 0.5), 3000 + 2400);
    EXPECT_NEAR(mapY(south, -33.9f - 0.5), 2500 + 2400 * 1.339, 1e-3);
}

// One single-precision step of a degree value, as picture units under the view.
double stepInPicture(Single degrees, double unitsPerDegree, const Global& g) {
    const double step = std::nextafter(degrees, std::numeric_limits<Single>::infinity()) - degrees;
    return step * unitsPerDegree * g.viewZoom + 1e-3;
}

TEST(ViewTransform, PictureToDegreesAndBackReturnsThePoint) {
    const Global g = viewAt(2.8f, -5600.5f, -4620.25f);
    // North and south of the equator, west and east of Greenwich.
    for (const osmimport::ProjectData& file : {fileAt(-0.2f, 51.5f, 61234), fileAt(151.2f, -33.9f, 48000),
                                               fileAt(-122.3f, 37.8f, 4800), fileAt(18.4f, -70.2f, 4800)}) {
        for (const auto& [x, y] :
             {std::pair{4000.0, 3300.0}, std::pair{120.5, 7900.0}, std::pair{8000.0, 15.0}}) {
            const std::optional<LonLat> point = pictureToLonLat(g, file, x, y);
            ASSERT_TRUE(point);
            const Single backX = pictureX(g, mapX(file, point->lon));
            const Single backY = pictureY(g, mapY(file, point->lat));
            const double s = latitudeStretch(file.mapLat0);
            EXPECT_NEAR(backX, x, stepInPicture(point->lon, file.mapScale, g)) << file.mapLat0 << " " << x;
            EXPECT_NEAR(backY, y, stepInPicture(point->lat, file.mapScale * s, g))
                << file.mapLat0 << " " << y;
        }
    }
}

TEST(ViewTransform, NoDegreesBeforeThereIsAView) {
    EXPECT_FALSE(pictureToLonLat(viewAt(0, 200, 0), fileAt(0, 0, 1), 10, 10));
    EXPECT_FALSE(pictureToLonLat(viewAt(1.4f, 0, 0), fileAt(0, 0, 0), 10, 10));
}

TEST(ViewTransform, ZoomKeepsTheMapPointUnderTheCentre) {
    Global g = viewAt(1.4f, -1600, -1320);
    const double centreX = (4000 - g.viewOffX) / g.viewZoom;
    const double centreY = (3300 - g.viewOffY) / g.viewZoom;
    for (const Single next : {2.8f, 50.0f, 0.7f, 1.4f}) {
        const Single before = g.viewZoom;
        g.viewZoom = next;
        zoomAboutCentre(g, before, next);
        EXPECT_NEAR(pictureX(g, centreX), 4000, 1e-2) << next;
        EXPECT_NEAR(pictureY(g, centreY), 3300, 1e-2) << next;
    }
    Global none = viewAt(0, 200, 0);
    zoomAboutCentre(none, 0, 0);
    EXPECT_EQ(none.viewOffX, 200);
}

using ViewResetTest = WindowTest;

TEST_F(ViewResetTest, InitStartsEveryFileAtZoom14AboutTheCentre) {
    MapWindow& map = load();
    map.data.mapScale = 48000;
    map.global.viewZoom = 11.2f;
    map.global.viewOffX = 123;
    map.global.pressX = 77;
    map.global.authorOverlay = -1;
    map.global.reloadTrailer = false;
    map.toolbars.Frame7[0].setEnabled(false);
    map.toolbars.Frame7[1].setEnabled(false);
    map.legendPanel.List1.addItem("someone");
    map.legendPanel.Check2.setValue(1);
    map.legendPanel.Check5.setValue(1);

    init(map);

    EXPECT_EQ(map.data.mapScale, 1);
    EXPECT_TRUE(map.data.trackDirty);
    EXPECT_EQ(map.global.pressX, 0);
    EXPECT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_FLOAT_EQ(map.global.viewOffX, -1600);
    EXPECT_FLOAT_EQ(map.global.viewOffY, -1320);
    EXPECT_NEAR(pictureX(map.global, 4000), 4000, 1e-3);
    EXPECT_NEAR(pictureY(map.global, 3300), 3300, 1e-3);
    EXPECT_EQ(map.global.authorOverlay, 0);
    EXPECT_TRUE(map.global.reloadTrailer);
    EXPECT_EQ(map.legendPanel.List1.listCount(), 0);
    EXPECT_EQ(map.data.authorListIndex, -1);
    EXPECT_FALSE(map.data.authorSelected);
    EXPECT_EQ(map.legendPanel.Check2.value(), 0);
    EXPECT_EQ(map.legendPanel.Check5.value(), 0);
    // Check3 follows the overlay as it was when init began.
    EXPECT_FALSE(map.legendPanel.Check3.enabled());
    EXPECT_TRUE(map.toolbars.Frame7[0].enabled());
    EXPECT_TRUE(map.toolbars.Frame7[1].enabled());

    // The scroll bars stand in the middles of their ranges and put the zoom centre (20000 and
    // 16500 twips into p1) in the middle of the viewport's part left of the legend panel.
    const Viewport& v = map.view;
    EXPECT_EQ(v.hs.min(), 0);
    EXPECT_EQ(v.VS.min(), 0);
    EXPECT_EQ(v.hs.max(), 2 * v.hs.value());
    EXPECT_EQ(v.VS.max(), 2 * v.VS.value());
    // Within half a pixel.
    EXPECT_NEAR(v.p1.left() + 20000, (map.legendPanel.Frame2.left() - v.Picture1.left()) / 2, 7.5);
    EXPECT_NEAR(v.p1.top() + 16500, v.Picture1.height() / 2, 7.5);

    init(map);
    EXPECT_TRUE(map.legendPanel.Check3.enabled());
}

TEST_F(ViewResetTest, GetlonlatShowsBothNumbersInPrintForm) {
    MapWindow& map = load();
    map.data.mapLon0 = -0.5f;
    map.data.mapLat0 = 51.5f;
    map.data.mapScale = 1000;
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    getlonlat(map, 3250, 2500);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "-.25/ 51.5");
}

} // namespace
} // namespace core::testing
