// The index lists of the project data read into numbers.

#include "import/indexlist.h"

#include <gtest/gtest.h>

namespace osmimport {
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

TEST(IndexWayNodes, EveryWaysNodesInOnePass) {
    ProjectData d;
    d.sizeNodes(5);
    d.sizeWays(4);
    d.wayNodes = {"", "1#2#3#", "", "4#x#5#", "5#"};
    indexWayNodes(d);
    ASSERT_EQ(d.wayNodeStart, (std::vector<Long>{0, 0, 3, 3, 6, 7}));
    EXPECT_EQ(d.wayNodeIndex, (std::vector<Long>{1, 2, 3, 4, kNotANumber, 5, 5}));

    d.wayNodes = {""};
    indexWayNodes(d);
    EXPECT_EQ(d.wayNodeStart, (std::vector<Long>{0, 0}));
    EXPECT_TRUE(d.wayNodeIndex.empty());
}

} // namespace
} // namespace osmimport
