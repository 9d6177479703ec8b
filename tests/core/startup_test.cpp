// Start-up of the main window: defaults, caption, the legend strip it builds, the first and a
// second activation, and the per-file reset.

#include "basic/colour.h"
#include "core/startup.h"
#include "core/window_fixture.h"
#include "platform/hourglass.h"
#include "window/caption.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QString>

namespace core::testing {
namespace {

using StartupTest = WindowTest;

TEST_F(StartupTest, WithoutSettingsFileOpensWithTheDefaultsAndTheCaption) {
    MapWindow& map = load();
    const Global& g = map.global;
    EXPECT_EQ(map.form.caption(), "Varnoke:1.971 ");
    EXPECT_EQ(g.progVersion, 1.971f);
    EXPECT_EQ(g.appPath, appPath());
    EXPECT_EQ(g.dataFolder, appPath() + "/files");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(g.dataFolder)).isDir());
    EXPECT_EQ(g.settingsPath, appPath() + "/img.dat");
    EXPECT_EQ(g.quoteChar, '"');
    EXPECT_EQ(g.settings.maxGreenNodes, 50);
    EXPECT_TRUE(g.settings.zoomLeft);
    EXPECT_EQ(g.settings.streetNames, 1);
    EXPECT_EQ(map.legendPanel.Check1.value(), 0);
    EXPECT_EQ(g.settings.backColour, basic::rgb(241, 238, 232));
    for (const platform::PictureBox* picture : {&map.view.p1, &map.view.p2, &map.view.Picture1})
        EXPECT_EQ(picture->backColor(), basic::rgb(241, 238, 232)) << picture->name();
    EXPECT_EQ(map.form.backColor(), basic::rgb(255, 252, 242));
    EXPECT_EQ(g.settings.labelFontSize, 7);
    EXPECT_EQ(g.penMode, 13);
    EXPECT_EQ(g.settings.speedMph, 3.3f);
    EXPECT_EQ(g.settings.legendTab, 1);
    EXPECT_EQ(g.settings.patternFill, 1);
    EXPECT_EQ(g.settings.poiMode, 1);
    EXPECT_TRUE(g.showTracks);
    EXPECT_TRUE(g.showWaypoints);
    EXPECT_EQ(g.viewOffX, 200.0f);
    EXPECT_EQ(map.view.p1.fontName(), "Arial");
    EXPECT_EQ(map.data.routeSel, -1);
    for (const std::string& font : g.settings.fontNames)
        EXPECT_EQ(font, "Arial");
    EXPECT_FALSE(map.data.formActivated);
    EXPECT_EQ(platform::screenMousePointer(), platform::kDefaultPointer);
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(StartupTest, FontNamesShorterThanThreeCharactersBecomeArial) {
    Global saved;
    saved.settings.fontNames = {"Ab", "", "Sym"};
    writeSettingsFile(saved);
    MapWindow& map = load();
    EXPECT_EQ(map.global.settings.fontNames[0], "Arial");
    EXPECT_EQ(map.global.settings.fontNames[1], "Arial");
    EXPECT_EQ(map.global.settings.fontNames[2], "Sym");
}

TEST_F(StartupTest, SettingsFileValuesReplaceTheDefaults) {
    Global saved;
    saved.settings.maxGreenNodes = 80;
    saved.settings.zoomLeft = false;
    saved.settings.backColour = basic::rgb(10, 20, 30);
    saved.recentFiles[0] = "Paris, France.osm";
    writeSettingsFile(saved);
    MapWindow& map = load();
    EXPECT_EQ(map.global.settings.maxGreenNodes, 80);
    EXPECT_EQ(map.view.p1.backColor(), basic::rgb(10, 20, 30));
    EXPECT_EQ(map.menus.mf[15].caption(), "Paris, France.osm");
    // The zoom buttons follow the saved side, here the right clear of the legend panel; start-up
    // itself shows POIs and GPX whatever was saved.
    EXPECT_EQ(map.toolbars.Frame7[0].left(), map.legendPanel.Frame2.left() - 150 - 360);
    EXPECT_EQ(map.global.settings.poiMode, 1);
    EXPECT_EQ(map.form.caption(), "Varnoke:1.971 ");
}

TEST_F(StartupTest, PlainIconCodesAreTheFourteenStyleCharactersInOrder) {
    MapWindow& map = load();
    EXPECT_EQ(map.data.plainIconCodes, std::string("\n\r:%'-.2@A=4DF"));
}

TEST_F(StartupTest, LegendStripCellsStepBy380AndTheirLabelsBy381) {
    MapWindow& map = load();
    LegendStrip& strip = map.legendStrip;
    ASSERT_EQ(strip.Shape9.count(), kStripCells);
    EXPECT_EQ(strip.numb[1].left(), 5640);
    EXPECT_EQ(strip.numb[1].width(), 384); // the first label keeps its design width
    for (int i = 1; i < kStripCells; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(strip.Shape9[i].left(), 5616 + 380 * i);
        EXPECT_EQ(strip.Shape9[i].top(), 84);
        EXPECT_TRUE(strip.Shape9[i].visible());
        EXPECT_EQ(strip.numb[i + 1].left(), 5640 + 381 * i);
        EXPECT_EQ(strip.numb[i + 1].top(), 444);
        EXPECT_EQ(strip.numb[i + 1].width(), 380);
    }
    // The end marks and the Hide/Show labels follow the last cell.
    EXPECT_EQ(strip.Shape11[1].left(), 5616 + 380 * 22 + 432);
    EXPECT_EQ(strip.Shape11[2].left(), strip.Shape11[1].left());
    EXPECT_EQ(strip.Label13[0].left(), strip.Shape11[1].left());
    EXPECT_EQ(strip.Label13[1].left(), strip.Shape11[1].left());
    EXPECT_EQ(strip.Label13[0].caption(), "Hide");
    EXPECT_EQ(strip.Label13[1].caption(), "Show");
}

TEST_F(StartupTest, ProblemFramesGetTheirLeftAndSizeAndKeepTheirTops) {
    MapWindow& map = load();
    const double tops[] = {450, 1110, 5085, 1770, 2445, 4440, 3765, 3090};
    for (int i = 0; i < kProblemFrames; ++i) {
        const platform::ShapeControl& frame = map.strips.Shape10[i];
        EXPECT_EQ(frame.left(), 30) << i;
        EXPECT_EQ(frame.width(), 435) << i;
        EXPECT_EQ(frame.height(), 435) << i;
        EXPECT_EQ(frame.top(), tops[i]) << i;
    }
}

TEST_F(StartupTest, StartsWithTheLegendPanelShownAndItsHideToggleInFront) {
    MapWindow& map = load();
    EXPECT_TRUE(map.legendPanel.Frame2.visible());
    // ex(2) and ex(3) lie on each other; the one in front takes the press.
    const platform::PictureBox& hide = map.strips.ex[3];
    const QPoint centre = hide.widget()->geometry().center();
    EXPECT_EQ(map.strips.Frame3[kRightStrip].host()->childAt(centre), hide.widget());
}

TEST_F(StartupTest, FirstActivationCentresTheScrollBarsAndLaysOutAgain) {
    MapWindow& map = load();
    map.data.routeSel = 4;
    Form_Activate(map);
    EXPECT_TRUE(map.data.formActivated);
    EXPECT_EQ(map.view.VS.value(), map.view.VS.max() / 2);
    EXPECT_EQ(map.view.hs.value(), 4005); // half of the map picture's 8010 units
    EXPECT_EQ(map.data.routeSel, -1);
    EXPECT_TRUE(map.view.p1.autoRedraw());
    // The scroll bars' change handlers place the map picture in the viewport.
    EXPECT_EQ(map.view.p1.left(), -4005);
    EXPECT_EQ(map.view.p1.top(), 100 - map.view.VS.value());
    // The second layout reads the left strip's top as the viewport's.
    EXPECT_EQ(map.strips.Frame3[kRightStrip].height(), map.view.Picture1.height());
}

TEST_F(StartupTest, SecondActivationChangesNothing) {
    MapWindow& map = load();
    Form_Activate(map);
    map.view.VS.setValue(3);
    map.view.hs.setValue(7);
    map.data.routeSel = 2;
    map.strips.Frame3[kRightStrip].setHeight(100);
    map.view.p1.line(0, 0, 100, 100);
    const QImage drawn = map.view.p1.image();

    Form_Activate(map);
    EXPECT_EQ(map.view.VS.value(), 3);
    EXPECT_EQ(map.view.hs.value(), 7);
    EXPECT_EQ(map.data.routeSel, 2);
    EXPECT_EQ(map.strips.Frame3[kRightStrip].height(), 100);
    EXPECT_EQ(map.view.p1.image(), drawn);
}

TEST_F(StartupTest, ShowingTheWindowActivatesItOnce) {
    MapWindow& map = make();
    int activations = 0;
    auto activate = map.form.onActivate;
    map.form.onActivate = [&] {
        ++activations;
        activate();
    };
    map.form.show();
    for (int i = 0; i < 20 && activations == 0; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(map.data.formActivated);
    EXPECT_TRUE(map.form.visible());
    EXPECT_EQ(map.form.windowState(), 2);
}

class CleartxtTest : public WindowTest {
protected:
    // Fills everything the reset touches, and a few things it must leave alone.
    void fill(MapWindow& map) {
        MapData& d = map.data;
        for (std::string* text : {&d.hiddenAreaList, &d.fixmeList, &d.areaRecordList, &map.data.amenityList,
                                  &d.otherNodesList, &d.unjoinedWayList, &d.unclosedAreaList, &d.emptyTagList,
                                  &d.noteList, &d.noNameFlags, &d.placeList, &d.questList})
            *text = "12#x\r\n";
        map.problems.Text1.setText("detail");
        map.legendPanel.Text6.setText("01/02/2010");
        for (platform::ListBox* list :
             {&map.problems.List4, &map.problems.List5, &map.search.List3[kCategorySearch],
              &map.search.List3[kNameSearch], &map.legendPanel.List1})
            list->addItem("entry");
        for (int i = 0; i < kCountLabels; ++i)
            map.legendStrip.numb[i].setCaption("5");
        d.catShown.fill(basic::vbTrue);
        map.global.settings.poiMode = 1;
        map.global.reloadTrailer = false;
    }
};

TEST_F(CleartxtTest, ResetsExactlyThePerFileTextsListsAndCounts) {
    MapWindow& map = load();
    fill(map);
    map.global.curFile = "C:/maps/leeds.osm";
    cleartxt(map);
    // The count panel was refreshed last, and with it the caption.
    EXPECT_EQ(map.form.caption(), "Varnoke:1.971 C:/maps/leeds.osm");
    const MapData& d = map.data;
    for (const std::string* text : std::initializer_list<const std::string*>{
             &d.hiddenAreaList, &d.fixmeList, &d.areaRecordList, &map.data.amenityList, &d.otherNodesList,
             &d.unjoinedWayList, &d.unclosedAreaList, &d.emptyTagList, &d.noteList, &d.noNameFlags})
        EXPECT_EQ(*text, "");
    EXPECT_EQ(d.placeList, "12#x\r\n");
    EXPECT_EQ(d.questList, "12#x\r\n");
    EXPECT_EQ(map.problems.Text1.text(), "");
    EXPECT_EQ(map.legendPanel.Text6.text(), "");
    EXPECT_EQ(map.problems.List4.listCount(), 0);
    EXPECT_EQ(map.problems.List5.listCount(), 0);
    EXPECT_EQ(map.search.List3[kCategorySearch].listCount(), 0);
    EXPECT_EQ(map.search.List3[kNameSearch].listCount(), 0);
    EXPECT_EQ(map.legendPanel.List1.listCount(), 1); // the author list is the view reset's
    EXPECT_EQ(map.global.settings.poiMode, 0);
    EXPECT_TRUE(map.global.reloadTrailer);
    for (int c = 0; c <= 22; ++c)
        EXPECT_EQ(d.catShown[static_cast<size_t>(c)], basic::vbFalse) << c;
    for (int c = 23; c <= 25; ++c)
        EXPECT_EQ(d.catShown[static_cast<size_t>(c)], basic::vbTrue) << c;
    for (int i = 0; i <= 23; ++i)
        EXPECT_EQ(map.legendStrip.numb[i].caption(), "0") << i;
    EXPECT_EQ(map.legendStrip.numb[24].caption(), "5");
    EXPECT_EQ(map.legendStrip.numb[25].caption(), "5");
}

TEST_F(StartupTest, CapJoinsProgramVersionAndText) {
    MapWindow& map = load();
    cap(map, "C:/maps/leeds.osm");
    EXPECT_EQ(map.form.caption(), "Varnoke:1.971 C:/maps/leeds.osm");
}

} // namespace
} // namespace core::testing
