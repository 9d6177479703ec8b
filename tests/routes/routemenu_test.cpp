// The Routes menu and the route toolbar: the questions of "New Route" and "Cancel Route", what
// each answer keeps or clears, and the route handed to Google Earth only when its file was written.

#include "routes/route_fixture.h"
#include "routes/routemenu.h"
#include "support/desktoprecording.h"
#include "support/showntexts.h"

#include <QDir>
#include <QFile>
#include <utility>

namespace routes::testing {
namespace {

using platform::msgbox::Cancel;
using platform::msgbox::No;
using platform::msgbox::Ok;
using platform::msgbox::Yes;

constexpr int kNewRoute = 0;
constexpr int kCancelRoute = 2;
constexpr int kGoogleEarth = 4;

const std::vector<Point> kRoute{{51.50f, -0.10f}, {51.51f, -0.10f}, {51.51f, -0.08f}};

class RouteMenuTest : public RouteWindowTest {
protected:
    // GPX waypoints only: their markers, no track point in view.
    static void showGpxWaypoints(core::MapWindow& map, int count) {
        for (int i = 1; i <= count; ++i)
            map.markers.gps.load(i).setVisible(true);
        map.data.gpsCount = map.data.gpxCount = static_cast<basic::Integer>(count);
        map.data.gptCount = 0;
    }

    static void expectRouteKept(const core::MapWindow& map) {
        EXPECT_EQ(map.data.routeCount, 3);
        EXPECT_TRUE(map.data.routeActive && map.data.routeUnsaved);
        expectElementsForEachPoint(map);
        EXPECT_EQ(map.view.sb1.panelText(2), "1.55 ml    0 hrs 28 mins");
    }

    // No route left, nothing of it to save at exit, nothing shown of it.
    static void expectRouteCleared(const core::MapWindow& map) {
        EXPECT_EQ(map.data.routeCount, 0);
        EXPECT_FALSE(map.data.routeActive);
        EXPECT_FALSE(map.data.routeUnsaved) << "the old route is given up, nothing to save at exit";
        EXPECT_EQ(map.view.sb1.panelText(2), "");
        expectElementsForEachPoint(map);
    }

    // The texts of the message boxes shown since the last call.
    std::vector<std::string> asked() {
        const std::size_t from = std::exchange(seen_, dialogs().shown().size());
        return testsupport::shownTexts(dialogs(), from);
    }
    using Texts = std::vector<std::string>;

    const std::vector<std::string>& opened() const { return desktop_.targets(); }

private:
    testsupport::DesktopRecording desktop_;
    std::size_t seen_ = 0;
};

TEST_F(RouteMenuTest, NothingHappensWithoutAFileOrWhileBusyAndDownloadOnlyShowsItsBorder) {
    core::MapWindow& map = loadedMap();
    setRoute(map, kRoute);
    map.global.curFile.clear();
    for (int index : {kNewRoute, kCancelRoute, kGoogleEarth})
        mnewr_Click(map, index);
    map.global.curFile = "/home/mapper/osm/london.osm";
    for (bool* flag : {&map.data.drawBusy, &map.data.mapLoading}) {
        *flag = true;
        for (int index : {kNewRoute, kCancelRoute, kGoogleEarth})
            rout_MouseDown(map, index);
        EXPECT_EQ(map.toolbars.rout[0].borderStyle(), 0);
        *flag = false;
    }
    rout_MouseDown(map, 1);
    EXPECT_EQ(map.toolbars.rout[1].borderStyle(), 1);
    rout_MouseUp(map, 1);
    EXPECT_EQ(map.toolbars.rout[1].borderStyle(), 0);
    EXPECT_TRUE(asked().empty());
    EXPECT_FALSE(map.data.routeDrawing);
    expectRouteKept(map);
    EXPECT_TRUE(opened().empty());
}

TEST_F(RouteMenuTest, NewRouteClearsTheOldRouteOnlyOnOk) {
    core::MapWindow& map = loadedMap();
    mnewr_Click(map, kNewRoute); // nothing to clear: no question
    EXPECT_TRUE(map.data.routeDrawing);
    EXPECT_EQ(map.view.p1.mousePointer(), 99);
    EXPECT_EQ(map.view.p1.mouseIcon(), map.stores.Image8.picture());

    map.data.routeDrawing = false;
    setRoute(map, kRoute);
    dialogs().scriptMsgBox(Cancel);
    rout_MouseDown(map, kNewRoute);
    EXPECT_EQ(asked(), Texts{"This will clear your route. Do you want to continue before saving route?"});
    EXPECT_EQ(map.toolbars.rout[0].borderStyle(), 0);
    EXPECT_FALSE(map.data.routeDrawing);
    expectRouteKept(map);

    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(asked().size(), 1u);
    expectRouteCleared(map);
    EXPECT_TRUE(map.data.routeDrawing);
}

TEST_F(RouteMenuTest, NewRouteAsksAboutGpxPointsWheneverThereAreAny) {
    core::MapWindow& map = loadedMap();
    showGpxWaypoints(map, 3);
    dialogs().scriptMsgBox(No);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(asked(), Texts{"This will clear your gpx track. Are you sure?"});
    EXPECT_FALSE(map.data.routeDrawing);
    EXPECT_EQ(map.data.gpxCount + map.data.gpsCount + map.markers.gps.ubound(), 9);

    dialogs().scriptMsgBox(Yes);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(asked().size(), 1u);
    EXPECT_TRUE(map.data.routeDrawing);
    EXPECT_EQ(map.data.gpxCount + map.data.gpsCount + map.markers.gps.ubound(), 0);

    // Points left without routeActive (no command leaves them so): after the GPX question they
    // go with their markers, so that the next click does not trip over a loaded element.
    setRoute(map, kRoute);
    map.data.routeActive = false;
    showGpxWaypoints(map, 1);
    dialogs().scriptMsgBox(Yes);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(asked().size(), 1u);
    expectRouteCleared(map);

    setRoute(map, kRoute);
    map.data.routeActive = false;
    dialogs().scriptMsgBox(Cancel);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(asked(), Texts{"This will clear your route. Do you want to continue?"});
    EXPECT_EQ(map.data.routeCount, 3) << "kept, and drawing goes on extending it";
}

TEST_F(RouteMenuTest, CancelRouteAsksBeforeClearing) {
    core::MapWindow& map = loadedMap();
    map.data.routeDrawing = true;
    mnewr_Click(map, kCancelRoute);
    EXPECT_TRUE(asked().empty()) << "without a route it only ends drawing";
    EXPECT_FALSE(map.data.routeDrawing);

    setRoute(map, kRoute);
    dialogs().scriptMsgBox(Cancel);
    mnewr_Click(map, kCancelRoute);
    EXPECT_EQ(asked(), Texts{"Are you sure you want to clear your route?"});
    expectRouteKept(map);

    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kCancelRoute);
    expectRouteCleared(map);
    EXPECT_FALSE(map.data.routeDrawing);
}

TEST_F(RouteMenuTest, GoogleEarthGetsTheRouteOnlyWhenItsFileWasWritten) {
    core::MapWindow& map = loadedMap();
    const std::string kml = map.global.dataFolder + "/temp.kml";
    map.data.routeDrawing = true;
    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kGoogleEarth);
    EXPECT_EQ(asked(), Texts{"Finish route first by double clicking on map."});
    EXPECT_FALSE(QFile::exists(QString::fromStdString(kml)));

    map.data.routeDrawing = false;
    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kGoogleEarth);
    EXPECT_EQ(asked(), Texts{"Draw a route first."});

    setRoute(map, kRoute);
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(kml))); // a folder where the file goes
    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kGoogleEarth);
    EXPECT_EQ(asked(), Texts{kml + " Path/File access error"});
    EXPECT_TRUE(opened().empty());

    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(kml)));
    rout_MouseDown(map, kGoogleEarth);
    EXPECT_EQ(opened(), Texts{kml});
    EXPECT_TRUE(QFile::exists(QString::fromStdString(kml)));
    EXPECT_FALSE(map.data.routeDrawing);
    EXPECT_TRUE(asked().empty());
}

} // namespace
} // namespace routes::testing
