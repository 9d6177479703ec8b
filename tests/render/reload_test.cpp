// Reading the project file back into the main window's data model: every item, the markers and
// labels it loads, what reloadTrailer, the zoom and the map style change, and damaged files,
// which change nothing.

#include "basic/numtext.h"
#include "basic/wholefile.h"
#include "core/mapredraw.h"
#include "core/startup.h"
#include "core/window_fixture.h"
#include "import/indexlist.h"
#include "import/projectreader.h"
#include "import/projectsample.h"
#include "import/projectwriter.h"
#include "platform/fault_testing.h"
#include "render/reload.h"
#include "window/redrawrequest.h"

namespace render {
namespace {

using core::MapWindow;
using osmimport::ProjectData;
using platform::testing::faultOf;

// What a reload shows in controls: marker tags, label captions, List2 items, count captions.
struct Shown {
    std::vector<std::string> quest, quot, chain, labels, x, y, width, counts;
    bool operator==(const Shown&) const = default;
};

template <class Array> std::vector<std::string> tagsFrom2(const Array& array) {
    std::vector<std::string> tags;
    for (int j = 2; array.exists(j); ++j)
        tags.push_back(array[j].tag());
    return tags;
}

Shown shown(const MapWindow& map) {
    const core::Markers& m = map.markers;
    Shown s{tagsFrom2(m.quest), tagsFrom2(m.quot), tagsFrom2(m.chain), {}, {}, {}, {}, {}};
    for (int k = 1; m.lab2.exists(k); ++k)
        s.labels.push_back(m.lab2[k].caption());
    std::vector<std::string>* items[] = {&s.x, &s.y, &s.width};
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < m.List2[i].listCount(); ++k)
            items[i]->push_back(m.List2[i].list(k));
    for (int j = 0; j < osmimport::kCountCaptions; ++j)
        s.counts.push_back(map.legendStrip.numb[j].caption());
    return s;
}

class ReloadTest : public core::testing::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        map_ = &load();
        map_->global.curFile = appPath() + "/sample.osm";
        map_->global.parsedPath = map_->global.dataFolder + "/sample.vnk";
        map_->global.viewZoom = 1.4f;
        map_->global.reloadTrailer = true;
    }

    MapWindow& map() { return *map_; }

    void writeProject(const ProjectData& d) {
        basic::writeFileWhole(map_->global.parsedPath, projectFileBytes(d, '"'));
    }

    // What the file holds, as the data model takes it, the way node indices made: the shop count
    // is not read back.
    ProjectData fileContent() const {
        ProjectData d = osmimport::readProjectFile(basic::readFileBytes(map_->global.parsedPath));
        osmimport::indexWayNodes(d);
        d.shopCount = map_->data.shopCount;
        return d;
    }

    const ProjectData& model() const { return map_->data; }

private:
    MapWindow* map_ = nullptr;
};

TEST_F(ReloadTest, RestoresEveryItemOfTheFile) {
    writeProject(osmimport::sampleProject());
    core::reloadMap(map());
    EXPECT_TRUE(model() == fileContent());
    EXPECT_EQ(map().data.shopCount, 1); // the run-time marker counter, brought to rest
    EXPECT_EQ(map().global.fileVersion, 1.971f);

    const Shown s = shown(map());
    EXPECT_EQ(s.quest,
              (std::vector<std::string>{"Bridge? <tag k=\"bridge\" v=\"yes\"/>", "AREA not closed"}));
    EXPECT_EQ(s.quot, std::vector<std::string>{"v=\"\" empty"});
    EXPECT_EQ(s.chain, std::vector<std::string>{"highway not joined\r\nsecond line"});
    EXPECT_EQ(s.labels, (std::vector<std::string>{"Village Green", "Pond \"North\""}));
    EXPECT_EQ(s.x, (std::vector<std::string>{"4100", "-3"}));
    EXPECT_EQ(s.y, (std::vector<std::string>{"2950", "0"}));
    EXPECT_EQ(s.width, (std::vector<std::string>{"42.5", "0.125"}));
    for (int j = 0; j < osmimport::kCountCaptions; ++j)
        EXPECT_EQ(s.counts[static_cast<size_t>(j)], j == 5 ? "40000" : std::to_string(j * 3)) << j;

    // After the count captions: every category hidden but the stations.
    EXPECT_EQ(map().global.settings.poiMode, 0);
    EXPECT_EQ(map().data.catShown[22], basic::vbTrue);
    EXPECT_EQ(map().data.nonnCount, 2);
}

TEST_F(ReloadTest, ASecondReloadReplacesMarkersAndLabels) {
    writeProject(osmimport::sampleProject());
    core::reloadMap(map());
    core::reloadMap(map());
    EXPECT_EQ(shown(map()).labels.size(), 2u);
    EXPECT_EQ(shown(map()).x.size(), 2u);

    ProjectData fewer = osmimport::sampleProject();
    fewer.lab2Count = 1;
    fewer.labels.resize(1);
    fewer.questCount = 1;
    fewer.questTexts.clear();
    writeProject(fewer);
    core::reloadMap(map());
    const Shown s = shown(map());
    EXPECT_EQ(s.labels, std::vector<std::string>{"Village Green"});
    EXPECT_EQ(s.x, std::vector<std::string>{"4100"});
    EXPECT_TRUE(s.quest.empty());
    EXPECT_FALSE(map().markers.quest.exists(3));
}

TEST_F(ReloadTest, WithoutReloadTrailerTheProblemTextsInMemoryStay) {
    writeProject(osmimport::sampleProject());
    map().global.reloadTrailer = false;
    map().data.fixmeList = "in memory";
    map().data.noteCount = 9;
    map().data.countCaptions[3] = 77;
    map().legendStrip.numb[3].setCaption("77");
    map().global.settings.poiMode = 1;
    core::reloadMap(map());

    EXPECT_EQ(model().fixmeList, "in memory");
    EXPECT_EQ(model().noteCount, 9);
    EXPECT_EQ(model().countCaptions[3], 77);
    EXPECT_EQ(map().legendStrip.numb[3].caption(), "77");
    EXPECT_EQ(map().global.settings.poiMode, 1);
    // Everything before the trailer came from the file.
    const ProjectData file = fileContent();
    EXPECT_EQ(model().nodeName, file.nodeName);
    EXPECT_EQ(model().wayUser, file.wayUser);
    EXPECT_EQ(model().questTexts, file.questTexts);
    EXPECT_EQ(model().onewayArrowList, file.onewayArrowList);
    EXPECT_EQ(shown(map()).quest.size(), 2u);
}

TEST_F(ReloadTest, TheOtherNodesListIsHeldOnceAndEveryDrawingAfterAChangeTakesTheFiles) {
    ProjectData sample = osmimport::sampleProject();
    sample.otherNodesList = std::string(1 << 20, 'o') + "\r\n";
    writeProject(sample);
    core::MapData& d = map().data;
    core::reloadMap(map());
    EXPECT_EQ(d.otherNodesList, sample.otherNodesList);
    EXPECT_TRUE(readProject(map()).otherNodesList.empty()); // held by the data model only

    // cleartxt empties the model's; the file's comes back for the next drawing.
    core::cleartxt(map());
    core::reloadMap(map());
    EXPECT_EQ(d.otherNodesList, sample.otherNodesList);

    // The Planning Sheet keeps held problem texts: the model's empty list stays empty, and the
    // sheet and the drawing after it take the file's once none are held.
    core::cleartxt(map());
    d.hiddenAreaList = "held";
    core::reloadSheet(map());
    EXPECT_TRUE(d.otherNodesList.empty());
    EXPECT_EQ(readProject(map()).otherNodesList, sample.otherNodesList);
    d.hiddenAreaList.clear();
    core::reloadSheet(map());
    EXPECT_EQ(d.otherNodesList, sample.otherNodesList);
    map().global.reloadTrailer = false;
    core::reloadMap(map());
    EXPECT_EQ(d.otherNodesList, sample.otherNodesList);
}

TEST_F(ReloadTest, BelowZoom1Point2TheUnnamedFeaturesAreDropped) {
    writeProject(osmimport::sampleProject());
    struct Case {
        basic::Single zoom;
        bool trailer;
        const char* noNameList;
        basic::Integer nonnCount;
    };
    const Case cases[] = {
        {1.2f, false, "#1#", 2},
        {1.19f, false, "", 0}, // the count unload_ left
        {1.19f, true, "", -1}, // counted again after the captions
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zoom << (c.trailer ? " with trailer" : ""));
        map().global.viewZoom = c.zoom;
        map().global.reloadTrailer = c.trailer;
        core::reloadMap(map());
        EXPECT_EQ(model().noNameList, c.noNameList);
        EXPECT_EQ(map().data.nonnCount, c.nonnCount);
    }
}

TEST_F(ReloadTest, HideErrorsUnloadsTheProblemMarkers) {
    writeProject(osmimport::sampleProject());
    map().data.mapMode = 1;
    core::reloadMap(map());
    const Shown s = shown(map());
    EXPECT_TRUE(s.quest.empty());
    EXPECT_TRUE(s.quot.empty());
    EXPECT_TRUE(s.chain.empty());
    EXPECT_EQ(model().questCount, 0);
    EXPECT_EQ(model().quotCount, 0);
    EXPECT_EQ(model().chainCount, 0);
    EXPECT_EQ(model().quotList, "");
    EXPECT_EQ(model().noNameList, "");
    EXPECT_EQ(model().questList, "2#");
    EXPECT_EQ(model().chainList, "3#");
    EXPECT_EQ(map().data.shape1Count, 1);
    EXPECT_EQ(s.labels.size(), 2u); // labels are no problem markers
}

TEST(UnnamedMarkerCountTest, IsTheHighestIndexOfTheSplit) {
    EXPECT_EQ(unnamedMarkerCount(""), -1);
    EXPECT_EQ(unnamedMarkerCount("12"), 0);
    EXPECT_EQ(unnamedMarkerCount("#1#"), 2);
    EXPECT_EQ(unnamedMarkerCount(std::string(40000, '#')), 32767);
}

// A catalogue of files the reader refuses: each changes nothing, in memory or on the map.
TEST_F(ReloadTest, RefusedFilesChangeNothing) {
    writeProject(osmimport::sampleProject());
    core::reloadMap(map());
    const ProjectData before = model();
    const Shown shownBefore = shown(map());
    const std::string good = projectFileBytes(osmimport::sampleProject(), '"');
    struct Case {
        const char* what;
        std::string bytes;
        int fault;
    };
    const Case cases[] = {
        {"empty file", "", basic::fault::InputPastEndOfFile},
        {"cut in the header", good.substr(0, 40), basic::fault::InputPastEndOfFile},
        {"cut in the node records", good.substr(0, good.find("Red Lion")), basic::fault::InputPastEndOfFile},
        {"cut in the way records", good.substr(0, good.find("mapper_1")), basic::fault::InputPastEndOfFile},
        {"cut in the marker texts", good.substr(0, good.find("AREA not")), basic::fault::InputPastEndOfFile},
        {"last caption missing", good.substr(0, good.size() - 5), basic::fault::InputPastEndOfFile},
        {"an OSM file", basic::readFileBytes(std::string(VK_TEST_DATA) + "/import/pretty-double.osm"),
         basic::fault::TypeMismatch},
        {"garbage lines",
         [] {
             std::string lines;
             for (int k = 0; k < 200; ++k)
                 lines += std::string(30, static_cast<char>(k)) + "\r\n";
             return lines;
         }(),
         basic::fault::TypeMismatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        basic::writeFileWhole(map().global.parsedPath, c.bytes);
        EXPECT_EQ(faultOf([&] { core::reloadMap(map()); }), c.fault);
        EXPECT_TRUE(model() == before);
        EXPECT_EQ(shown(map()), shownBefore);
    }
    map().global.parsedPath += ".gone";
    EXPECT_EQ(faultOf([&] { core::reloadMap(map()); }), basic::fault::FileNotFound);
    EXPECT_TRUE(model() == before);
}

TEST_F(ReloadTest, TheDrawingOfARefusedFileShowsOneMessage) {
    // The sample names two empty-tag markers but loads one: the entry without a marker is
    // passed over, silently.
    writeProject(osmimport::sampleProject());
    core::redrawMap(map());
    ASSERT_EQ(dialogs().shown().size(), 0u);
    const ProjectData before = model();
    const std::string good = projectFileBytes(osmimport::sampleProject(), '"');
    basic::writeFileWhole(map().global.parsedPath, good.substr(0, good.size() / 2));
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    core::redrawMap(map());
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "Input past end of file");
    // The passes write back into the model (way widths and colours, POI tips, marker counts),
    // so it is the file's items that must be the previous file's.
    ProjectData now = model();
    now.wayWidth = before.wayWidth;
    now.wayColour = before.wayColour;
    now.nodeName = before.nodeName;
    now.questAreaCount = before.questAreaCount;
    EXPECT_TRUE(now == before);
    EXPECT_FALSE(map().data.drawBusy);
}

// Failed redraws neither show the previous drawing's markers a second time nor add any: the
// map stays as the last good drawing left it, one message each time.
TEST_F(ReloadTest, RepeatedFailedDrawingsAddNoMarkers) {
    ProjectData d = osmimport::sampleProject();
    writeProject(d);
    map().global.viewZoom = 2;
    core::redrawMap(map());
    map().global.settings.poiMode = 1; // the pub's icon shown
    map().data.catShown[1] = basic::vbTrue;
    core::redrawMap(map());
    const auto loaded = [&] {
        const core::Markers& m = map().markers;
        std::vector<int> counts;
        for (const core::ImageArray* array :
             {&m.pb, &m.amen, &m.nonn, &m.quest, &m.quot, &m.chain, &m.shape1, &m.pointr})
            counts.push_back(array->count());
        counts.push_back(m.lab2.count());
        return counts;
    };
    const std::vector<int> before = loaded();
    const QImage picture = map().view.p1.image().copy();
    const std::string good = projectFileBytes(d, '"');
    basic::writeFileWhole(map().global.parsedPath, good.substr(0, good.size() / 2));
    dialogs().scriptMsgBox(platform::msgbox::Ok); // one message for the damaged file, not one a drawing
    for (int k = 1; k <= 3; ++k) {
        map().global.viewOffX += 50; // a pan asks for the drawing again
        core::redrawMap(map());
        ASSERT_EQ(dialogs().shown().size(), 1u);
        EXPECT_EQ(loaded(), before) << k;
        EXPECT_EQ(map().view.p1.image(), picture) << k;
    }
}

} // namespace
} // namespace render
