// The display option handlers: each sets its state and draws the map once, with the still copy
// gone afterwards.

#include "redrawcount_fixture.h"
#include "render/displayoptions.h"

namespace core::testing {
namespace {

class DisplayOptionsTest : public RedrawCountTest {
protected:
    static void authors(MapWindow& map) {
        for (const char* name : {"alice", "bob", "carol"})
            map.legendPanel.List1.addItem(name);
    }
};

TEST_F(DisplayOptionsTest, StreetNamesFollowTheBoxAfterTheRedraw) {
    MapWindow& map = opened();
    map.legendPanel.Check1.setValue(0);
    render::Check1_MouseUp(map);
    EXPECT_EQ(map.global.settings.streetNames, 0);
    EXPECT_EQ(redraws(), 1);
    EXPECT_FALSE(map.view.p2.visible());

    map.legendPanel.Check1.setValue(1);
    render::Check1_MouseUp(map);
    EXPECT_EQ(map.global.settings.streetNames, 1);
    EXPECT_EQ(redraws(), 2);
}

TEST_F(DisplayOptionsTest, TheStreetNamesLabelTogglesTheBoxTwiceBackAndRedrawsEachTime) {
    MapWindow& map = opened();
    map.legendPanel.Check1.setValue(1);
    map.global.settings.streetNames = 1;
    render::Label12_MouseDown(map);
    EXPECT_EQ(map.legendPanel.Check1.value(), 0);
    EXPECT_EQ(map.global.settings.streetNames, 0);
    render::Label12_MouseDown(map);
    EXPECT_EQ(map.legendPanel.Check1.value(), 1);
    EXPECT_EQ(map.global.settings.streetNames, 1);
    EXPECT_EQ(redraws(), 2);
    EXPECT_FALSE(map.view.p2.visible());

    // A greyed box turns ticked; nothing at all while a file is imported.
    map.legendPanel.Check1.setValue(2);
    render::Label12_MouseDown(map);
    EXPECT_EQ(map.legendPanel.Check1.value(), 1);
    map.data.mapLoading = true;
    render::Label12_MouseDown(map);
    EXPECT_EQ(map.legendPanel.Check1.value(), 1);
    EXPECT_EQ(redraws(), 3);
}

TEST_F(DisplayOptionsTest, AllAuthorsDropsTheChoiceAndLabelsEveryAuthor) {
    MapWindow& map = opened();
    authors(map);
    map.legendPanel.List1.setListIndex(1);
    map.data.authorListIndex = 1;
    map.data.authorFilter = "bob";
    map.legendPanel.Check2.setValue(1);
    render::Check2_MouseUp(map);
    EXPECT_EQ(map.global.authorOverlay, -1);
    EXPECT_EQ(map.data.authorListIndex, -1);
    EXPECT_EQ(map.data.authorFilter, "");
    EXPECT_EQ(map.legendPanel.List1.listIndex(), -1);
    EXPECT_FALSE(map.data.authorSelected);
    EXPECT_TRUE(map.legendPanel.Check3.enabled());
    EXPECT_EQ(map.legendPanel.List1.listCount(), 3);
    EXPECT_EQ(redraws(), 1);

    map.legendPanel.Check2.setValue(0);
    render::Check2_MouseUp(map);
    EXPECT_EQ(map.global.authorOverlay, 0);
    EXPECT_EQ(redraws(), 2);
    EXPECT_FALSE(map.view.p2.visible());
}

TEST_F(DisplayOptionsTest, AllAuthorsDoesNothingWithoutAFileOrWhileDrawing) {
    MapWindow& map = opened();
    map.legendPanel.Check2.setValue(1);
    map.data.drawBusy = true;
    render::Check2_MouseUp(map);
    map.data.drawBusy = false;
    map.global.curFile.clear();
    render::Check2_MouseUp(map);
    EXPECT_EQ(map.global.authorOverlay, 0);
    EXPECT_EQ(redraws(), 0);
}

TEST_F(DisplayOptionsTest, ShowDatesSwitchesDatesOnlyAndKeepsAnAuthorChoice) {
    struct Row {
        int ticked;
        basic::Integer before, after;
    };
    const Row rows[] = {{1, 0, -2}, {1, -1, -1}, {0, -2, 0}, {0, -1, -1}, {1, -2, -2}, {0, 0, 0}};
    MapWindow& map = opened();
    long expected = 0;
    for (const Row& row : rows) {
        map.legendPanel.Check5.setValue(row.ticked);
        map.global.authorOverlay = row.before;
        render::Check5_MouseUp(map);
        EXPECT_EQ(map.global.authorOverlay, row.after) << row.ticked << " from " << row.before;
        EXPECT_EQ(redraws(), ++expected);
        EXPECT_FALSE(map.data.authorSelected);
    }
}

TEST_F(DisplayOptionsTest, DoubleClickChoosesAnAuthorAndTheSameOneAgainDropsIt) {
    MapWindow& map = opened();
    authors(map);
    map.legendPanel.Check2.setValue(1);
    map.legendPanel.List1.setListIndex(2);
    render::List1_DblClick(map);
    EXPECT_EQ(map.data.authorListIndex, 2);
    EXPECT_EQ(map.data.authorFilter, "carol");
    EXPECT_EQ(map.global.authorOverlay, -1);
    EXPECT_EQ(map.legendPanel.List1.listIndex(), 2);
    EXPECT_EQ(map.legendPanel.Check2.value(), 0);
    EXPECT_TRUE(map.legendPanel.Check3.enabled());
    EXPECT_FALSE(map.data.authorSelected);
    EXPECT_EQ(redraws(), 1);

    // Another author replaces the choice.
    map.legendPanel.List1.setListIndex(0);
    render::List1_DblClick(map);
    EXPECT_EQ(map.data.authorFilter, "alice");
    EXPECT_EQ(map.data.authorListIndex, 0);

    // The same author again: back to the unfiltered map.
    render::List1_DblClick(map);
    EXPECT_EQ(map.data.authorListIndex, -1);
    EXPECT_EQ(map.data.authorFilter, "");
    EXPECT_EQ(map.global.authorOverlay, 0);
    EXPECT_EQ(map.legendPanel.List1.listIndex(), -1);
    EXPECT_EQ(redraws(), 3);
    EXPECT_FALSE(map.view.p2.visible());
}

TEST_F(DisplayOptionsTest, DroppingTheAuthorWithShowDatesTickedLeavesDatesOnly) {
    MapWindow& map = opened();
    authors(map);
    map.legendPanel.Check5.setValue(1);
    map.legendPanel.List1.setListIndex(1);
    render::List1_DblClick(map);
    EXPECT_EQ(map.global.authorOverlay, -1);
    render::List1_DblClick(map);
    EXPECT_EQ(map.global.authorOverlay, -2);
}

TEST_F(DisplayOptionsTest, DoubleClickWithNoItemDoesNothing) {
    MapWindow& map = opened();
    render::List1_DblClick(map); // an empty list
    authors(map);
    map.global.authorOverlay = -2;
    render::List1_DblClick(map); // items, none chosen
    EXPECT_EQ(map.global.authorOverlay, -2);
    EXPECT_EQ(map.data.authorListIndex, -1);
    EXPECT_EQ(redraws(), 0);
}

TEST_F(DisplayOptionsTest, OnlyEnterInTheDateBoxRedraws) {
    MapWindow& map = opened();
    for (int key : {50, 8, 27, 10}) {
        int keyAscii = key;
        render::Text6_KeyPress(map, keyAscii);
        EXPECT_EQ(keyAscii, key);
    }
    EXPECT_EQ(redraws(), 0);
    int enter = 13;
    render::Text6_KeyPress(map, enter);
    EXPECT_EQ(redraws(), 1);
    EXPECT_FALSE(map.data.authorSelected);
}

TEST_F(DisplayOptionsTest, AreaTagsShowOrHideTheLabelsInTheLabelFont) {
    MapWindow& map = opened();
    for (int k = 1; k <= 2; ++k)
        map.markers.lab2.load(k).setCaption("Park");
    map.data.lab2Count = 3; // label 3 was never loaded
    map.global.settings.fontNames[2] = "Ar";
    map.legendPanel.Check4.setValue(1);
    render::Check4_MouseUp(map);
    EXPECT_EQ(map.global.settings.fontNames[2], "Arial");
    for (int k = 1; k <= 2; ++k) {
        EXPECT_TRUE(map.markers.lab2[k].visible()) << k;
        EXPECT_EQ(map.markers.lab2[k].font().name, "Arial");
    }
    EXPECT_EQ(redraws(), 1);

    map.global.settings.fontNames[2] = "Liberation Serif";
    map.legendPanel.Check4.setValue(0);
    render::Check4_MouseUp(map);
    EXPECT_FALSE(map.markers.lab2[1].visible());
    EXPECT_EQ(map.markers.lab2[2].font().name, "Liberation Serif");
    EXPECT_EQ(redraws(), 2);
    EXPECT_FALSE(map.view.p2.visible());
}

TEST_F(DisplayOptionsTest, TheHandlersAreConnectedToTheirControls) {
    MapWindow& map = opened();
    render::connectDisplayOptions(map);
    LegendPanel& panel = map.legendPanel;
    panel.Check1.onMouseUp(1, 0, 0, 0);
    panel.Label12.onMouseDown(1, 0, 0, 0);
    panel.Check2.onMouseUp(1, 0, 0, 0);
    panel.Check3.onMouseUp(1, 0, 0, 0);
    panel.Check4.onMouseUp(1, 0, 0, 0);
    panel.Check5.onMouseUp(1, 0, 0, 0);
    int enter = 13;
    panel.Text6.onKeyPress(enter);
    EXPECT_EQ(redraws(), 7);
    authors(map);
    panel.List1.setListIndex(0);
    panel.List1.onDblClick();
    EXPECT_EQ(map.data.authorFilter, "alice");
    EXPECT_EQ(redraws(), 8);
}

} // namespace
} // namespace core::testing
