#include "platform/gdifont.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace platform {
namespace {

// Fonts are kept by face, height, weight and italic; each of them must tell fonts apart.
TEST(GdiFontCache, EveryPartOfTheKeyGivesItsOwnFont) {
    const LogFont bold{20, 0, 700, false, "Arial"};
    const QFont first = logFontToQFont(bold);
    EXPECT_EQ(logFontToQFont(bold), first);
    EXPECT_EQ(first.weight(), QFont::Bold);

    LogFont regular = bold;
    regular.weight = 400;
    EXPECT_EQ(logFontToQFont(regular).weight(), QFont::Normal);

    LogFont italic = bold;
    italic.italic = true;
    EXPECT_TRUE(logFontToQFont(italic).italic());
    EXPECT_FALSE(first.italic());

    LogFont character = bold;
    character.heightPx = -20;
    EXPECT_EQ(logFontToQFont(character).pixelSize(), 20);
    EXPECT_LT(first.pixelSize(), 20);

    LogFont serif = bold;
    serif.face = "Liberation Serif";
    EXPECT_EQ(QFontInfo(logFontToQFont(serif)).family(), "Liberation Serif");
    EXPECT_EQ(QFontInfo(first).family(), "Liberation Sans");

    // The turn is the drawing's business, not the font's.
    LogFont turned = bold;
    turned.escapementTenths = 900;
    EXPECT_EQ(logFontToQFont(turned), first);
}

TEST(GdiFontCache, ManySizesStayRight) {
    for (int round = 0; round < 2; ++round) {
        for (int height = -400; height < -1; ++height)
            ASSERT_EQ(logFontToQFont(LogFont{height, 0, 400, false, "Arial"}).pixelSize(), -height) << height;
    }
}

} // namespace
} // namespace platform
