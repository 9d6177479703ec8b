// Index lists read into numbers: the pieces a drawing uses, what is no number, and the node
// lists of the ways.

#include "render/waygeometry.h"
#include "window/mapdata.h"

#include <gtest/gtest.h>

namespace render {
namespace {

using basic::Long;

TEST(IndexPieces, NumbersAndWhatIsNone) {
    struct Case {
        const char* piece;
        Long value;
    };
    const Case cases[] = {
        {"17", 17},
        {"  17", 17},
        {"-3", -3},
        {"0", 0},
        {"2147483647", 2147483647},
        {"", kNotANumber},
        {"x", kNotANumber},
        {"17 ", kNotANumber},
        {"3.5", kNotANumber},
        {"2147483648", kNotANumber},
        {"-2147483648", kNotANumber},
        {"1e3", kNotANumber},
    };
    for (const Case& c : cases)
        EXPECT_EQ(indexPiece(c.piece), c.value) << '"' << c.piece << '"';
}

TEST(IndexPieces, ThePieceAfterTheLastHashIsNeverUsed) {
    EXPECT_EQ(indexPieces("3#17#", 0), (std::vector<Long>{3, 17}));
    EXPECT_EQ(indexPieces("3#17", 0), (std::vector<Long>{3}));
    EXPECT_EQ(indexPieces("", 0), (std::vector<Long>{}));
    // The lists B to E open with a "#": their first piece is skipped.
    EXPECT_EQ(indexPieces("#3#17#", 1), (std::vector<Long>{3, 17}));
    EXPECT_EQ(indexPieces("#", 1), (std::vector<Long>{}));
    EXPECT_EQ(indexPieces("#3##5#", 1), (std::vector<Long>{3, kNotANumber, 5}));
}

TEST(WayGeometry, EveryWaysNodesInOnePass) {
    core::MapData d;
    d.sizeNodes(5);
    d.sizeWays(4);
    d.wayNodes = {"", "1#2#3#", "", "4#x#5#", "5#"};
    parseWayNodes(d);
    ASSERT_EQ(d.wayNodeStart, (std::vector<Long>{0, 0, 3, 3, 6, 7}));
    EXPECT_EQ(d.wayNodeIndex, (std::vector<Long>{1, 2, 3, 4, kNotANumber, 5, 5}));

    d.wayNodes = {""};
    parseWayNodes(d);
    EXPECT_EQ(d.wayNodeStart, (std::vector<Long>{0, 0}));
    EXPECT_TRUE(d.wayNodeIndex.empty());
}

TEST(WayGeometry, TheWaterwayListMarksItsWays) {
    core::MapData d;
    d.sizeNodes(0);
    d.sizeWays(12);
    d.waterwayList = "#2#12#";
    d.areaList = "5#7#";
    d.boundaryList = "#";
    const DrawingLists lists = readDrawingLists(d);
    EXPECT_EQ(lists.waterways, (std::vector<Long>{2, 12}));
    EXPECT_EQ(lists.areas, (std::vector<Long>{5, 7}));
    EXPECT_TRUE(lists.lines.empty());
    ASSERT_EQ(lists.onWaterwayList.size(), 13u);
    for (Long i = 0; i <= 12; ++i)
        EXPECT_EQ(lists.onWaterwayList[static_cast<std::size_t>(i)], i == 2 || i == 12) << i;
}

} // namespace
} // namespace render
