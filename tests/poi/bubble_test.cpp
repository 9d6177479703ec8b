// The bubble of a POI icon: its text and its place above the icon.

#include "core/window_fixture.h"
#include "poi/bubble.h"

#include <QWidget>

namespace poi::testing {
namespace {

using core::testing::WindowTest;

TEST(BubbleTextTest, ThePrefixesGoAndABlankFramesTheRest) {
    struct Case {
        const char* tag;
        const char* text;
    };
    const Case cases[] = {
        {"12$PUB#The Swan", " The Swan "},
        {"The Swan", " The Swan "},
        {"#Crown", " Crown "},
        {"a#b$c#d", " d "}, // "$" first, then the first "#" after it
        {"a#b#c", " b#c "},
        {"12$", "  "},
        {"", "  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bubbleText(c.tag), c.text) << c.tag;
}

class BublTest : public WindowTest {
protected:
    platform::ImageControl& icon(core::MapWindow& map, const char* tag, double left, double top) {
        ++map.data.pbCount;
        platform::ImageControl& pub = map.markers.pb.load(map.data.pbCount);
        pub.setTag(tag);
        pub.move(left, top);
        return pub;
    }
};

TEST_F(BublTest, ShowsTheNameCentredOneIconHeightAboveTheIcon) {
    core::MapWindow& map = load();
    platform::ImageControl& pub = icon(map, "5$PUB#The Swan", 3000, 2400);
    bubl(map, pub);
    platform::PictureBox& bub = map.view.bub;
    ASSERT_TRUE(bub.visible());
    EXPECT_EQ(map.view.bubtxt.caption(), " The Swan ");
    EXPECT_TRUE(map.view.bubtxt.visible());
    const double textWidth = bub.textWidth(" The Swan ");
    EXPECT_GT(textWidth, 0);
    EXPECT_DOUBLE_EQ(map.view.bubtxt.width(), textWidth);
    EXPECT_NEAR(bub.width(), textWidth / (1410.0 / 285.0), 1e-3);
    EXPECT_NEAR(bub.left(), 3000 + pub.width() / 2 - bub.width() / 2, 1e-9);
    EXPECT_DOUBLE_EQ(bub.top(), 2400 - pub.height());
    EXPECT_EQ(map.view.bubtxt.font().name, bub.fontName());
    // On screen, border included: a line high (285 twips), about as wide as its text.
    const QWidget* box = bub.widget();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->height(), 19);
    EXPECT_NEAR(box->width(), textWidth / 15, 1);
}

TEST_F(BublTest, AnIconAtTheTopEdgeGetsABubbleAboveTheMap) {
    core::MapWindow& map = load();
    platform::ImageControl& pub = icon(map, "Crown", 500, 0);
    bubl(map, pub);
    EXPECT_TRUE(map.view.bub.visible());
    EXPECT_LT(map.view.bub.top(), 0);
}

TEST_F(BublTest, ABlankTextLeavesTheEarlierBubbleWhereItWas) {
    core::MapWindow& map = load();
    bubl(map, icon(map, "5$PUB#The Swan", 3000, 2400));
    const double left = map.view.bub.left();
    for (const char* tag : {"", "7$PUB#", "  ", "9$  "}) {
        bubl(map, icon(map, tag, 100, 100));
        EXPECT_TRUE(map.view.bub.visible()) << tag;
        EXPECT_EQ(map.view.bub.left(), left) << tag;
        EXPECT_EQ(map.view.bubtxt.caption(), " The Swan ") << tag;
    }
}

TEST_F(BublTest, NothingWhileBusy) {
    core::MapWindow& map = load();
    map.data.drawBusy = true;
    bubl(map, icon(map, "Crown", 500, 500));
    EXPECT_FALSE(map.view.bub.visible());
}

} // namespace
} // namespace poi::testing
