// Importing a GPX file into the main window's point list: what is stored, what is cleared first,
// and the aborted import.

#include "basic/wholefile.h"
#include "core/window_fixture.h"
#include "platform/hourglass.h"
#include "routes/gpximport.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
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
    map.d.gpxImportState = 3;
    importgpx(map, kWalk);
    expectStored(map.d, {{51.500729f, -0.124625f, "big ben"},
                         {51.5081f, -0.1281f, "caf\u00e9 & tea room"},
                         {51.5007f, -0.1246f, "start"},
                         {51.508f, -0.128f, "trafalgar square"},
                         {51.50073f, -0.12463f, ""},
                         {51.50112f, -0.12501f, ""},
                         {51.5079f, -0.1279f, ""}});
    EXPECT_EQ(map.d.gpxNamedPoints, "#1#2#3#4#");
    EXPECT_EQ(map.d.gpxImportState, 0);
    EXPECT_TRUE(map.menus.mfil.enabled());
    EXPECT_TRUE(dialogs().shown().empty());
    // No map loaded: the points are stored, nothing is marked for drawing.
    EXPECT_FALSE(map.d.trackDirty);
}

TEST_F(ImportGpxTest, WithAMapLoadedThePointsAreDrawnAtOnce) {
    core::MapWindow& map = make();
    map.g.curFile = appPath() + "/map.osm";
    importgpx(map, kWalk);
    EXPECT_EQ(map.d.gpxCount, 7);
    // Every point has its marker, and the display is up to date.
    EXPECT_EQ(map.d.gpsCount, 7);
    EXPECT_TRUE(map.markers.gps.exists(7));
    EXPECT_FALSE(map.d.trackDirty);
}

TEST_F(ImportGpxTest, TheMarkersOfTheLastImportAreUnloadedFirst) {
    core::MapWindow& map = make();
    core::Markers& m = map.markers;
    for (int i = 1; i <= 3; ++i)
        m.gps.load(i);
    for (int i = 1; i <= 2; ++i) {
        m.gpt.load(i);
        m.Lin2.load(i);
    }
    map.d.gpsCount = 3;
    map.d.gptCount = 3; // one more than loaded: an element already gone is passed over
    importgpx(map, kWalk);
    EXPECT_EQ(map.d.gpsCount, 0);
    EXPECT_EQ(map.d.gptCount, 0);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(m.gps.exists(i)) << i;
        EXPECT_FALSE(m.gpt.exists(i)) << i;
        EXPECT_FALSE(m.Lin2.exists(i)) << i;
    }
    EXPECT_TRUE(m.gps.exists(0));
}

TEST_F(ImportGpxTest, AFileThatCannotBeReadAbortsTheImport) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(appPath() + "/folder.gpx")));
    const struct {
        std::string file;
        std::string error;
    } cases[] = {{appPath() + "/missing.gpx", "File not found"},
                 {appPath() + "/folder.gpx", "Path/File access error"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        core::MapWindow& map = make();
        map.d.gpxCount = 5;
        map.d.gpxNamedPoints = "#1#2#";
        map.g.curFile = appPath() + "/map.osm";
        const std::size_t before = dialogs().shown().size();
        dialogs().scriptMsgBox(platform::msgbox::Ok);
        dialogs().scriptMsgBox(platform::msgbox::Ok);
        importgpx(map, c.file);
        ASSERT_EQ(dialogs().shown().size(), before + 2);
        EXPECT_EQ(dialogs().shown()[before].text, c.error);
        EXPECT_EQ(dialogs().shown()[before + 1].text, "Importing file aborted.");
        EXPECT_EQ(dialogs().shown()[before + 1].style, platform::msgbox::OkOnly);
        EXPECT_EQ(map.d.gpxCount, 0);
        EXPECT_EQ(map.d.gpxNamedPoints, "#");
        EXPECT_FALSE(map.d.trackDirty);
        EXPECT_TRUE(map.menus.mfil.enabled());
        EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
    }
}

TEST_F(ImportGpxTest, CancelPressedWhileTheFileWasReadAbortsTheImport) {
    core::MapWindow& map = make();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&map] { map.g.cancelRequested = true; }, Qt::QueuedConnection);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    importgpx(map, kWalk);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "Importing file aborted.");
    EXPECT_EQ(map.d.gpxCount, 0);
    EXPECT_FALSE(map.g.cancelRequested);
    EXPECT_TRUE(map.menus.mfil.enabled());
}

TEST_F(ImportGpxTest, AStaleCancelDoesNotStopTheImport) {
    core::MapWindow& map = make();
    map.g.cancelRequested = true;
    importgpx(map, kWalk);
    EXPECT_EQ(map.d.gpxCount, 7);
    EXPECT_FALSE(map.g.cancelRequested);
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
        map.d.gpxCount = 4;
        importgpx(map, write(c.name, c.bytes));
        EXPECT_EQ(map.d.gpxCount, 0);
        EXPECT_EQ(map.d.gpxNamedPoints, "#");
        EXPECT_TRUE(dialogs().shown().empty());
    }
}

TEST_F(ImportGpxTest, TheFileIsOpenedByItsOwnPath) {
    core::MapWindow& map = make();
    const std::string file = write("Walk.GPX", basic::readFileBytes(kWalk));
    importgpx(map, file);
    EXPECT_EQ(map.d.gpxCount, 7);
}

TEST(StoreGpxPointsTest, NamesGoUpToIndex2000AndTrackPointsGetNone) {
    core::MapData d;
    d.pointName[2] = "old";
    GpxPoints read;
    for (int i = 1; i <= 2001; ++i)
        read.points.push_back({static_cast<basic::Single>(i % 90), 1.0f, "n" + std::to_string(i)});
    read.namedCount = 2001;
    read.points.push_back({-1.0f, -2.0f, ""});
    storeGpxPoints(d, read);
    EXPECT_EQ(d.gpxCount, 2002);
    EXPECT_EQ(d.pointName.size(), 2001u);
    EXPECT_EQ(d.pointName[2], "n2");
    EXPECT_EQ(d.pointName[2000], "n2000");
    EXPECT_EQ(d.routeLat[2001], 2001 % 90);
    EXPECT_EQ(d.routeLat[2002], -1.0f);
    EXPECT_EQ(d.routeLon[2002], -2.0f);
    EXPECT_TRUE(d.gpxNamedPoints.starts_with("#1#2#3#"));
    EXPECT_TRUE(d.gpxNamedPoints.ends_with("#2000#2001#"));
    EXPECT_EQ(d.gpxNamedPoints.find("#2002#"), std::string::npos);

    GpxPoints track;
    track.points = {{5.0f, 6.0f, ""}, {7.0f, 8.0f, ""}, {9.0f, 10.0f, ""}};
    storeGpxPoints(d, track);
    EXPECT_EQ(d.gpxCount, 3);
    EXPECT_EQ(d.gpxNamedPoints, "#");
    EXPECT_EQ(d.pointName[2], "");
    EXPECT_EQ(d.pointName[4], "n4"); // beyond the import: not read by anyone
}

} // namespace
} // namespace routes::testing
