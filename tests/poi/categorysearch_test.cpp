// The category search: the chooser's rows, what a choice lists, marks and switches on, the
// double click on a listed name, and the handlers of both search frames as connected.

#include "basic/text.h"
#include "namesearch_fixture.h"
#include "poi/categories.h"
#include "poi/categorysearch.h"
#include "poi/namesearch.h"
#include "poi/searches_connect.h"
#include "window/layout.h"

#include <QApplication>
#include <QComboBox>
#include <algorithm>

namespace poi::testing {
namespace {

using core::kCategorySearch;

class CategorySearchTest : public SearchTest {
protected:
    static void choose(core::MapWindow& map, int row) {
        map.search.Combo1.setListIndex(row);
        selectcombo(map);
    }
    static std::vector<std::string> hits(const core::MapWindow& map) {
        return items(map.search.List3[kCategorySearch]);
    }
    static std::vector<int> shownCategories(const core::MapWindow& map) {
        std::vector<int> shown;
        for (int c = 0; c < core::kCategoryCount; ++c)
            if (map.data.catShown[static_cast<size_t>(c)] != 0) shown.push_back(c);
        return shown;
    }
};

// The chooser's table, every entry in its order: choosing it lists the POIs of its codes, in
// code order ("All POIs" every named one), and switches on its category, if it has one. The map
// holds one POI of every code, named after it.
TEST_F(CategorySearchTest, EveryEntryListsThePoisOfItsCodesAndSwitchesOnItsCategory) {
    struct Row {
        std::string_view entry;
        std::string_view codes;
        int category;
    };
    const Row rows[] = {
        {"All POIs", "", kNoCategory},
        {"Addresses", "ADR", kNoCategory},
        {"ATMs", "ATM", 10},
        {"Banks", "BAN", 11},
        {"Buses", "BUS", 5},
        {"Cafes,Bars,Fast Food", "CAF,X9 ,X7 ", kCafeCategory},
        {"Places of Worship", "CHU,CHM,CHJ,CHH,CHS", 0},
        {"Fuel", "FUE", 12},
        {"History", "HIS,X67", 16},
        {"Hospitals", "HOS", 13},
        {"Hotels", "HOT", 15},
        {"Pharmacies", "PHA", 14},
        {"Pubs", "PUB", 1},
        {"Recycling", "REC", kNoCategory}, // the recycling cell has its own button
        {"Restaurants", "RES", kRestaurantCategory},
        {"Education", "SCH,X5 ", 6},
        {"Shops", "SHO", 9},
        {"Sport", "X11,X58,X57,X56", kNoCategory},
        {"Stations", "STA", kStationCategory},
        {"Supermarkets", "SUP", 8},
        {"Phoneboxes", "MOB", 2},
        {"Toilets", "TOI", 7},
        {"Tourist Attractions", "TOU,X62,X63,X70,X54", 17},
        {"Taxis,Car Rental", "X65,X4 ", kNoCategory},
        {"Entertainment", "X2 ,X61,X10", kNoCategory},
        {"Services", "X60,X55,X40,X43,X44,FIR", kNoCategory},
        {"Playgrounds", "X64", kNoCategory},
        {"Car Parks", "PAR", 4},
    };
    auto nameOf = [](std::string_view code) { return "Poi " + std::string(code.substr(0, code.find(' '))); };
    std::vector<std::string_view> everyCode;
    for (const Row& row : rows)
        for (const std::string_view code : basic::splitView(row.codes, ","))
            if (!code.empty()) everyCode.push_back(code);
    osmimport::ProjectData project = searchProject();
    project.sizeNodes(static_cast<basic::Long>(everyCode.size()));
    for (size_t n = 1; n <= everyCode.size(); ++n) {
        project.nodeInfo[n] = std::string(everyCode[n - 1]) + "#";
        project.nodeName[n] = nameOf(everyCode[n - 1]);
    }
    project.countCaptions.fill(1); // every category has POIs

    core::MapWindow& map = opened(project);
    ASSERT_EQ(map.search.Combo1.listCount(), static_cast<int>(std::size(rows)));
    for (int row = 0; row < static_cast<int>(std::size(rows)); ++row) {
        const Row& r = rows[row];
        SCOPED_TRACE(r.entry);
        EXPECT_EQ(map.search.Combo1.list(row), r.entry);
        std::vector<std::string> listed;
        for (const std::string_view code : r.codes.empty() ? everyCode : basic::splitView(r.codes, ","))
            listed.push_back(nameOf(code));
        map.data.catShown.fill(0);
        choose(map, row);
        EXPECT_EQ(hits(map), listed);
        EXPECT_EQ(shownCategories(map), r.category == kNoCategory ? std::vector<int>{} : std::vector<int>{r.category});
    }
    for (int row : {-1, 28}) {
        EXPECT_EQ(categoryChoice(row).codes, "");
        EXPECT_EQ(categoryChoice(row).category, kNoCategory);
    }
}

TEST_F(CategorySearchTest, AChoiceListsMarksAndSwitchesOnItsCategory) {
    core::MapWindow& map = opened();
    struct Case {
        int row;
        int category;
        std::vector<std::string> listed;
        std::string arrows;
    };
    const std::vector<Case> cases = {
        {12, 1, {"The Bar", "Barley Mow", ""}, "#1#2#$"}, // the unnamed pub is listed, not marked
        {6, 0, {"St Mary"}, "#9#$"},
        {5, kCafeCategory, {"Crowbar", "Cafe Nero"}, "#3#8#$"},
        {18, kStationCategory, {"Central"}, "#11#$"},
        {15, 6, {"High Road"}, "#5#$"},
        {16, 9, {"Crowbar Bar"}, "#7#$"},
    };
    for (const Case& c : cases) {
        map.data.catShown.fill(0);
        choose(map, c.row);
        EXPECT_EQ(hits(map), c.listed) << c.row;
        EXPECT_EQ(map.data.pointrList, c.arrows) << c.row;
        EXPECT_EQ(loadedArrows(map), static_cast<int>(std::count(c.arrows.begin(), c.arrows.end(), '#')) - 1)
            << c.row;
        EXPECT_EQ(shownCategories(map), std::vector<int>{c.category}) << c.row;
        EXPECT_FLOAT_EQ(map.global.viewZoom, 1.4f) << c.row;
    }
}

TEST_F(CategorySearchTest, RowsWithoutACategorySwitchNothing) {
    core::MapWindow& map = opened();
    map.data.catShown.fill(0);
    map.data.catShown[3] = basic::vbTrue;
    for (int row : {1, 13, 17, 23, 24, 25, 26}) {
        choose(map, row);
        EXPECT_EQ(shownCategories(map), std::vector<int>{3}) << row;
        EXPECT_TRUE(hits(map).empty()) << row;
    }
}

TEST_F(CategorySearchTest, AShownCategoryStaysShown) {
    core::MapWindow& map = opened();
    map.data.catShown[0] = basic::vbTrue;
    choose(map, 6);
    EXPECT_NE(map.data.catShown[0], 0);
}

TEST_F(CategorySearchTest, AllPoisListsEveryNameWithoutArrowsAndKeepsTheZoom) {
    core::MapWindow& map = opened();
    choose(map, 0);
    EXPECT_EQ(hits(map), (std::vector<std::string>{"The Bar", "Barley Mow", "Crowbar", "XBar", "High Road",
                                                   "Crowbar Bar", "Cafe Nero", "St Mary",
                                                   "\xC5\x81od\xC5\xBA Hotel", "Central"}));
    EXPECT_EQ(map.data.pointrList, "#");
    EXPECT_EQ(loadedArrows(map), 0);
    EXPECT_FLOAT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_FALSE(map.data.drawBusy);
}

TEST_F(CategorySearchTest, DoubleClickingANameTwiceMarksItAgainAndKeepsTheList) {
    core::MapWindow& map = opened();
    choose(map, 12);
    const std::vector<std::string> listed = hits(map);
    map.search.List3[kCategorySearch].setListIndex(0); // "The Bar"
    for (int click = 1; click <= 2; ++click) {
        List3_DblClick(map, kCategorySearch);
        EXPECT_EQ(map.search.Text3[kCategorySearch].text(), "The Bar");
        EXPECT_EQ(hits(map), listed) << click;
        EXPECT_EQ(map.data.pointrList, "#1#$") << click;
        EXPECT_EQ(loadedArrows(map), 1) << click;
        EXPECT_FLOAT_EQ(map.global.viewZoom, kSearchZoom) << click;
        EXPECT_NEAR(map.markers.pointr[1].left(), 4200, 0.01) << click;
        EXPECT_NEAR(map.markers.pointr[1].top(), 3300, 0.01) << click;
        EXPECT_NE(map.data.catShown[1], 0) << click;
    }
}

TEST_F(CategorySearchTest, NothingWhileBusy) {
    core::MapWindow& map = opened();
    map.data.catShown[1] = basic::vbTrue;
    map.search.List3[kCategorySearch].addItem("earlier");
    map.data.drawBusy = true;
    choose(map, 12);
    map.data.drawBusy = false;
    EXPECT_NE(map.data.catShown[1], 0);
    EXPECT_EQ(hits(map), std::vector<std::string>{"earlier"});
}

TEST_F(CategorySearchTest, TheConnectedHandlersRunTheSearches) {
    core::MapWindow& map = opened();
    connectSearchPanels(map);
    core::SearchPanels& panel = map.search;

    map.strips.Image6.onClick();
    EXPECT_TRUE(panel.Frame9.visible());
    EXPECT_EQ(panel.Combo1.text(), "Select POI ");
    panel.Text3[kCategorySearch].setText("left over");
    panel.Combo1.setListIndex(12); // the Click of a choice only starts the timer
    EXPECT_TRUE(panel.tm3.enabled());
    EXPECT_EQ(panel.Text3[kCategorySearch].text(), "");
    EXPECT_TRUE(hits(map).empty());
    panel.tm3.onTimer();
    EXPECT_FALSE(panel.tm3.enabled());
    EXPECT_EQ(hits(map), (std::vector<std::string>{"The Bar", "Barley Mow", ""}));
    panel.Command3.onClick();
    EXPECT_EQ(loadedArrows(map), 0);
    EXPECT_EQ(map.data.pointrList, "#");

    panel.List3[core::kNameSearch].addItem("old");
    map.strips.Image9.onClick();
    EXPECT_TRUE(panel.Frame10.visible());
    EXPECT_EQ(panel.List3[core::kNameSearch].listCount(), 0);
    panel.Text3[core::kNameSearch].setText("mary");
    int enter = 13;
    panel.Text3.onKeyPress(core::kNameSearch, enter);
    EXPECT_EQ(items(panel.List3[core::kNameSearch]), std::vector<std::string>{"St Mary"});
    panel.List3[core::kNameSearch].setListIndex(0);
    panel.List3.onDblClick(core::kNameSearch);
    EXPECT_EQ(map.data.pointrList, "#9#$");
}

// Chosen in the box on screen, the category stays written in it through the search it starts.
TEST_F(CategorySearchTest, TheBoxKeepsTheChoiceShown) {
    core::MapWindow& map = opened();
    connectSearchPanels(map);
    core::SearchPanels& panel = map.search;
    map.strips.Image6.onClick();
    auto* box = static_cast<QComboBox*>(panel.Combo1.widget());
    const int row = box->findText("Places of Worship");
    ASSERT_GE(row, 0);
    map.data.catShown[0] = basic::vbFalse;
    box->setCurrentIndex(row);
    emit box->activated(row);
    ASSERT_TRUE(panel.tm3.enabled());
    panel.tm3.onTimer();
    QApplication::processEvents();
    ASSERT_NE(map.data.catShown[0], 0) << "the search switched places of worship on";
    EXPECT_EQ(panel.Combo1.listIndex(), row);
    EXPECT_EQ(panel.Combo1.text(), "Places of Worship");
    EXPECT_EQ(box->currentText(), "Places of Worship");
}

TEST_F(CategorySearchTest, NeitherFrameOpensWhileAFileLoads) {
    core::MapWindow& map = opened();
    map.search.List3[kCategorySearch].addItem("kept");
    map.search.List3[core::kNameSearch].addItem("kept");
    map.data.mapLoading = true;
    Image6_Click(map);
    Image9_Click(map);
    EXPECT_FALSE(map.search.Frame9.visible());
    EXPECT_FALSE(map.search.Frame10.visible());
    EXPECT_EQ(hits(map), std::vector<std::string>{"kept"});
    EXPECT_EQ(items(map.search.List3[core::kNameSearch]), std::vector<std::string>{"kept"});
}

} // namespace
} // namespace poi::testing
