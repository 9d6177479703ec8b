// The still copy in p2 shows exactly the part of the map picture the viewport shows.

#include "core/window_fixture.h"
#include "platform/canvascolour.h"
#include "render/snap.h"
#include "window/viewwindow.h"

namespace core::testing {
namespace {

class SnapTest : public WindowTest {
protected:
    // A loaded window at the start view whose map picture holds a different colour in every
    // pixel, so that any misplaced copy shows.
    MapWindow& patterned(platform::ScreenSize screen = {kScreenWidth, kScreenHeight}) {
        MapWindow& map = loadOnScreen(screen);
        init(map);
        QImage& image = map.view.p1.image();
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] = qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8));
        }
        return map;
    }

    // The pixel of p1 at the viewport's top-left corner.
    static QPoint corner(const MapWindow& map) {
        return {static_cast<int>(-map.view.p1.left() / 15), static_cast<int>(-map.view.p1.top() / 15)};
    }

    // The part of p1's image at (left, top) the size of p2.
    static QImage region(const MapWindow& map, int left, int top) {
        return map.view.p1.image().copy(left, top, map.view.p2.pixelWidth(), map.view.p2.pixelHeight());
    }
};

TEST_F(SnapTest, AtTheRestPositionItCopiesFromTheViewportsCorner) {
    for (const platform::ScreenSize screen : {kSmallScreen, kWideScreen}) {
        MapWindow& map = patterned(screen);
        ASSERT_EQ(map.view.p2.pixelWidth(), map.view.Picture1.pixelWidth());
        render::snap(map);
        EXPECT_TRUE(map.view.p2.visible());
        EXPECT_FALSE(map.view.p2.autoRedraw());
        const QPoint at = corner(map);
        EXPECT_EQ(map.view.p2.image(), region(map, at.x(), at.y())) << screen.widthTwips;
        // The zoom centre, pixel (1333, 1100) of p1, is the middle of the copy's part left of the
        // legend panel.
        const int uncoveredWidth =
            static_cast<int>(map.legendPanel.Frame2.left() - map.view.Picture1.left()) / 15;
        const QRgb middle = map.view.p2.image().pixel(uncoveredWidth / 2, map.view.p2.pixelHeight() / 2);
        EXPECT_NEAR(qRed(middle) | (qBlue(middle) >> 4) << 8, 1333, 1) << screen.widthTwips;
        EXPECT_NEAR(qGreen(middle) | (qBlue(middle) & 0xF) << 8, 1100, 1) << screen.widthTwips;
    }
}

TEST_F(SnapTest, ItFollowsTheScrollBars) {
    MapWindow& map = patterned();
    map.view.hs.setValue(0);
    map.view.VS.setValue(100);
    render::snap(map);
    EXPECT_EQ(map.view.p2.image(), region(map, 0, 0));

    // Scrolled past the top edge: above p1 the copy keeps p2's background.
    map.view.hs.setValue(3000);
    map.view.VS.setValue(0);
    render::snap(map);
    const QImage& copy = map.view.p2.image();
    EXPECT_EQ(copy.pixel(5, 3), platform::toQRgb(map.view.p2.backColor()));
    EXPECT_EQ(copy.pixel(5, 20), map.view.p1.image().pixel(200 + 5, 20 - 7));
}

TEST_F(SnapTest, TheDragPreviewShiftsTheRegion) {
    MapWindow& map = patterned();
    // The cursor moved 30 units (10 pixels) right and 60 units (20 pixels) up of the press.
    render::paintShownMap(map, -30, 60);
    const QPoint at = corner(map);
    EXPECT_EQ(map.view.p2.image().copy(10, 0, 100, 100), region(map, at.x(), at.y() + 20).copy(0, 0, 100, 100));
}

TEST_F(SnapTest, HideSnapHidesAndClears) {
    MapWindow& map = patterned();
    render::snap(map);
    render::hideSnap(map);
    EXPECT_FALSE(map.view.p2.visible());
    EXPECT_NE(map.view.p2.image(), region(map, 801, 794));
}

} // namespace
} // namespace core::testing
