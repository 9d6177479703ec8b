// "Save Screen", "Print", "Import GPX" and "Save Route": what each writes, prints or clears, and
// that a cancelled dialog ends the command.

#include "core/filemenu_output.h"
#include "core/window_fixture.h"
#include "platform/hourglass.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>

namespace core::testing {
namespace {

constexpr basic::Long kRed = 255;

class FileOutputTest : public WindowTest {
protected:
    std::string path(const std::string& name) const { return appPath() + "/" + name; }

    std::string write(const std::string& name, const std::string& bytes) const {
        QDir().mkpath(QString::fromStdString(path(name)).section('/', 0, -2));
        QFile file(QString::fromStdString(path(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path(name);
    }

    std::string read(const std::string& name) const {
        QFile file(QString::fromStdString(path(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(none)");
    }

    // A loaded map picture painted red all over, a route of two points with their markers and
    // segment lines, and five GPX waypoint markers.
    MapWindow& loadWithRoute() {
        MapWindow& map = load();
        map.global.curFile = path("leeds.osm");
        map.view.p1.setBackColor(kRed);
        MapData& d = map.data;
        d.routeCount = 2;
        d.routeLat[1] = 51.5f;
        d.routeLon[1] = -0.1f;
        d.routeLat[2] = 51.6f;
        d.routeLon[2] = -0.2f;
        d.routeActive = true;
        d.routeUnsaved = true;
        d.routeDrawing = true;
        for (int i = 1; i <= 2; ++i) {
            map.markers.plt.load(i);
            map.markers.Lin.load(i);
        }
        map.markers.plt[0].setVisible(true);
        for (int i = 1; i <= 5; ++i)
            map.markers.gps.load(i);
        d.gpsCount = 5;
        return map;
    }

    static void expectRouteIntact(const MapWindow& map) {
        EXPECT_EQ(map.data.routeCount, 2);
        EXPECT_TRUE(map.data.routeActive);
        EXPECT_TRUE(map.markers.plt.exists(2));
        EXPECT_TRUE(map.markers.Lin.exists(2));
        EXPECT_TRUE(map.markers.gps.exists(5));
        EXPECT_EQ(map.data.gpsCount, 5);
    }
};

TEST(ScreenFileNameTest, BmpAppendedUnlessTheNameEndsSo) {
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"shot", "shot.bmp"},
        {"shot.bmp", "shot.bmp"},
        {"shot.BMP", "shot.BMP"},
        {"shot.Bmp", "shot.Bmp.bmp"},
        {"/home/ann/maps/leeds", "/home/ann/maps/leeds.bmp"},
        {"shot.png", "shot.png.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(screenFileName(c.chosen), c.written) << c.chosen;
}

TEST_F(FileOutputTest, SaveScreenWritesTheMapAsShown) {
    MapWindow& map = loadWithRoute();
    dialogs().scriptSaveFile(path("shot"));
    saveScreen(map);

    const platform::FileDialogRequest& asked = dialogs().shown().at(0).request;
    EXPECT_EQ(asked.filter, "*.bmp");
    EXPECT_EQ(asked.fileName, "untitled.bmp");
    EXPECT_EQ(asked.title, "Save Screen");
    const QImage saved(QString::fromStdString(path("shot.bmp")));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), map.view.p2.image().size());
    EXPECT_EQ(saved.pixelColor(saved.width() / 2, saved.height() / 2), QColor(255, 0, 0));
    EXPECT_FALSE(map.view.p2.visible());
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

TEST_F(FileOutputTest, SaveScreenCancelledOrRefusedWritesNothing) {
    MapWindow& map = loadWithRoute();
    dialogs().scriptSaveFile(std::nullopt);
    saveScreen(map);
    EXPECT_EQ(dialogs().shown().size(), 1u) << "no message after the cancelled dialog";
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("untitled.bmp"))));

    write("shot.bmp", "old");
    dialogs().scriptSaveFile(path("shot.bmp"));
    dialogs().scriptMsgBox(platform::msgbox::No);
    saveScreen(map);
    EXPECT_EQ(read("shot.bmp"), "old");
}

TEST_F(FileOutputTest, SaveScreenIntoAMissingFolderShowsTheFault) {
    MapWindow& map = loadWithRoute();
    dialogs().scriptSaveFile(path("missing/shot.bmp"));
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    saveScreen(map);
    EXPECT_EQ(dialogs().shown().back().text, "Path not found");
}

// The printer dialog gets the map as shown, to print landscape on A4; a cancelled dialog prints
// nothing (the dialog's answer).
TEST_F(FileOutputTest, PrintHandsTheShownMapToThePrinterDialog) {
    MapWindow& map = loadWithRoute();
    for (bool printed : {false, true}) {
        dialogs().scriptPrint(printed);
        printScreen(map);
        const platform::ShownDialog& asked = dialogs().shown().back();
        EXPECT_EQ(asked.kind, platform::DialogKind::Print);
        EXPECT_TRUE(asked.landscape);
        EXPECT_TRUE(asked.paperA4);
        EXPECT_EQ(asked.imageSize, map.view.p2.image().size());
    }
    EXPECT_EQ(map.view.p2.image().pixelColor(10, 10), QColor(255, 0, 0));
    EXPECT_EQ(dialogs().shown().size(), 2u);
}

TEST_F(FileOutputTest, ImportGpxCancelledAsksNothingAndKeepsTheRoute) {
    MapWindow& map = loadWithRoute();
    dialogs().scriptOpenFile(std::nullopt);
    importGpx(map); // an unscripted question would throw
    const platform::FileDialogRequest& asked = dialogs().shown().at(0).request;
    EXPECT_EQ(asked.fileName, "*.gpx;");
    EXPECT_EQ(asked.filter, "GPX (*.gpx)|*.gpx");
    expectRouteIntact(map);
    EXPECT_FALSE(map.menus.mgpx.enabled());
}

TEST_F(FileOutputTest, ImportGpxCancelAtTheQuestionKeepsTheRoute) {
    MapWindow& map = loadWithRoute();
    dialogs().scriptOpenFile(write("walk.gpx", ""));
    dialogs().scriptMsgBox(platform::msgbox::Cancel);
    importGpx(map);
    EXPECT_EQ(dialogs().shown().back().text, "This will clear route. Do you want to continue?");
    EXPECT_EQ(dialogs().shown().back().style, platform::msgbox::OkCancel);
    expectRouteIntact(map);
}

// A name without "gpx" imports nothing: what goes is what the File menu clears itself.
TEST_F(FileOutputTest, ImportGpxClearsTheRouteAndEveryWaypointMarker) {
    MapWindow& map = loadWithRoute();
    dialogs().scriptOpenFile(write("walk.xml", ""));
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    importGpx(map);
    EXPECT_EQ(map.data.routeCount, 0);
    EXPECT_FALSE(map.data.routeActive);
    EXPECT_EQ(map.data.gpsCount, 0);
    EXPECT_EQ(map.markers.plt.ubound(), 0);
    EXPECT_EQ(map.markers.Lin.ubound(), 0);
    EXPECT_EQ(map.markers.gps.ubound(), 0) << "waypoint markers beyond routeCount too";
    EXPECT_FALSE(map.markers.plt[0].visible());
    EXPECT_TRUE(map.menus.mgpx.enabled());
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
}

// The route goes once the question is answered OK, also when the file then cannot be read.
TEST_F(FileOutputTest, ImportGpxClearsTheRouteEvenWhenTheFileFails) {
    MapWindow& map = loadWithRoute();
    dialogs().scriptOpenFile(path("gone.gpx"));
    for (int i = 0; i < 3; ++i)
        dialogs().scriptMsgBox(platform::msgbox::Ok);
    importGpx(map);
    ASSERT_EQ(dialogs().shown().size(), 4u);
    EXPECT_EQ(dialogs().shown()[3].text, "Importing file aborted.");
    EXPECT_EQ(map.data.routeCount, 0);
    EXPECT_FALSE(map.data.routeActive);
    EXPECT_EQ(map.markers.plt.ubound(), 0);
    EXPECT_EQ(map.markers.Lin.ubound(), 0);
    EXPECT_EQ(map.data.gpxCount, 0);
}

// The file is opened by its own name: this file system tells letter cases apart.
TEST_F(FileOutputTest, ImportGpxReadsTheFileByItsRealPath) {
    MapWindow& map = load();
    map.global.showTracks = false;
    map.global.showWaypoints = false;
    const std::string file =
        write("Tracks/Walk.GPX", "<gpx><wpt lat=\"51.5\" lon=\"-0.1\"><name>Gate</name></wpt>"
                                 "<trk><trkseg><trkpt lat=\"51.6\" lon=\"-0.2\"/></trkseg></trk>"
                                 "</gpx>");
    dialogs().scriptOpenFile(file);
    importGpx(map); // no route: no question
    EXPECT_EQ(map.data.gpxCount, 2);
    EXPECT_EQ(dialogs().shown().size(), 1u) << "no error message";
    EXPECT_TRUE(map.global.showTracks);
    EXPECT_TRUE(map.global.showWaypoints);
    EXPECT_TRUE(map.menus.mgpx.enabled());
}

TEST_F(FileOutputTest, SaveRouteNeedsAFileAndARoute) {
    MapWindow& map = loadWithRoute();
    map.global.curFile.clear();
    saveRoute(map);
    EXPECT_TRUE(dialogs().shown().empty());

    map.global.curFile = path("leeds.osm");
    map.data.routeActive = false;
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    saveRoute(map);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "No route to save.");
    EXPECT_EQ(dialogs().shown()[0].style, platform::msgbox::OkOnly);
}

TEST_F(FileOutputTest, SaveRouteWritesTheGpxFileAndOnlyThenCountsItSaved) {
    MapWindow& map = loadWithRoute();
    dialogs().scriptSaveFile(path("walk"));
    saveRoute(map);
    EXPECT_EQ(dialogs().shown().at(0).request.fileName, "untitled.gpx");
    EXPECT_EQ(dialogs().shown().at(0).request.filter, "*.gpx");
    EXPECT_NE(read("walk.gpx").find("<gpx"), std::string::npos);
    EXPECT_FALSE(map.data.routeUnsaved);
    EXPECT_FALSE(map.data.routeDrawing);
    EXPECT_EQ(map.view.p1.mousePointer(), 0);
}

TEST_F(FileOutputTest, SaveRouteNotWrittenStaysUnsaved) {
    MapWindow& map = loadWithRoute();
    // Cancelled: no "untitled.gpx" is written.
    dialogs().scriptSaveFile(std::nullopt);
    saveRoute(map);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("untitled.gpx"))));
    EXPECT_TRUE(map.data.routeUnsaved);

    // Not to be overwritten.
    write("walk.gpx", "old");
    dialogs().scriptSaveFile(path("walk.gpx"));
    dialogs().scriptMsgBox(platform::msgbox::No);
    saveRoute(map);
    EXPECT_EQ(read("walk.gpx"), "old");
    EXPECT_TRUE(map.data.routeUnsaved);

    // The write fails.
    dialogs().scriptSaveFile(path("missing/walk.gpx"));
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    saveRoute(map);
    EXPECT_EQ(dialogs().shown().back().text, path("missing/walk.gpx") + " Path not found");
    EXPECT_TRUE(map.data.routeUnsaved);
}

} // namespace
} // namespace core::testing
