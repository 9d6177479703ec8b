// The orange marking of unnamed POIs: the digits of the markers, the marker position an icon's
// Tag carries, and the per-category lists that let a toggle flip exactly its own markers.

#include "core/window_fixture.h"
#include "poi/orange.h"

namespace poi::testing {
namespace {

using core::testing::WindowTest;

TEST_F(WindowTest, ResetyNWritesTheDigitOfTheModeForEveryMarker) {
    core::MapWindow& map = make();
    struct Case {
        double mode;
        basic::Integer markers;
        basic::Integer amenities;
        const char* flags;
        const char* amenFlags;
    };
    for (const Case& c : {Case{1, 3, 2, "111", "11"}, Case{-1, 2, 0, "11", ""}, Case{0, 4, 1, "0000", "0"},
                          Case{1, 0, 0, "", ""}}) {
        map.data.nonnCount = c.markers;
        map.data.amenFlagLen = c.amenities;
        resety_n(map, c.mode);
        EXPECT_EQ(map.data.noNameFlags, c.flags) << c.mode << " " << c.markers;
        EXPECT_EQ(map.data.amenFlags, c.amenFlags) << c.mode << " " << c.markers;
    }
}

TEST_F(WindowTest, ResetyNKeepsTheFlagsWhenThereIsNoUnnamedList) {
    core::MapWindow& map = make();
    map.data.noNameFlags = "101";
    map.data.nonnCount = -1; // an empty unnamed list
    map.data.amenFlagLen = 2;
    resety_n(map, 1);
    EXPECT_EQ(map.data.noNameFlags, "101");
    EXPECT_EQ(map.data.amenFlags, "11");
}

TEST(OraTest, ThePositionATagCarries) {
    struct Case {
        const char* tag;
        const char* position;
    };
    const Case cases[] = {
        {"12$PUB#The Swan", "12#"},
        {"7x$rest", "7x#"}, // a leading number keeps the whole text before "$"
        {"Name?$more", ""},
        {"The Swan5$PUB", "5#"},
        // Every digit counts, 0 too: POI 105 and POI 10 are not POI 5 and POI 1.
        {"Crown105$x", "105#"},
        {"Crown10$x", "10#"},
        {"Crown0$x", ""},
        {"Crown00$x", ""},
        {"no dollar 12", ""},
        {"", ""},
        {"$", ""},
        {"0$x", ""},
        {"a$b$c7", ""},
        {"-4$x", "-4#"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(markerPosition(c.tag), c.position) << c.tag;
}

class OrangeTest : public WindowTest {
protected:
    // A loaded window whose `pb` icons 2..4 and `coffe` icons 2..3 are loaded with the given Tags.
    core::MapWindow& withIcons() {
        core::MapWindow& map = load();
        loadIcons(map.markers.pb, map.data.pbCount, {"3$PUB", "Red Lion$PUB", "Crown12$PUB"});
        loadIcons(map.markers.coffe, map.data.coffeCount, {"Bean5$CAF", "1$CAF"});
        return map;
    }

    static void loadIcons(core::ImageArray& icons, basic::Integer& counter,
                          std::initializer_list<const char*> tags) {
        for (const char* tag : tags) {
            ++counter;
            icons.load(counter).setTag(tag);
        }
    }
};

TEST_F(OrangeTest, SetorangeListsEachCategorysUnnamedIcons) {
    core::MapWindow& map = withIcons();
    NoNameLists& lists = catNoNameList(map);
    lists[0] = "#99#";
    setorange(map);
    EXPECT_EQ(lists[1], "#3#12#");
    // Cafes are listed under their legend category 19.
    EXPECT_EQ(lists[19], "#5#1#");
    EXPECT_EQ(lists[0], "#");
    EXPECT_EQ(lists[20], "#");
    EXPECT_EQ(lists[22], "#");
}

TEST_F(OrangeTest, SetorangeShowsCafeIconsByTheCafeFlag) {
    core::MapWindow& map = withIcons();
    map.data.catShown[19] = basic::vbTrue;
    setorange(map);
    EXPECT_TRUE(map.markers.coffe[2].visible());
    map.data.catShown[19] = basic::vbFalse;
    setorange(map);
    EXPECT_FALSE(map.markers.coffe[3].visible());
    // Pubs keep the visibility the placement gave them.
    map.markers.pb[2].setVisible(true);
    setorange(map);
    EXPECT_TRUE(map.markers.pb[2].visible());
}

TEST_F(OrangeTest, SetorangePassesOverIconsThatAreNotLoaded) {
    core::MapWindow& map = withIcons();
    map.data.pbCount = 9; // more than are loaded
    setorange(map);
    EXPECT_EQ(catNoNameList(map)[1], "#3#12#");
}

TEST_F(OrangeTest, ChangeorangFlipsTheCategorysPositionsOnly) {
    core::MapWindow& map = withIcons();
    setorange(map);
    map.data.noNameFlags = "0000000000000";
    map.data.catShown[1] = basic::vbTrue;
    changeorang(map, 1);
    EXPECT_EQ(map.data.noNameFlags, "0010000000010");
    map.data.catShown[1] = basic::vbFalse;
    changeorang(map, 1);
    EXPECT_EQ(map.data.noNameFlags, "0000000000000");
}

TEST_F(OrangeTest, ChangeorangLeavesTheFlagsOfAnEmptyListAlone) {
    core::MapWindow& map = withIcons();
    setorange(map);
    map.data.noNameFlags = "1010";
    map.data.catShown[5] = basic::vbFalse;
    changeorang(map, 5);
    EXPECT_EQ(map.data.noNameFlags, "1010");
}

TEST_F(OrangeTest, ChangeorangSkipsPositionsOutsideTheFlags) {
    core::MapWindow& map = make();
    NoNameLists& lists = catNoNameList(map);
    lists[4] = "#0#2#7#-1#x#";
    map.data.noNameFlags = "000";
    map.data.catShown[4] = basic::vbTrue;
    changeorang(map, 4);
    EXPECT_EQ(map.data.noNameFlags, "010");
    for (int c : {-1, kNoNameLists})
        EXPECT_NO_THROW(changeorang(map, c));
}

} // namespace
} // namespace poi::testing
