#include "basic/val.h"
#include "fault_of.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace basic {
namespace {

TEST(ValTest, ReadsTheLongestLeadingNumber) {
    struct Case {
        std::string text;
        double expected;
    };
    const std::vector<Case> cases = {
        {"  -1.5e2x", -150},
        {"", 0},
        {".5", 0.5},
        {"1,5", 1},
        {"&HFF", 255},
        {"1 2", 12},
        {"abc", 0},
        {" 5 ", 5},
        {"\t\n7", 7},
        {"- 1", -1},
        {"+3", 3},
        {"--1", 0},
        {"-", 0},
        {".", 0},
        {"-.25", -0.25},
        {"5.", 5},
        {"1.5.3", 1.5},
        {"1e", 1},
        {"1e+", 1},
        {"2E3", 2000},
        {"2e-3", 0.002},
        {"1.5D2", 150},
        {"1.5d+2", 150},
        {"1 . 5 e 1", 15},
        {"12\r\n", 12},
        {"4001.25048828125", 4001.25048828125},
        {" 1.971 ", 1.971},
        {"0.1", 0.1},
        {"-0", 0},
        {"1E-400", 0},
        {"&hff", 255},
        {"&H", 0},
        {"&HFFFF", -1},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&O17", 15},
        {"&o777", 511},
        {"&O8", 0},
        {"&X1", 0},
        {"& H 1 0", 16},
        {"3#17#", 3},
        {"0001", 1},
        {"00.0001", 0.0001},
    };
    for (const Case& c : cases)
        EXPECT_EQ(val(c.text), c.expected) << "'" << c.text << "'";
}

TEST(ValTest, ZeroHasNoSign) {
    EXPECT_FALSE(std::signbit(val("-0")));
}

TEST(ValTest, ReadsLongMantissasCorrectlyRounded) {
    EXPECT_EQ(val("0.1000000000000000055511151231257827"), 0.1);
    EXPECT_EQ(val(std::string(400, '0') + "7"), 7);
    EXPECT_EQ(val("1" + std::string(20, '0')), 1e20);
}

// Runs of digits of every length around eight and nineteen, before and after the point, with
// and without an exponent: read as the correctly rounded number from_chars gives.
TEST(ValTest, PlainNumbersReadAsTheNearestDouble) {
    std::mt19937 random(19);
    for (int i = 0; i < 20000; ++i) {
        std::string text = random() % 3 == 0 ? "-" : "";
        for (std::size_t n = random() % 22; n > 0; --n)
            text += static_cast<char>('0' + random() % 10);
        if (random() % 2 == 0) text += '.';
        for (std::size_t n = random() % 22; n > 0; --n)
            text += static_cast<char>('0' + random() % 10);
        if (random() % 4 == 0) text += "E" + std::to_string(static_cast<int>(random() % 60) - 30);
        double expected = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), expected).ptr !=
            text.data() + text.size())
            expected = 0; // no digits: no number
        EXPECT_EQ(val(text), expected + 0.0) << text;
    }
}

TEST(ValTest, NumbersBeyondTheRangesOverflow) {
    EXPECT_EQ(faultOf([] { val("1e400"); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { val("-1e99999999999999"); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { val("1" + std::string(400, '0')); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { val("&H100000000"); }), fault::Overflow);
    EXPECT_EQ(faultOf([] { val("0.000001e-400"); }), 0);
}

} // namespace
} // namespace basic
