// Importing a GPX file into the main window's point list: what is stored, what is cleared first,
// and the aborted import.

#include "basic/wholefile.h"
#include "core/filemenu_output.h"
#include "core/navigation.h"
#include "core/window_fixture.h"
#include "platform/hourglass.h"
#include "render/drawing_fixture.h"
#include "routes/gpximport.h"
#include "support/hostilefiles.h"
#include "support/showntexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
#include <sys/stat.h>
#include <vector>

namespace routes::testing {
namespace {

using core::testing::WindowTest;

const std::string kWalk = std::string(VK_TEST_DATA) + "/routes/walk.gpx";

struct Stored {
    basic::Single lat;
    basic::Single lon;
    std::string name;
};

void expectStored(const core::MapData& d, const std::vector<Stored>& points) {
    ASSERT_EQ(d.gpxCount, static_cast<basic::Integer>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(d.routeLat[i + 1], points[i].lat) << "point " << i + 1;
        EXPECT_EQ(d.routeLon[i + 1], points[i].lon) << "point " << i + 1;
        EXPECT_EQ(d.pointName[i + 1], points[i].name) << "point " << i + 1;
    }
}

class ImportGpxTest : public WindowTest {
protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string file = appPath() + "/" + name;
        basic::writeFileWhole(file, bytes);
        return file;
    }
};

TEST_F(ImportGpxTest, TheWalkGivesWaypointsRoutePointsAndTrackPoints) {
    core::MapWindow& map = make();
    map.data.gpxImportState = 3;
    importgpx(map, kWalk);
    expectStored(map.data, {{51.500729f, -0.124625f, "big ben"},
                            {51.5081f, -0.1281f, "caf\u00e9 & tea room"},
                            {51.5007f, -0.1246f, "start"},
                            {51.508f, -0.128f, "trafalgar square"},
                            {51.50073f, -0.12463f, ""},
                            {51.50112f, -0.12501f, ""},
                            {51.5079f, -0.1279f, ""}});
    EXPECT_EQ(map.data.gpxNamedPoints, "#1#2#3#4#");
    EXPECT_EQ(map.data.gpxImportState, 0);
    EXPECT_TRUE(map.menus.mfil.enabled());
    EXPECT_TRUE(dialogs().shown().empty());
    // No map loaded: the points are stored, nothing is marked for drawing.
    EXPECT_FALSE(map.data.trackDirty);
}

TEST_F(ImportGpxTest, WithAMapLoadedThePointsAreDrawnAtOnce) {
    core::MapWindow& map = make();
    map.global.curFile = appPath() + "/map.osm";
    map.global.showWaypoints = true;
    importgpx(map, kWalk);
    EXPECT_EQ(map.data.gpxCount, 7);
    // Every waypoint and route point has its marker, and the display is up to date.
    EXPECT_EQ(map.data.gpsCount, 4);
    EXPECT_TRUE(map.markers.gps.exists(4));
    EXPECT_FALSE(map.data.trackDirty);
}

// The whole file is read however long it is: 2,500 named waypoints, 9,500 more lines, then the
// only track.
TEST_F(ImportGpxTest, LongFilesKeepEveryNameAndTheTrackAtTheEnd) {
    std::string text = "<gpx>\n";
    for (int i = 1; i <= 2500; ++i)
        text += "<wpt lat=\"1\" lon=\"2\"><name>P" + std::to_string(i) + "</name></wpt>\n";
    for (int i = 0; i < 9500; ++i)
        text += "<!-- line -->\n";
    text += "<trk><trkseg><trkpt lat=\"51.25\" lon=\"-1.5\"/></trkseg></trk></gpx>\n";
    core::MapWindow& map = make();
    importgpx(map, write("long.gpx", text));
    ASSERT_EQ(map.data.gpxCount, 2501);
    EXPECT_EQ(map.data.pointName[2500], "p2500");
    EXPECT_TRUE(map.data.gpxNamedPoints.ends_with("#2499#2500#"));
    EXPECT_EQ(map.data.routeLat[2501], 51.25f);
    EXPECT_EQ(map.data.routeLon[2501], -1.5f);
}

std::string trackOf(int points) {
    std::string text = "<gpx><trk><trkseg>\n";
    for (int i = 1; i <= points; ++i)
        text += "<trkpt lat=\"" + std::to_string(i % 80) + "\" lon=\"" + std::to_string(i / 80) + "\"/>\n";
    return text + "</trkseg></trk></gpx>\n";
}

TEST_F(ImportGpxTest, MoreThan10000PointsKeepTheFirstAndSaySoOnce) {
    core::MapWindow& map = make();
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    importgpx(map, write("big.gpx", trackOf(10050)));
    EXPECT_EQ(map.data.gpxCount, 10000);
    EXPECT_EQ(map.data.routeLat[10000], 10000 % 80);
    EXPECT_EQ(map.data.routeLon[10000], 10000 / 80);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text,
              "This GPX file holds more than 10000 points; only the first 10000 are shown.");
    EXPECT_EQ(dialogs().shown()[0].style, platform::msgbox::OkOnly);
    importgpx(map, write("full.gpx", trackOf(10000)));
    EXPECT_EQ(dialogs().shown().size(), 1u) << "10000 points: no message";
}

// A file that cannot be read says why, then that the import was aborted; Cancel pressed while the
// file was read says only the latter. Either way the point list is emptied. A pipe that nobody
// writes is refused as a folder or a device is, at once and by its name, and a file far larger
// than memory by its size.
TEST_F(ImportGpxTest, AnUnreadableFileOrCancelAbortsTheImport) {
    const std::string folder = appPath() + "/folder.gpx";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    const std::string pipe = appPath() + "/pipe.gpx";
    const std::string huge = appPath() + "/huge.gpx";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    testsupport::writeHugeFile(huge, "<gpx><wpt lat=\"1\" lon=\"2\"/>");
    const struct {
        std::string file;
        std::vector<std::string> shown;
        bool cancel;
    } cases[] = {{appPath() + "/missing.gpx", {"File not found", "Importing file aborted."}, false},
                 {folder, {folder + " is not a file", "Importing file aborted."}, false},
                 {pipe, {pipe + " is not a file", "Importing file aborted."}, false},
                 {"/dev/zero", {"/dev/zero is not a file", "Importing file aborted."}, false},
                 {huge, {huge + " is too large", "Importing file aborted."}, false},
                 {kWalk, {"Importing file aborted."}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        core::MapWindow& map = make();
        map.data.gpxCount = 5;
        map.data.gpxNamedPoints = "#1#2#";
        map.global.curFile = appPath() + "/map.osm";
        if (c.cancel)
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [&map] { map.global.cancelRequested = true; },
                Qt::QueuedConnection);
        const std::size_t before = dialogs().shown().size();
        for (std::size_t i = 0; i < c.shown.size(); ++i)
            dialogs().scriptMsgBox(platform::msgbox::Ok);
        importgpx(map, c.file);
        EXPECT_EQ(testsupport::shownTexts(dialogs(), before), c.shown);
        EXPECT_EQ(dialogs().shown().back().style, platform::msgbox::OkOnly);
        EXPECT_EQ(map.data.gpxCount, 0);
        EXPECT_EQ(map.data.gpxNamedPoints, "#");
        EXPECT_FALSE(map.data.trackDirty);
        EXPECT_FALSE(map.global.cancelRequested);
        EXPECT_TRUE(map.menus.mfil.enabled());
        EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
    }
}

// The map loaded is damaged: its latitude origin lies beyond any real one, so that no point
// projects to a map position. Each point faults as it is drawn, once the file was read: the
// first fault is shown once, the points are kept and the File menu is given back.
TEST_F(ImportGpxTest, AFaultDrawingThePointsIsShownOnceAndTheFileMenuComesBack) {
    core::MapWindow& map = load();
    map.global.curFile = appPath() + "/map.osm";
    map.data.mapScale = 20000;
    map.data.mapLat0 = 3e38f;
    dialogs().scriptOpenFile(kWalk);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    const std::size_t before = dialogs().shown().size() + 1; // after the open dialog
    core::importGpx(map);
    EXPECT_EQ(testsupport::shownTexts(dialogs(), before), std::vector<std::string>{"Overflow"});
    EXPECT_EQ(map.data.gpxCount, 7);
    EXPECT_TRUE(map.menus.mfil.enabled());
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

// A cancel left from before the import does not stop it, and a file is opened by its own path,
// whatever the case of its name.
TEST_F(ImportGpxTest, AStaleCancelOrACapitalisedNameStillImportsTheWalk) {
    for (const bool staleCancel : {true, false}) {
        SCOPED_TRACE(staleCancel ? "stale cancel" : "Walk.GPX");
        core::MapWindow& map = make();
        map.global.cancelRequested = staleCancel;
        importgpx(map, staleCancel ? kWalk : write("Walk.GPX", basic::readFileBytes(kWalk)));
        EXPECT_EQ(map.data.gpxCount, 7);
        EXPECT_FALSE(map.global.cancelRequested);
    }
}

TEST_F(ImportGpxTest, AFileWithoutPointsEmptiesThePointList) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty.gpx", ""},
        {"metadata.gpx", "<?xml version=\"1.0\"?>\n<gpx><metadata><name>x</name></metadata></gpx>\n"},
        {"binary.gpx", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        core::MapWindow& map = make();
        map.data.gpxCount = 4;
        importgpx(map, write(c.name, c.bytes));
        EXPECT_EQ(map.data.gpxCount, 0);
        EXPECT_EQ(map.data.gpxNamedPoints, "#");
        EXPECT_TRUE(dialogs().shown().empty());
    }
}

TEST_F(ImportGpxTest, AnUnsavedRouteGivenUpForTheImportIsNotAskedAboutAtExit) {
    core::MapWindow& map = load();
    map.data.routeActive = map.data.routeUnsaved = true;
    dialogs().scriptOpenFile(kWalk);
    dialogs().scriptMsgBox(platform::msgbox::Ok); // "This will clear route."
    core::importGpx(map);
    EXPECT_TRUE(map.form.unload()) << "an unscripted question would throw";
    EXPECT_EQ(dialogs().shown().size(), 2u);
}

// Drawing a route, the user imports a file: the mode ends, a click on the map adds no point
// over GPX point 1, and the next redraw shows the track.
class ImportDuringRouteDrawingTest : public render::testing::DrawingTest {};

TEST_F(ImportDuringRouteDrawingTest, TheImportEndsItAndTheRedrawShowsTheTrack) {
    data.mapScale = 1000;
    draw();
    core::MapWindow& m = map();
    m.data.routeDrawing = true;
    m.view.p1.setMousePointer(99);
    const std::string file = appPath() + "/track.gpx";
    basic::writeFileWhole(file, "<gpx><trk><trkseg><trkpt lat=\"0.5\" lon=\"0.5\"/>"
                                "<trkpt lat=\"0.5\" lon=\"0.51\"/></trkseg></trk></gpx>");
    dialogs().scriptOpenFile(file);
    core::importGpx(m);
    EXPECT_FALSE(m.data.routeDrawing);
    EXPECT_EQ(m.view.p1.mousePointer(), platform::kDefaultPointer);

    core::p1_MouseDown(m, platform::kLeftButton, 4000, 3000);
    core::p1_MouseUp(m, platform::kLeftButton, 4000, 3000);
    EXPECT_EQ(m.data.routeCount, 0);
    EXPECT_EQ(m.data.routeLat[1], 0.5f);

    draw();
    EXPECT_EQ(m.data.gptCount, 2);
    EXPECT_TRUE(m.markers.Lin2.exists(2));
    EXPECT_TRUE(dialogs().shown().size() == 1u) << "only the open dialog";
}

TEST(StoreGpxPointsTest, NamedPointsAndTrackPoints) {
    core::MapData d;
    d.pointName[2] = "old";
    GpxPoints read;
    read.points = {{1.0f, 1.0f, "n1"}, {2.0f, 1.0f, "n2"}, {-1.0f, -2.0f, ""}};
    read.namedCount = 2;
    storeGpxPoints(d, read);
    EXPECT_EQ(d.gpxCount, 3);
    EXPECT_EQ(d.pointName[2], "n2");
    EXPECT_EQ(d.routeLat[3], -1.0f);
    EXPECT_EQ(d.routeLon[3], -2.0f);
    EXPECT_EQ(d.gpxNamedPoints, "#1#2#");

    GpxPoints track;
    track.points = {{5.0f, 6.0f, ""}, {7.0f, 8.0f, ""}};
    storeGpxPoints(d, track);
    EXPECT_EQ(d.gpxCount, 2);
    EXPECT_EQ(d.gpxNamedPoints, "#");
    EXPECT_EQ(d.pointName[2], "");
}

} // namespace
} // namespace routes::testing
