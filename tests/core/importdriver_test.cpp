// The import driver end to end through the main window: the project file it writes, the order
// of its phases, the state it leaves and the map it draws from the file.

#include "core/filemenu.h"
#include "core/importdriver_fixture.h"
#include "import/indexlist.h"
#include "import/projectreader.h"
#include "platform/units.h"
#include "poi/countpanel.h"
#include "poi/namesearch_reload.h"
#include "window/redrawrequest.h"

#include <QDir>
#include <algorithm>

namespace core::testing {
namespace {

struct GoldenCase {
    const char* name;
    std::vector<std::string> messages;
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.name;
}

class ImportDriverGoldenTest : public ImportDriverTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(ImportDriverGoldenTest, WritesTheProjectFileByteForByteAndDrawsIt) {
    const GoldenCase& c = GetParam();
    importAs(c.name, importCase(c.name), static_cast<int>(c.messages.size()));
    EXPECT_EQ(messages(), c.messages);
    const std::string path = projectPath(c.name);
    EXPECT_EQ(map().global.parsedPath, path);
    const std::string written = basic::readFileBytes(path);
    EXPECT_EQ(written,
              basic::readFileBytes(std::string(VK_TEST_DATA) + "/import/classified/" + c.name + ".vnk"));

    // The drawing read the file back: the data model is the file's.
    osmimport::ProjectData fromFile = osmimport::readProjectFile(written);
    osmimport::indexWayNodes(fromFile);
    fromFile.shopCount = map().data.shopCount;
    // The drawing narrows the pens, gives "TAG" nodes their marker texts and counts the area
    // markers in memory.
    fromFile.wayWidth = map().data.wayWidth;
    fromFile.nodeName = map().data.nodeName;
    fromFile.questAreaCount = map().data.questAreaCount;
    EXPECT_TRUE(static_cast<const osmimport::ProjectData&>(map().data) == fromFile);
    expectUsable();
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportDriverGoldenTest,
                         ::testing::Values(GoldenCase{"pretty-double", {}}, GoldenCase{"compact-josm", {}},
                                           GoldenCase{"bound-box",
                                                      {"This file contains no authorship details."}},
                                           GoldenCase{"sharp-s", {}}, GoldenCase{"generator-josm-double", {}},
                                           GoldenCase{"no-nodes-josm", {}}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(ImportDriverTest, RunsThePhasesInOrder) {
    std::vector<std::string> phases;
    std::vector<std::string> captions;
    importAs("pretty-double", importCase("pretty-double"), 0, [&](std::string_view phase) {
        phases.emplace_back(phase);
        captions.push_back(map().progress.Label9.caption());
        if (phase == "set-up") return;
        EXPECT_TRUE(map().data.mapLoading) << phase;
        EXPECT_TRUE(map().data.drawBusy) << phase;
        EXPECT_FALSE(map().menus.mfil.enabled()) << phase;
    });
    EXPECT_EQ(phases, (std::vector<std::string>{"set-up", "parsing names...", "parsing nodes...",
                                                "parsing highways...", "Final bits ...", "project file",
                                                "end sequence"}));
    // A phase is told before its caption shows: each sees the caption of the phase before.
    EXPECT_EQ(captions[1], "parsing names..."); // shown by the set-up already
    EXPECT_EQ(captions[3], "parsing nodes...");
    EXPECT_EQ(captions[4], "parsing highways...");
    EXPECT_EQ(captions[5], "Final bits ...");
    EXPECT_EQ(map().progress.Label9.caption(), "Final bits ...");
}

TEST_F(ImportDriverTest, EndsReadyForTheNextCommand) {
    map().legendPanel.Check4.setValue(1);
    importAs("pretty-double", importCase("pretty-double"));
    expectUsable();
    EXPECT_TRUE(map().view.tm2.enabled());
    EXPECT_EQ(map().legendPanel.Check4.value(), 0); // every import starts without area tags
    EXPECT_EQ(map().global.settings.poiMode, 0);    // as the drawing leaves it
    EXPECT_EQ(map().data.nonnCount, -1);
    // The File menu enables the menus once the import has returned.
    EXPECT_FALSE(map().menus.mfil.enabled());
}

// Nothing is drawn of untagged nodes: however large the file, the map picture is never drawn on
// and holds no pixels, and what it shows reads as the back colour.
TEST_F(ImportDriverTest, AMapWithNothingDrawnMakesNoMapPicture) {
    const platform::PictureBox& p1 = map().view.p1;
    importAs("three", osmWithNodes(3));
    EXPECT_TRUE(fileExists(projectPath("three")));
    EXPECT_FALSE(p1.hasPixels());
    importAs("many", osmWithNodes(7000));
    EXPECT_TRUE(fileExists(projectPath("many")));
    EXPECT_FALSE(p1.hasPixels());
    expectUsable();
    EXPECT_EQ(p1.point(p1.scaleWidth() / 2, p1.scaleHeight() / 2), p1.backColor());
    ASSERT_TRUE(p1.hasPixels()) << "the read made them";
    EXPECT_EQ(p1.image().size(), QSize(platform::kMapPicturePixels, platform::kMapPicturePixels));
}

TEST_F(ImportDriverTest, TheFixmeReportGetsTheFixmeListOfTheImport) {
    importAs("pretty-double", importCase("pretty-double"));
    const std::string report = basic::readFileBytes(map().global.dataFolder + "/fixme.txt");
    EXPECT_NE(report.find("~pretty-double\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("check opening hours"), std::string::npos) << report;
    EXPECT_EQ(map().data.fixmeCount, 1);
    EXPECT_EQ(map().legendStrip.numb[32].caption(), "1");
}

// A file with bounds and n pubs, which count on numb(2).
std::string osmWithPubs(long n) {
    std::string text = "<osm version=\"0.6\">\n <bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.5\" "
                       "maxlon=\"-1.5\"/>\n";
    for (long i = 1; i <= n; ++i)
        text += " <node id=\"" + std::to_string(i) +
                "\" lat=\"51.45\" lon=\"-1.55\">\n  <tag k=\"amenity\" v=\"pub\"/>\n </node>\n";
    return text + "</osm>\n";
}

// The counts go as numbers from the import into the file and back onto the labels; what a label
// shows while the import runs is never read back.
TEST_F(ImportDriverTest, TheCountsGoIntoTheFileAndComeBack) {
    importAs("pubs", osmWithPubs(3), 0, [&](std::string_view phase) {
        if (phase == "Final bits ...") map().legendStrip.numb[2].setCaption("12");
    });
    const osmimport::ProjectData file = osmimport::readProjectFile(basic::readFileBytes(projectPath("pubs")));
    EXPECT_EQ(file.countCaptions[2], 3);
    EXPECT_EQ(file.countCaptions[4], 0);
    EXPECT_EQ(map().legendStrip.numb[2].caption(), "3");
}

// The drawing of a new file always leaves poiMode 0; where the file cannot be drawn, the count
// of features decides: up to 100 every category is shown.
TEST_F(ImportDriverTest, ManyCountedFeaturesStartWithTheIconsHidden) {
    map().global.dataFolder = appPath() + "/no-such-folder";
    struct Case {
        long pubs;
        basic::Integer poiMode;
        basic::Integer pubsShown;
    };
    for (const Case& c : {Case{100, 1, basic::vbTrue}, Case{101, 0, basic::vbFalse}}) {
        SCOPED_TRACE(c.pubs);
        importAs("pubs", osmWithPubs(c.pubs), 2);
        EXPECT_EQ(map().global.settings.poiMode, c.poiMode);
        EXPECT_EQ(map().data.catShown[1], c.pubsShown);
        EXPECT_TRUE(map().data.poiReplot);
    }
}

// A failed write ends the import as a cancel does: with no earlier map, none is shown, and its
// one message is not followed by the drawing's "Can't find".
TEST_F(ImportDriverTest, AFailedWriteSaysSoOnceAndShowsNoMap) {
    // The data folder is a file, so nothing can be written into it.
    map().global.dataFolder = appPath() + "/img-folder";
    ASSERT_TRUE(QFile(QString::fromStdString(map().global.dataFolder)).open(QIODevice::WriteOnly));
    const std::string path = projectPath("pretty-double");
    importAs("pretty-double", importCase("pretty-double"), 1);
    EXPECT_EQ(messages(), std::vector<std::string>{"Can't write '" + path + "'"});
    EXPECT_EQ(map().global.parsedPath, "");
    EXPECT_EQ(map().data.nodeCount, 0);
    EXPECT_EQ(map().data.fixmeList, "");
    expectUsable();
}

TEST_F(ImportDriverTest, ReimportingUnderTheSameTitleReplacesTheFile) {
    importAs("map", importCase("pretty-double"));
    importAs("map", importCase("compact-josm"));
    EXPECT_EQ(basic::readFileBytes(projectPath("map")),
              basic::readFileBytes(std::string(VK_TEST_DATA) + "/import/classified/compact-josm.vnk"));
    EXPECT_EQ(QDir(QString::fromStdString(map().global.dataFolder)).entryList({"*.vnk"}).size(), 1);
    EXPECT_EQ(map().data.nodeCount, 3);
    expectUsable();
}

// Another instance importing a file of the same title renames its project file over this one's:
// this instance still draws and searches the map it imported, until it opens a file.
TEST_F(ImportDriverTest, AnotherInstancesFileUnderTheSameNameIsNotDrawn) {
    importAs("map", osmWithNodes(7));
    ASSERT_EQ(map().data.nodeCount, 7);
    basic::writeFileWhole(projectPath("map"), basic::readFileBytes(std::string(VK_TEST_DATA) +
                                                                   "/import/classified/compact-josm.vnk"));
    redrawMap(map());
    EXPECT_EQ(map().data.nodeCount, 7);
    ASSERT_TRUE(poi::reloadForSearch(map()));
    EXPECT_EQ(map().data.nodeCount, 7);

    constexpr int kOpenParsedFiles = 2;
    dialogs().scriptOpenFile(projectPath("map"));
    mf_Click(map(), kOpenParsedFiles);
    EXPECT_EQ(map().data.nodeCount, 3) << "the file as it now stands";
}

} // namespace
} // namespace core::testing
