#include "basic/colour.h"
#include "fault_of.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

TEST(ColourTest, RgbPacksComponentsAndCapsThemAt255) {
    EXPECT_EQ(rgb(0, 0, 0), 0);
    EXPECT_EQ(rgb(10, 20, 30), 10 + 20 * 256 + 30 * 65536);
    EXPECT_EQ(rgb(241, 238, 232), 15265521);
    EXPECT_EQ(rgb(255, 255, 255), 16777215);
    EXPECT_EQ(rgb(300, 0, 0), 255);
    EXPECT_EQ(rgb(0, 256, 1000), 255 * 256 + 255 * 65536);
    EXPECT_EQ(faultOf([] { rgb(-1, 0, 0); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { rgb(0, 0, -30); }), fault::InvalidProcedureCall);
}

TEST(ColourTest, PartsComeBackFromEveryColour) {
    const int samples[][3] = {{10, 20, 30}, {0, 0, 0}, {255, 255, 255}, {254, 205, 110}, {1, 0, 255}};
    for (const auto& s : samples) {
        const Long c = rgb(s[0], s[1], s[2]);
        EXPECT_EQ(redPart(c), s[0]);
        EXPECT_EQ(greenPart(c), s[1]);
        EXPECT_EQ(bluePart(c), s[2]);
    }
    // Outside 0..16777215 the parts keep the dividend's sign, as whole division does.
    EXPECT_EQ(redPart(-1), -1);
    EXPECT_EQ(bluePart(16777216), 0);
}

TEST(ColourTest, TheSixteenClassicColours) {
    const Long expected[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                               0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int n = 0; n < 16; ++n)
        EXPECT_EQ(qbColor(n), expected[n]) << n;
    EXPECT_EQ(qbColor(4), rgb(128, 0, 0)); // red sits in the low byte
    EXPECT_EQ(qbColor(9), rgb(0, 0, 255));
    EXPECT_EQ(faultOf([] { qbColor(16); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { qbColor(-1); }), fault::InvalidProcedureCall);
}

} // namespace
} // namespace basic
