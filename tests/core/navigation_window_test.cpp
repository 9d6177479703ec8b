// Panning, zooming and route clicks on the main window's map picture.

#include "core/navigation.h"
#include "core/window_fixture.h"
#include "window/viewwindow.h"

#include <QWheelEvent>

namespace core::testing {
namespace {

using basic::Single;
using platform::kLeftButton;
using platform::kRightButton;

class NavigationTest : public WindowTest {
protected:
    // A window with a file open at the start view: zoom 1.4, offsets -1600 and -1320. No project
    // file is named yet, so a redraw stops before drawing and shows nothing.
    MapWindow& openMap() {
        MapWindow& map = load();
        init(map);
        map.data.mapLon0 = -0.5f;
        map.data.mapLat0 = 51.5f;
        map.data.mapScale = 48000;
        map.global.curFile = appPath() + "/leeds.osm";
        return map;
    }

    static void drag(MapWindow& map, int button, double x0, double y0, double x1, double y1) {
        p1_MouseDown(map, button, x0, y0);
        p1_MouseMove(map, button, (x0 + x1) / 2, (y0 + y1) / 2);
        p1_MouseMove(map, button, x1, y1);
        p1_MouseUp(map, button, x1, y1);
    }

    // The map point under a picture point at the current view.
    static std::pair<double, double> mapPointAt(const MapWindow& map, double x, double y) {
        return {(x - map.global.viewOffX) / map.global.viewZoom,
                (y - map.global.viewOffY) / map.global.viewZoom};
    }

    // A turn over the window, queued for the wheel timer.
    static void turnWheel(MapWindow& map, int delta) {
        QWidget* over = map.form.host();
        QWheelEvent event(QPointF(5, 5), QPointF(over->mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(over, &event);
    }
};

TEST_F(NavigationTest, LeftDragShowsThePreviewAndPansOnRelease) {
    MapWindow& map = openMap();
    p1_MouseDown(map, kLeftButton, 4000, 3300);
    EXPECT_TRUE(map.view.p2.visible()) << "the press freezes the map";
    p1_MouseMove(map, kLeftButton, 4030, 3320);
    EXPECT_FALSE(map.data.routeHold) << "no preview inside 50 units";

    p1_MouseMove(map, kLeftButton, 4100, 3310);
    EXPECT_TRUE(map.data.routeHold);
    EXPECT_EQ(map.view.p1.mousePointer(), 99);
    EXPECT_FALSE(map.view.tm2.enabled());
    EXPECT_EQ(map.data.dragLastX, 4100);

    p1_MouseUp(map, kLeftButton, 4120, 3300);
    // The pan is the last preview step, not the release point.
    EXPECT_FLOAT_EQ(map.global.viewOffX, -1600 + 100);
    EXPECT_FLOAT_EQ(map.global.viewOffY, -1320 + 10);
    EXPECT_EQ(map.global.pressX, 4100);
    EXPECT_EQ(map.global.pressY, 3310);
    EXPECT_FALSE(map.data.routeHold);
    EXPECT_EQ(map.view.p1.mousePointer(), 0);
    EXPECT_TRUE(map.view.tm2.enabled());
    EXPECT_FALSE(map.view.p2.visible());
    EXPECT_TRUE(map.toolbars.Frame7[1].enabled());
}

TEST_F(NavigationTest, APreviewDraggedAlongOneAxisStillPans) {
    MapWindow& map = openMap();
    drag(map, kLeftButton, 4000, 3300, 4200, 3300);
    EXPECT_FLOAT_EQ(map.global.viewOffX, -1600 + 200);
    EXPECT_FLOAT_EQ(map.global.viewOffY, -1320);
    EXPECT_EQ(map.view.p1.mousePointer(), 0);
    EXPECT_TRUE(map.view.tm2.enabled());
    EXPECT_FALSE(map.data.routeHold);
}

TEST_F(NavigationTest, AReleaseWithoutPreviewIsAClick) {
    MapWindow& map = openMap();
    drag(map, kLeftButton, 4000, 3300, 4300, 3600); // an earlier drag leaves its last position
    const Single offX = map.global.viewOffX;
    const Single offY = map.global.viewOffY;
    for (const auto& [x, y] : {std::pair{4003.0, 3301.0}, std::pair{4040.0, 3340.0}}) {
        drag(map, kLeftButton, 4000, 3300, x, y);
        EXPECT_EQ(map.global.viewOffX, offX) << x;
        EXPECT_EQ(map.global.viewOffY, offY) << x;
        EXPECT_FALSE(map.view.p2.visible()) << x;
        EXPECT_EQ(map.global.pressX, 4000) << "a click keeps the press point";
    }
}

TEST_F(NavigationTest, RightDragZoomsIntoItsBox) {
    MapWindow& map = openMap();
    const auto [centreX, centreY] = mapPointAt(map, 4005, 3305);
    p1_MouseDown(map, kRightButton, 4000, 3300);
    p1_MouseMove(map, kRightButton, 4010, 3310);
    EXPECT_TRUE(map.view.rec.visible());
    EXPECT_EQ(map.view.rec.left(), 4000);
    EXPECT_EQ(map.view.rec.width(), 10);
    p1_MouseUp(map, kRightButton, 4010, 3310);
    EXPECT_EQ(map.global.viewZoom, 50) << "1.4 + height / 10 / 6, capped";
    EXPECT_FALSE(map.view.rec.visible());
    // The box's centre comes to the zoom centre.
    EXPECT_NEAR(pictureX(map.global, centreX), 4000, 0.05);
    EXPECT_NEAR(pictureY(map.global, centreY), 3300, 0.05);

    // A box drawn backwards from the press point starts at the cursor.
    p1_MouseDown(map, kRightButton, 4000, 3300);
    p1_MouseMove(map, kRightButton, 3900.4, 3200.6);
    EXPECT_EQ(map.view.rec.left(), 3900);
    EXPECT_EQ(map.view.rec.top(), 3201);
}

TEST_F(NavigationTest, AThinBoxIsHiddenAgainAndZoomsNothing) {
    MapWindow& map = openMap();
    drag(map, kRightButton, 4000, 3300, 4200, 3301);
    EXPECT_FALSE(map.view.rec.visible());
    EXPECT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_FLOAT_EQ(map.global.viewOffX, -1600);
}

TEST_F(NavigationTest, CursorPositionShowsInTheStatusBar) {
    MapWindow& map = openMap();
    p1_MouseMove(map, 0, 4000.4, 3299.6);
    EXPECT_EQ(map.view.sb1.panelText(3), "-.4792 , 51.4890");
    EXPECT_EQ(map.data.mouseX, 4000);
    EXPECT_EQ(map.data.mouseY, 3300);

    map.data.drawBusy = true;
    p1_MouseMove(map, 0, 100, 100);
    EXPECT_EQ(map.data.mouseX, 4000) << "nothing while drawing";
}

TEST_F(NavigationTest, RouteClicksAddPointsUpTo10000) {
    MapWindow& map = openMap();
    map.data.routeDrawing = true;
    p1_MouseDown(map, kLeftButton, 4000, 3300);
    EXPECT_FALSE(map.view.p2.visible()) << "route mode freezes nothing";
    p1_MouseUp(map, kLeftButton, 4000, 3300);
    ASSERT_EQ(map.data.routeCount, 1);
    EXPECT_TRUE(map.data.routeActive);
    EXPECT_TRUE(map.data.routeUnsaved);
    EXPECT_EQ(map.data.pltCount, 1);
    EXPECT_TRUE(map.markers.Lin.exists(1));
    EXPECT_TRUE(map.markers.plt[1].visible());
    const LonLat expected = *pictureToLonLat(map.global, map.data, 4000, 3300);
    EXPECT_EQ(map.data.routeLon[1], expected.lon);
    EXPECT_EQ(map.data.routeLat[1], expected.lat);
    EXPECT_EQ(map.view.sb1.panelText(2), ".00 ml    0 hrs");

    // The free end of the newest line follows the cursor.
    p1_MouseMove(map, 0, 4500, 3000);
    EXPECT_EQ(map.markers.Lin[1].x2(), 4500);
    EXPECT_TRUE(map.markers.Lin[1].visible());

    map.data.routeCount = 10000;
    p1_MouseDown(map, kLeftButton, 4100, 3300);
    p1_MouseUp(map, kLeftButton, 4100, 3300);
    EXPECT_EQ(map.data.routeCount, 10000) << "the arrays end at 10000";
    EXPECT_FALSE(map.markers.Lin.exists(10001));
}

TEST_F(NavigationTest, ZoomButtonsStepAndStopAtTheirLimits) {
    MapWindow& map = openMap();
    const auto [centreX, centreY] = mapPointAt(map, 4000, 3300);
    struct Step {
        int index;
        Single zoom;
        bool inEnabled, outEnabled;
    };
    for (const Step& s : {Step{0, 2.8f, true, true}, Step{0, 5.6f, true, true}, Step{0, 11.2f, false, true},
                          Step{1, 5.6f, true, true}, Step{1, 2.8f, true, true}, Step{1, 1.4f, true, true},
                          Step{1, 1.4f, true, true}}) {
        Image4_Click(map, s.index);
        EXPECT_FLOAT_EQ(map.global.viewZoom, s.zoom);
        EXPECT_EQ(map.toolbars.Frame7[0].enabled(), s.inEnabled) << s.zoom;
        EXPECT_EQ(map.toolbars.Frame7[1].enabled(), s.outEnabled) << s.zoom;
        EXPECT_NEAR(pictureX(map.global, centreX), 4000, 0.01) << s.zoom;
        EXPECT_NEAR(pictureY(map.global, centreY), 3300, 0.01) << s.zoom;
        EXPECT_EQ(map.form.caption(), "Varnoke:1.971 " + map.global.curFile);
    }

    // At 12 and beyond zoom-in refuses, and the button leaves the offsets alone.
    map.global.viewZoom = 22.4f;
    map.global.homeOffX = 999;
    map.global.homeOffY = 999;
    const Single offX = map.global.viewOffX;
    map.toolbars.Frame7[1].setEnabled(false);
    Image4_Click(map, 0);
    EXPECT_EQ(map.global.viewZoom, 22.4f);
    EXPECT_EQ(map.global.viewOffX, offX);
    EXPECT_TRUE(map.toolbars.Frame7[1].enabled());

    map.data.drawBusy = true;
    Image4_Click(map, 1);
    EXPECT_EQ(map.global.viewZoom, 22.4f) << "nothing while drawing";
}

TEST_F(NavigationTest, ZoomWithoutAFileLeavesNoStillCopyBehind) {
    MapWindow& map = openMap();
    map.global.curFile.clear();
    Image4_Click(map, 0);
    EXPECT_FLOAT_EQ(map.global.viewZoom, 2.8f);
    EXPECT_FALSE(map.view.p2.visible());
}

TEST_F(NavigationTest, WheelZoomsAboutTheCursor) {
    MapWindow& map = openMap();
    WheelSteps wheel;
    map.data.mouseX = 5000;
    map.data.mouseY = 2000;
    const auto [underX, underY] = mapPointAt(map, 5000, 2000);

    turnWheel(map, 120);
    tm2_Timer(map, wheel);
    EXPECT_FLOAT_EQ(map.global.viewZoom, 2.8f);
    EXPECT_NEAR(pictureX(map.global, underX), 5000, 0.01);
    EXPECT_NEAR(pictureY(map.global, underY), 2000, 0.01);

    // Fine deltas of a high-resolution wheel zoom once per notch.
    for (int i = 0; i < 4; ++i)
        turnWheel(map, -30);
    tm2_Timer(map, wheel);
    EXPECT_FLOAT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_NEAR(pictureX(map.global, underX), 5000, 0.01);
    EXPECT_NEAR(pictureY(map.global, underY), 2000, 0.01);
    tm2_Timer(map, wheel);
    EXPECT_FLOAT_EQ(map.global.viewZoom, 1.4f) << "no turn waiting: nothing";
}

TEST_F(NavigationTest, WheelRestoresTheOffsetsWhenTheZoomRefuses) {
    MapWindow& map = openMap();
    WheelSteps wheel;
    map.data.mouseX = 7000;
    map.data.mouseY = 500;
    for (const auto& [zoom, delta] : {std::pair{1.4f, -120}, std::pair{22.4f, 120}}) {
        map.global.viewZoom = zoom;
        map.global.homeOffX = 999;
        const Single offX = map.global.viewOffX;
        const Single offY = map.global.viewOffY;
        turnWheel(map, delta);
        tm2_Timer(map, wheel);
        EXPECT_EQ(map.global.homeOffX, offX) << "the step was taken";
        EXPECT_EQ(map.global.viewZoom, zoom);
        EXPECT_EQ(map.global.viewOffX, offX) << zoom;
        EXPECT_EQ(map.global.viewOffY, offY) << zoom;
    }
}

TEST_F(NavigationTest, WheelDoesNothingWhileBusyAndStopsWhenTheMapIsDisabled) {
    MapWindow& map = openMap();
    WheelSteps wheel;
    map.data.mouseX = 7000;
    turnWheel(map, 120);
    map.data.drawBusy = true;
    tm2_Timer(map, wheel);
    EXPECT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_FLOAT_EQ(map.global.viewOffX, -1600);
    map.data.drawBusy = false;
    tm2_Timer(map, wheel);
    EXPECT_EQ(map.global.viewZoom, 1.4f) << "a turn while busy is dropped, not kept for later";

    map.view.tm2.setEnabled(true);
    map.view.p1.setEnabled(false);
    tm2_Timer(map, wheel);
    EXPECT_FALSE(map.view.tm2.enabled());
}

} // namespace
} // namespace core::testing
