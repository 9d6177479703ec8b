// Saving the route from the main window: the file's bytes, the empty route, and writes that fail.

#include "basic/wholefile.h"
#include "core/window_fixture.h"
#include "routes/gpxwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace routes::testing {
namespace {

using core::testing::WindowTest;
using platform::DialogKind;

const std::string kFolder = std::string(VK_TEST_DATA) + "/routes/";

class SaveGpxTest : public WindowTest {
protected:
    // The window with a route of the golden files' four points, or of the first `count` of them.
    core::MapWindow& withRoute(int count = 4) {
        core::MapWindow& map = make();
        const std::vector<basic::Single> lat{51.50735f, -33.86882f, 1.234568e-5f, 12.0f};
        const std::vector<basic::Single> lon{-0.1277583f, 151.2093f, -5e-5f, -180.0f};
        for (int i = 0; i < count; ++i) {
            map.data.routeLat[i + 1] = lat[i];
            map.data.routeLon[i + 1] = lon[i];
        }
        map.data.routeCount = static_cast<basic::Integer>(count);
        map.global.curFile = "/home/mapper/osm/london.osm";
        return map;
    }

    std::string path(const std::string& name) const { return appPath() + "/" + name; }
    static bool exists(const std::string& file) { return QFile::exists(QString::fromStdString(file)); }
};

// Each file replaces whole a longer one left where it goes.
TEST_F(SaveGpxTest, WritesTheGoldenFiles) {
    const struct {
        int count;
        basic::Integer kind;
        const char* golden;
    } cases[] = {{1, kGpxKind, "one-point.gpx"},
                 {1, kKmlKind, "one-point.kml"},
                 {4, kGpxKind, "four-points.gpx"},
                 {4, kKmlKind, "four-points.kml"},
                 {4, 2, "four-points.gpx"}}; // any kind but KML is GPX
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        core::MapWindow& map = withRoute(c.count);
        const std::string file = path("saved");
        basic::writeFileWhole(file, std::string(10000, 'x'));
        EXPECT_EQ(savegpx(map, file, c.kind), basic::vbTrue);
        EXPECT_EQ(basic::readFileBytes(file), basic::readFileBytes(kFolder + c.golden));
        EXPECT_TRUE(dialogs().shown().empty());
    }
}

// An empty route and a write that fails: no file, a message of the path and the error, no save.
TEST_F(SaveGpxTest, AnEmptyRouteOrAFailedWriteSaysSoAndWritesNothing) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path("folder"))));
    const struct {
        int count;
        basic::Integer kind;
        std::string file;
        std::string message;
    } cases[] = {
        {0, kGpxKind, path("temp.kml"), "Draw a route first."},
        {0, kKmlKind, path("temp.kml"), "Draw a route first."},
        {4, kGpxKind, path("missing/route.gpx"), path("missing/route.gpx") + " Path not found"},
        {4, kGpxKind, path("folder"), path("folder") + " Path/File access error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " " + std::to_string(c.kind));
        core::MapWindow& map = withRoute(c.count);
        dialogs().scriptMsgBox(platform::msgbox::Ok);
        EXPECT_EQ(savegpx(map, c.file, c.kind), basic::vbFalse);
        ASSERT_FALSE(dialogs().shown().empty());
        EXPECT_EQ(dialogs().shown().back().kind, DialogKind::MsgBox);
        EXPECT_EQ(dialogs().shown().back().text, c.message);
        EXPECT_EQ(dialogs().shown().back().style, platform::msgbox::OkOnly);
        EXPECT_FALSE(QFileInfo(QString::fromStdString(c.file)).isFile());
    }
    EXPECT_EQ(QDir(QString::fromStdString(appPath()))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"folder"}); // no temporary file is left behind
    EXPECT_EQ(dialogs().shown().size(), 4u);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path("folder"))).isDir());
}

TEST_F(SaveGpxTest, SavetextAddsOneLineBreak) {
    const struct {
        std::string text;
        std::string bytes;
    } cases[] = {{"", "\r\n"}, {"a\r\nb", "a\r\nb\r\n"}, {"ends\r\n", "ends\r\n\r\n"}};
    for (const auto& c : cases) {
        const std::string file = path("page.html");
        EXPECT_TRUE(Savetext(file, c.text));
        EXPECT_EQ(basic::readFileBytes(file), c.bytes);
    }
}

} // namespace
} // namespace routes::testing
