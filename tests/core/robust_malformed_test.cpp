// Malformed ways and ids imported through the main window: each has the one outcome the import
// defines for it, and the project file drawn afterwards holds it.

#include "core/filemenu.h"
#include "core/importdriver_fixture.h"
#include "core/recentfiles.h"
#include "import/projectsample.h"
#include "import/projectwriter.h"
#include "support/hostilefiles.h"
#include "window/redrawrequest.h"

#include <QDir>
#include <functional>

namespace core::testing {
namespace {

const std::string kHead = "<osm version=\"0.6\">\n<bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.5\" "
                          "maxlon=\"-1.5\"/>\n";

std::string node(const std::string& id) {
    return "<node id=\"" + id + "\" lat=\"51.45\" lon=\"-1.55\"/>\n";
}

using RobustMalformedWaysTest = ImportDriverTest;

TEST_F(RobustMalformedWaysTest, WaysWithoutReferencesAndOddIdsAreStoredAsTheyResolve) {
    const std::string emoji = "\xF0\x9F\x98\x80";
    const std::string text =
        kHead + node("abc") + node("7") + node("0007") + node(" n3 ") + "<way id=\"1\" user=\"" + emoji +
        " mapper\" timestamp=\"2011-03-07T10:00:00Z\">"
        "<tag k=\"highway\" v=\"residential\"/></way>\n"
        "<way id=\"2\" user=\"u\"/>\n"
        "<way id=\"3\" user=\"x\">\n<nd ref=\"abc\"/>\n<nd ref=\"7\"/>\n<nd ref=\"n3\"/>\n"
        "<tag k=\"highway\" v=\"residential\"/>\n<tag k=\"name\" v=\"A" +
        emoji + "\x01\"/>\n</way>\n</osm>\n";
    importAs("odd", text);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    ASSERT_EQ(map().global.parsedPath, projectPath("odd"));
    const MapData& d = map().data;
    ASSERT_EQ(d.nodeCount, 4);
    ASSERT_EQ(d.wayCount, 3);
    EXPECT_EQ(d.wayNodes[1], "");
    EXPECT_EQ(d.wayNodes[2], "");
    // "7" and "0007" are one id; the first of its nodes answers. Ids that are no numbers resolve
    // by their text, trimmed.
    EXPECT_EQ(d.wayNodes[3], "1#2#4#");
    EXPECT_EQ(d.wayUser[1], emoji + " mapper");
    EXPECT_EQ(d.wayDate[1], "07/03/2011");
    EXPECT_NE(d.wayName[3].find("A" + emoji + "\x01"), std::string::npos) << d.wayName[3];
    expectUsable();
}

constexpr int kOpenOsm = 0;

// A project file whose values the drawing cannot use says so once, however often it is drawn
// (the reader refuses it, or a layer meets what it cannot place); the way passes pass over a
// node far off the map without a word.
TEST_F(RobustMalformedWaysTest, ADamagedProjectFileSaysSoOnceAtMost) {
    struct Case {
        const char* what;
        std::function<void(osmimport::ProjectData&)> damage;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"a negative way style",
         [](osmimport::ProjectData& d) { d.wayLineStyle[2] = -1; },
         {"Invalid property value"}},
        {"a node list entry that is no number",
         [](osmimport::ProjectData& d) { d.wayNodes[1] = "1#abc#"; },
         {"Type mismatch"}},
        {"a way through a node at X 1E+10",
         [](osmimport::ProjectData& d) {
             d.nodeX[2] = 1E+10;
             d.questList.clear(); // the markers at node 2
             d.questCount = 1;
             d.questTexts.clear();
             d.onewayArrowList.clear();
         },
         {}},
        {"markers at a node at X 1E+10, which no pixel holds",
         [](osmimport::ProjectData& d) { d.nodeX[2] = 1E+10; },
         {"Overflow"}},
    };
    MapWindow& m = map();
    m.global.curFile = appPath() + "/osm/damaged.osm";
    m.global.parsedPath = appPath() + "/damaged.vnk";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        osmimport::ProjectData d = osmimport::sampleProject();
        c.damage(d);
        basic::writeFileWhole(m.global.parsedPath, osmimport::projectFileBytes(d, '"'));
        const std::size_t before = messages().size();
        for (std::size_t k = 0; k < c.messages.size(); ++k)
            dialogs().scriptMsgBox(platform::msgbox::Ok);
        for (float zoom : {1.4f, 2.8f, 0.7f, 5.6f, 1.4f, 2.0f}) {
            m.global.viewZoom = zoom;
            core::redrawMap(m);
        }
        const std::vector<std::string> shown = messages();
        EXPECT_EQ(std::vector<std::string>(shown.begin() + static_cast<long>(before), shown.end()),
                  c.messages);
        expectUsable();
    }
}

// Bounds 0.0001 degrees wide and nodes 170 degrees away from them: at zoom 3 those nodes lie
// beyond any pixel. Every map style draws the building, the wood and the street through them silently.
TEST_F(RobustMalformedWaysTest, NodesFarOutsideTheBoundsAreDrawnSilentlyInEveryStyle) {
    const std::string text =
        "<osm version=\"0.6\">\n<bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.4001\" maxlon=\"-1.5999\"/>\n"
        "<node id=\"1\" lat=\"51.40005\" lon=\"-1.59995\"/>\n<node id=\"2\" lat=\"51.4\" lon=\"168.4\"/>\n"
        "<node id=\"3\" lat=\"51.4001\" lon=\"168.4\"/>\n"
        "<way id=\"10\"><nd ref=\"1\"/><nd ref=\"2\"/><nd ref=\"3\"/><nd ref=\"1\"/>"
        "<tag k=\"building\" v=\"yes\"/></way>\n"
        "<way id=\"12\"><nd ref=\"1\"/><nd ref=\"3\"/><nd ref=\"2\"/><nd ref=\"1\"/>"
        "<tag k=\"landuse\" v=\"forest\"/></way>\n"
        "<way id=\"11\"><nd ref=\"1\"/><nd ref=\"2\"/><tag k=\"highway\" v=\"residential\"/>"
        "<tag k=\"name\" v=\"Far Road\"/></way>\n</osm>\n";
    for (const int style : {0, 1, 2}) {
        SCOPED_TRACE(style);
        importAs("far" + std::to_string(style), text);
        MapWindow& m = map();
        m.data.mapMode = style;
        m.legendPanel.Check1.setValue(1);
        m.global.viewZoom = 3;
        core::redrawMap(m);
        EXPECT_EQ(messages(), std::vector<std::string>{});
        expectUsable();
    }
}

// With the data folder full, a second import under the same title cannot write its project
// file: one message, and the map on screen stays the previous one with everything that names
// and counts it, the project file and the FIXME report byte for byte.
TEST_F(RobustMalformedWaysTest, AFailedWriteKeepsTheMapOnScreen) {
    MapWindow& m = map();
    QDir().mkpath(QString::fromStdString(appPath() + "/first"));
    QDir().mkpath(QString::fromStdString(appPath() + "/second"));
    const std::string first = appPath() + "/first/map.osm";
    const std::string second = appPath() + "/second/map.osm";
    basic::writeFileWhole(first, importCase("pretty-double"));
    basic::writeFileWhole(second, importCase("compact-josm"));
    dialogs().scriptOpenFile(first);
    mf_Click(m, kOpenOsm);
    ASSERT_EQ(messages(), std::vector<std::string>{});
    const std::string project = basic::readFileBytes(projectPath("map"));
    const std::string fixmeReport = basic::readFileBytes(m.global.dataFolder + "/fixme.txt");
    const long nodes = m.data.nodeCount;
    const std::string caption = m.legendStrip.numb[0].caption();
    const std::string panel = m.view.sb1.panelText(1);

    dialogs().scriptOpenFile(second);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    {
        const testsupport::FullDisk full;
        mf_Click(m, kOpenOsm);
    }
    EXPECT_EQ(messages(), std::vector<std::string>{"Can't write '" + projectPath("map") + "'"});
    EXPECT_EQ(basic::readFileBytes(projectPath("map")), project);
    EXPECT_EQ(basic::readFileBytes(m.global.dataFolder + "/fixme.txt"), fixmeReport);
    EXPECT_EQ(m.global.parsedPath, projectPath("map"));
    EXPECT_EQ(m.global.curFile, first);
    EXPECT_EQ(m.menus.mf[kFirstRecentFile].caption(), first);
    EXPECT_EQ(m.view.sb1.panelText(1), panel);
    EXPECT_EQ(m.data.nodeCount, nodes);
    EXPECT_EQ(m.legendStrip.numb[0].caption(), caption);
    expectUsable();
}

// File > "Open OSM" on a file that gives nothing to import: one message that says why, and
// nothing else changes.
TEST_F(RobustMalformedWaysTest, AnEmptyMissingOrFolderFileSaysWhy) {
    MapWindow& m = map();
    const std::string empty = appPath() + "/empty.osm";
    const std::string folder = appPath() + "/folder.osm";
    const std::string gone = appPath() + "/gone.osm";
    basic::writeFileWhole(empty, "");
    QDir().mkpath(QString::fromStdString(folder));
    const std::pair<std::string, std::string> cases[] = {
        {empty, empty + " is empty"}, {gone, gone + " doesn't exist"}, {folder, folder + " is not a file"}};
    for (const auto& [file, message] : cases) {
        const std::size_t before = messages().size();
        dialogs().scriptOpenFile(file);
        dialogs().scriptMsgBox(platform::msgbox::Ok);
        mf_Click(m, kOpenOsm);
        const std::vector<std::string> shown = messages();
        EXPECT_EQ(std::vector<std::string>(shown.begin() + static_cast<long>(before), shown.end()),
                  std::vector<std::string>{message});
        EXPECT_EQ(m.global.curFile, "");
        EXPECT_EQ(m.menus.mf[kFirstRecentFile].caption(), "");
    }
    EXPECT_FALSE(m.data.mapLoading);
}

} // namespace
} // namespace core::testing
