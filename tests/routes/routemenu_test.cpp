// The Routes menu and the route toolbar: the questions of "New Route" and "Cancel Route", what
// each answer keeps or clears, and the route handed to Google Earth only when its file was written.

#include "platform/desktop.h"
#include "routes/route_fixture.h"
#include "routes/routemenu.h"

#include <QDir>
#include <QFile>
#include <memory>

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
    void SetUp() override {
        RouteWindowTest::SetUp();
        auto desktop = std::make_unique<platform::RecordingDesktop>();
        desktop_ = desktop.get();
        previous_ = platform::setDesktop(std::move(desktop));
    }
    void TearDown() override {
        platform::setDesktop(std::move(previous_));
        RouteWindowTest::TearDown();
    }

    // GPX waypoints only: their markers, no track point in view.
    static void showGpxWaypoints(core::MapWindow& map, int count) {
        for (int i = 1; i <= count; ++i)
            map.markers.gps.load(i).setVisible(true);
        map.d.gpsCount = static_cast<basic::Integer>(count);
        map.d.gpxCount = static_cast<basic::Integer>(count);
        map.d.gptCount = 0;
    }

    static void expectRouteKept(const core::MapWindow& map) {
        EXPECT_EQ(map.d.routeCount, 3);
        EXPECT_TRUE(map.d.routeActive);
        EXPECT_TRUE(map.d.routeUnsaved);
        expectElementsForEachPoint(map);
        EXPECT_EQ(map.view.sb1.panelText(2), "1.55 ml    0 hrs 28 mins");
    }

    std::vector<std::string> questions() {
        std::vector<std::string> texts;
        for (const platform::ShownDialog& shown : dialogs().shown())
            texts.push_back(shown.text);
        return texts;
    }

    const std::vector<std::string>& opened() const { return desktop_->targets(); }

private:
    platform::RecordingDesktop* desktop_ = nullptr;
    std::unique_ptr<platform::Desktop> previous_;
};

TEST_F(RouteMenuTest, NothingHappensWithoutAFileOrWhileBusy) {
    core::MapWindow& map = loadedMap();
    setRoute(map, kRoute);
    map.g.curFile.clear();
    for (int index : {kNewRoute, kCancelRoute, kGoogleEarth})
        mnewr_Click(map, index);
    map.g.curFile = "/home/mapper/osm/london.osm";
    for (bool* flag : {&map.d.drawBusy, &map.d.mapLoading}) {
        *flag = true;
        map.d.routeSel = 2;
        for (int index : {kNewRoute, kCancelRoute, kGoogleEarth}) {
            mnewr_Click(map, index);
            rout_MouseDown(map, index);
        }
        EXPECT_EQ(map.d.routeSel, 2);
        EXPECT_EQ(map.toolbars.rout[0].borderStyle(), 0);
        *flag = false;
    }
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_FALSE(map.d.routeDrawing);
    expectRouteKept(map);
    EXPECT_TRUE(opened().empty());
}

TEST_F(RouteMenuTest, NewRouteWithoutARouteStartsDrawingAtOnce) {
    core::MapWindow& map = loadedMap();
    map.view.sb1.setPanelText(2, ".50 ml    0 hrs 09 mins");
    mnewr_Click(map, kNewRoute);
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_TRUE(map.d.routeDrawing);
    EXPECT_FALSE(map.d.routeActive);
    EXPECT_EQ(map.view.p1.mousePointer(), 99);
    EXPECT_EQ(map.view.p1.mouseIcon(), map.stores.Image8.picture());
    EXPECT_EQ(map.view.sb1.panelText(2), "");
}

TEST_F(RouteMenuTest, NewRouteOverARouteClearsItOnlyOnOk) {
    core::MapWindow& map = loadedMap();
    setRoute(map, kRoute);
    map.toolbars.rout[0].setBorderStyle(1);
    dialogs().scriptMsgBox(Cancel);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(questions(), std::vector<std::string>{
                               "This will clear your route. Do you want to continue before saving route?"});
    EXPECT_EQ(dialogs().shown().back().style, platform::msgbox::OkCancel);
    EXPECT_EQ(map.toolbars.rout[0].borderStyle(), 0);
    EXPECT_FALSE(map.d.routeDrawing);
    expectRouteKept(map);

    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(dialogs().shown().size(), 2u) << "one question for the route";
    EXPECT_EQ(map.d.routeCount, 0);
    EXPECT_FALSE(map.d.routeActive);
    EXPECT_FALSE(map.d.routeUnsaved) << "the old route is given up, nothing to save at exit";
    EXPECT_TRUE(map.d.routeDrawing);
    expectElementsForEachPoint(map);
}

TEST_F(RouteMenuTest, NewRouteAsksAboutGpxPointsWheneverThereAreAny) {
    core::MapWindow& map = loadedMap();
    showGpxWaypoints(map, 3);
    dialogs().scriptMsgBox(No);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(questions(), std::vector<std::string>{"This will clear your gpx track. Are you sure?"});
    EXPECT_EQ(dialogs().shown().back().style, platform::msgbox::YesNo);
    EXPECT_FALSE(map.d.routeDrawing);
    EXPECT_EQ(map.d.gpxCount, 3);
    EXPECT_EQ(map.d.gpsCount, 3);
    EXPECT_TRUE(map.markers.gps[3].visible());

    dialogs().scriptMsgBox(Yes);
    mnewr_Click(map, kNewRoute);
    EXPECT_TRUE(map.d.routeDrawing);
    EXPECT_EQ(map.d.gpxCount, 0);
    EXPECT_EQ(map.d.gpsCount, 0);
    EXPECT_EQ(map.markers.gps.ubound(), 0);
}

TEST_F(RouteMenuTest, NewRouteAfterTheGpxQuestionClearsAnInactiveRouteWithItsMarkers) {
    core::MapWindow& map = loadedMap();
    setRoute(map, kRoute);
    map.d.routeActive = false; // points left, as no command of the route leaves them
    showGpxWaypoints(map, 1);
    dialogs().scriptMsgBox(Yes);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(dialogs().shown().size(), 1u) << "no second question once the GPX one was answered";
    EXPECT_EQ(map.d.routeCount, 0);
    expectElementsForEachPoint(map); // none left behind for the next click to trip over

    setRoute(map, kRoute);
    map.d.routeActive = false;
    dialogs().scriptMsgBox(Cancel);
    mnewr_Click(map, kNewRoute);
    EXPECT_EQ(dialogs().shown().back().text, "This will clear your route. Do you want to continue?");
    EXPECT_TRUE(map.d.routeDrawing) << "drawing goes on, extending the route kept";
    EXPECT_EQ(map.d.routeCount, 3);
}

TEST_F(RouteMenuTest, CancelRouteAsksBeforeClearing) {
    core::MapWindow& map = loadedMap();
    map.d.routeDrawing = true;
    mnewr_Click(map, kCancelRoute);
    EXPECT_TRUE(dialogs().shown().empty()) << "without a route it only ends drawing";
    EXPECT_FALSE(map.d.routeDrawing);
    EXPECT_EQ(map.view.p1.mousePointer(), 0);

    setRoute(map, kRoute);
    map.d.routeDrawing = true;
    dialogs().scriptMsgBox(Cancel);
    mnewr_Click(map, kCancelRoute);
    EXPECT_EQ(questions(), std::vector<std::string>{"Are you sure you want to clear your route?"});
    EXPECT_TRUE(map.d.routeDrawing);
    expectRouteKept(map);

    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kCancelRoute);
    EXPECT_EQ(map.d.routeCount, 0);
    EXPECT_FALSE(map.d.routeActive);
    EXPECT_FALSE(map.d.routeUnsaved);
    EXPECT_FALSE(map.d.routeDrawing);
    EXPECT_EQ(map.view.sb1.panelText(2), "");
    expectElementsForEachPoint(map);
}

TEST_F(RouteMenuTest, GoogleEarthGetsTheRouteOnlyWhenItsFileWasWritten) {
    core::MapWindow& map = loadedMap();
    const std::string kml = map.g.dataFolder + "/temp.kml";
    map.d.routeDrawing = true;
    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kGoogleEarth);
    EXPECT_EQ(questions(), std::vector<std::string>{"Finish route first by double clicking on map."});
    EXPECT_EQ(dialogs().shown().back().style, platform::msgbox::OkOnly);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(kml)));

    map.d.routeDrawing = false;
    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kGoogleEarth);
    EXPECT_EQ(dialogs().shown().back().text, "Draw a route first.");
    EXPECT_TRUE(opened().empty());

    setRoute(map, kRoute);
    map.d.routeDrawing = true;
    dialogs().scriptMsgBox(Ok);
    rout_MouseDown(map, kGoogleEarth); // still drawing: refused
    map.d.routeDrawing = false;
    rout_MouseDown(map, kGoogleEarth);
    EXPECT_EQ(map.toolbars.rout[kGoogleEarth].borderStyle(), 1);
    rout_MouseUp(map, kGoogleEarth);
    EXPECT_EQ(map.toolbars.rout[kGoogleEarth].borderStyle(), 0);
    EXPECT_EQ(opened(), std::vector<std::string>{kml});
    EXPECT_TRUE(QFile::exists(QString::fromStdString(kml)));
    EXPECT_FALSE(map.d.routeDrawing);
    EXPECT_EQ(dialogs().shown().size(), 3u);
}

TEST_F(RouteMenuTest, GoogleEarthOpensNothingAfterAFailedWrite) {
    core::MapWindow& map = loadedMap();
    setRoute(map, kRoute);
    const std::string kml = map.g.dataFolder + "/temp.kml";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(kml)));
    dialogs().scriptMsgBox(Ok);
    mnewr_Click(map, kGoogleEarth);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown().back().text, kml + " Path/File access error");
    EXPECT_TRUE(opened().empty());
}

TEST_F(RouteMenuTest, TheDownloadPictureOnlyShowsItsPressedBorder) {
    core::MapWindow& map = loadedMap();
    rout_MouseDown(map, 1);
    EXPECT_EQ(map.toolbars.rout[1].borderStyle(), 1);
    rout_MouseUp(map, 1);
    EXPECT_EQ(map.toolbars.rout[1].borderStyle(), 0);
    EXPECT_FALSE(map.d.routeDrawing);
    EXPECT_TRUE(dialogs().shown().empty());
}

} // namespace
} // namespace routes::testing
