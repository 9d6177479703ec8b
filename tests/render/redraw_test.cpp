// The redraw driver's guards, its busy state and the picture it leaves.

#include "basic/wholefile.h"
#include "core/window_fixture.h"
#include "import/projectwriter.h"
#include "platform/canvascolour.h"
#include "platform/hourglass.h"
#include "window/redrawrequest.h"
#include "window/viewwindow.h"

namespace core::testing {
namespace {

constexpr QRgb kMark = 0xFFFF0000;

class RedrawTest : public WindowTest {
protected:
    MapWindow& withFile() {
        MapWindow& map = load();
        init(map);
        map.global.curFile = appPath() + "/leeds.osm";
        map.global.cancelRequested = true;
        map.view.p1.image().setPixel(100, 100, kMark);
        return map;
    }

    // A project file of a map without nodes or ways.
    std::string projectFile(const std::string& name) {
        const std::string path = appPath() + "/" + name;
        basic::writeFileWhole(path, osmimport::projectFileBytes(osmimport::ProjectData{}, '"'));
        return path;
    }

    static bool untouched(const MapWindow& map) { return map.view.p1.image().pixel(100, 100) == kMark; }
};

TEST_F(RedrawTest, NothingWithoutAFileOrWhileDrawing) {
    MapWindow& map = withFile();
    map.global.parsedPath = projectFile("leeds.vnk");
    map.global.curFile.clear();
    core::redrawMap(map);
    EXPECT_TRUE(untouched(map));
    EXPECT_TRUE(map.global.cancelRequested);

    map.global.curFile = "leeds.osm";
    map.data.drawBusy = true;
    core::redrawMap(map);
    EXPECT_TRUE(untouched(map));
    EXPECT_TRUE(map.global.cancelRequested);
    EXPECT_TRUE(map.data.drawBusy);
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(RedrawTest, NoProjectFileNamedYetIsSilent) {
    MapWindow& map = withFile();
    core::redrawMap(map);
    EXPECT_TRUE(untouched(map));
    EXPECT_FALSE(map.global.cancelRequested);
    EXPECT_EQ(map.legendPanel.Check3.value(), 1);
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(RedrawTest, AMissingProjectFileIsReported) {
    MapWindow& map = withFile();
    // A name holding "*" is the dialog's pattern even when such a file exists.
    for (const std::string& path : {appPath() + "/gone.vnk", projectFile("*.vnk")}) {
        map.global.parsedPath = path;
        dialogs().scriptMsgBox(platform::msgbox::Ok);
        core::redrawMap(map);
        ASSERT_FALSE(dialogs().shown().empty());
        EXPECT_EQ(dialogs().shown().back().text, "Can't find '" + path + "'");
        EXPECT_TRUE(untouched(map));
        EXPECT_FALSE(map.data.drawBusy);
    }
}

TEST_F(RedrawTest, ADrawingClearsThePictureAndEndsReadyForTheWheel) {
    MapWindow& map = withFile();
    map.global.parsedPath = projectFile("leeds.vnk");
    map.view.tm2.setEnabled(false);
    map.view.bub.setVisible(true);
    core::redrawMap(map);
    EXPECT_EQ(map.view.p1.image().pixel(100, 100), platform::toQRgb(map.view.p1.backColor()));
    EXPECT_FALSE(map.data.drawBusy);
    EXPECT_FALSE(map.global.cancelRequested);
    EXPECT_FALSE(map.global.reloadTrailer) << "the first drawing after a reset took the trailer";
    EXPECT_TRUE(map.view.tm2.enabled());
    EXPECT_TRUE(map.view.p1.enabled());
    EXPECT_TRUE(map.view.p1.visible());
    EXPECT_FALSE(map.view.bub.visible());
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

TEST_F(RedrawTest, TheRouteIsDrawnUnlessGpxPointsHaveThePlace) {
    MapWindow& map = withFile();
    map.global.parsedPath = projectFile("leeds.vnk");
    map.markers.Lin.load(1);
    map.markers.plt.load(1);
    map.data.routeCount = 1;
    map.data.routeActive = true;

    map.data.gpxCount = 3;
    map.data.gpxNamedPoints = "#1#2#3#"; // waypoints, shown wherever they lie
    map.global.showWaypoints = true;
    core::redrawMap(map);
    EXPECT_FALSE(map.markers.plt[1].visible());
    EXPECT_EQ(map.data.gpsCount, 3);

    // While the route is drawn the GPX layer is not, on the normal map or on the Planning Sheet.
    map.data.routeDrawing = true;
    core::redrawMap(map);
    EXPECT_TRUE(map.markers.plt[1].visible());
    EXPECT_EQ(map.view.sb1.panelText(2), ".00 ml    0 hrs");
    EXPECT_EQ(map.data.gpsCount, 0);
    map.data.mapMode = 2;
    core::redrawMap(map);
    EXPECT_EQ(map.data.gpsCount, 0);
}

} // namespace
} // namespace core::testing
