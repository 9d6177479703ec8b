// The entries of a problem list text and the panel's two lists.

#include "core/window_fixture.h"
#include "poi/problemlists.h"

namespace poi::testing {
namespace {

using core::testing::WindowTest;
using Entries = std::vector<ProblemEntry>;

TEST(ProblemEntriesTest, EachMarkerGivesItsEntriesAndKeys) {
    struct Case {
        const char* what;
        const char* text;
        const char* markers;
        Entries entries;
    };
    const Case cases[] = {
        {"one line", "12#The Swan\r\n", "#", {{"The Swan", "12#"}}},
        {"each marker character",
         "1^bench\r\n2$gap\r\n3*\r\n4+tree\r\n5#x\r\n",
         "^$*+#",
         {{"bench", "1^"}, {"gap", "2$"}, {"no data", "3*"}, {"tree", "4+"}, {"x", "5#"}}},
        {"grouped by marker, then by line",
         "1+a\r\n2#b\r\n3+c\r\n",
         "#+",
         {{"b", "2#"}, {"a", "1+"}, {"c", "3+"}}},
        {"a line with two markers gives two entries",
         "7+FIXME^x\r\n",
         "+#^",
         {{"FIXME^x", "7+"}, {"x", "7+FIXME^"}}},
        {"hashes and line feeds go, blanks are trimmed", "9# a#b\nc \r\n", "#", {{"abc", "9#"}}},
        {"nothing but blanks, hashes and line feeds",
         "1#  # \n \r\n2#\r\n",
         "#",
         {{"no data", "1#"}, {"no data", "2#"}}},
        {"lines without the marker are skipped", "no marker\r\n4#d\r\n", "#", {{"d", "4#"}}},
        {"no line break at all gives nothing", "12#The Swan", "#", {}},
        {"no markers", "1#a\r\n", "", {}},
        {"empty", "", "#", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(problemEntries(c.text, c.markers), c.entries) << c.what;
}

TEST_F(WindowTest, ProclistFillsTheEntriesAndTheirKeys) {
    core::MapWindow& map = load();
    core::ProblemPanel& panel = map.problems;
    panel.List4.addItem("old");
    panel.Text1.setText("old detail");
    panel.Text1.setVisible(true);
    proclist(map, "12#The Swan\r\n13#Crown\r\n", "#");
    ASSERT_EQ(panel.List4.listCount(), 2);
    ASSERT_EQ(panel.List5.listCount(), 2);
    EXPECT_EQ(panel.List4.list(1), "Crown");
    EXPECT_EQ(panel.List5.list(1), "13#");
    EXPECT_EQ(panel.Text1.text(), "");
    EXPECT_FALSE(panel.Text1.visible());
}

TEST_F(WindowTest, ProclistLeavesThePanelEmptyWhileDrawing) {
    core::MapWindow& map = load();
    core::ProblemPanel& panel = map.problems;
    panel.List4.addItem("old");
    panel.List5.addItem("1#");
    map.data.drawBusy = true;
    proclist(map, "12#The Swan\r\n", "#");
    EXPECT_EQ(panel.List4.listCount(), 0);
    EXPECT_EQ(panel.List5.listCount(), 0);
}

TEST_F(WindowTest, EmptyTagEntriesComeFromTheMarkers) {
    core::MapWindow& map = load();
    core::ImageArray& quot = map.markers.quot;
    quot.load(2).setTag("<node id='5'><tag k='highway' v=''/><tag k='name' v='x'/>");
    quot.load(3).setTag("<tag k=\"amenity\" v=\"\"/>");
    map.data.quotCount = 4; // element 4 is not loaded
    EXPECT_EQ(emptyTagEntries(map), "2*\r\n3*\r\n");
    EXPECT_EQ(quot[2].tag(), "<node id=\"5\"><tag k=\"highway\" v=\"\"/><tag k=\"name\" v=\"x\"/>");

    quot[2].setTag("<tag k='shop' v='bakery'/>");
    EXPECT_EQ(emptyTagEntries(map), "2*bakery\r\n3*\r\n");
    map.data.quotCount = 1;
    EXPECT_EQ(emptyTagEntries(map), "");
}

} // namespace
} // namespace poi::testing
