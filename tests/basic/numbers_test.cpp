#include "basic/numbers.h"
#include "fault_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace basic {
namespace {

TEST(NumbersTest, HalvesRoundToTheEvenNeighbour) {
    struct Case {
        double x, expected;
    };
    const std::vector<Case> cases = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {0.49999999999999994, 0},
        {2.5000000001, 3},
        {-2.4999, -2},
        {7, 7},
        {1e300, 1e300},
        {4503599627370497.0, 4503599627370497.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundHalfEven(c.x), c.expected) << c.x;
}

TEST(NumbersTest, IntegerConversionRoundsThenChecksTheRange) {
    EXPECT_EQ(cint(32767.4), 32767);
    EXPECT_EQ(cint(-32768.5), -32768);
    EXPECT_EQ(cint(-32768.4), -32768);
    EXPECT_EQ(cint(2.5), 2);
    EXPECT_EQ(cint(-3.5), -4);
    EXPECT_EQ(faultOf([] { cint(32767.5); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { cint(-32768.51); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { cint(std::nan("")); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { cint(std::numeric_limits<double>::infinity()); }), fault::Overflow);
}

TEST(NumbersTest, LongConversionRoundsThenChecksTheRange) {
    EXPECT_EQ(clng(2147483647.4), 2147483647);
    EXPECT_EQ(clng(-2147483648.5), std::numeric_limits<Long>::min());
    EXPECT_EQ(clng(100000.5), 100000);
    EXPECT_EQ(clng(100001.5), 100002);
    EXPECT_EQ(faultOf([] { clng(2147483647.5); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { clng(-2147483649.0); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { clng(std::nan("")); }), fault::Overflow);
}

TEST(NumbersTest, SingleConversionOverflowsOnlyBeyondItsRange) {
    EXPECT_EQ(csng(0.1), 0.1f);
    EXPECT_EQ(csng(-3.4e38), -3.4e38f);
    EXPECT_EQ(faultOf([] { csng(3.5e38); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { csng(-1e300); }), fault::Overflow);
}

TEST(NumbersTest, FixTruncatesAndIntFloors) {
    EXPECT_EQ(fix(2.7), 2);
    EXPECT_EQ(fix(-2.7), -2);
    EXPECT_EQ(intFloor(2.7), 2);
    EXPECT_EQ(intFloor(-2.7), -3);
    EXPECT_EQ(intFloor(-3.0), -3);
}

TEST(NumbersTest, FlagsAreMinusOneAndZero) {
    EXPECT_EQ(toFlag(true), -1);
    EXPECT_EQ(toFlag(false), 0);
    static_assert(vbTrue == -1 && vbFalse == 0);
}

TEST(NumbersTest, CheckedArithmeticOverflowsAtTheTypeEdges) {
    EXPECT_EQ(addInteger(32766, 1), 32767);
    EXPECT_EQ(subInteger(-32767, 1), -32768);
    EXPECT_EQ(subInteger(4000, -5000), 9000);
    EXPECT_EQ(mulInteger(-128, 256), -32768);
    EXPECT_EQ(faultOf([] { addInteger(32767, 1); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { subInteger(-32768, 1); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { subInteger(0, -32768); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { mulInteger(256, 128); }), fault::Overflow);
    EXPECT_EQ(addLong(2147483646, 1), 2147483647);
    EXPECT_EQ(mulLong(-65536, 32768), std::numeric_limits<Long>::min());
    EXPECT_EQ(faultOf([] { addLong(2147483647, 1); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { subLong(std::numeric_limits<Long>::min(), 1); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { mulLong(65536, 32768); }), fault::Overflow);
}

} // namespace
} // namespace basic
