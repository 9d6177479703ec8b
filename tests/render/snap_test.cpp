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
    MapWindow& patterned() {
        MapWindow& map = load();
        init(map);
        QImage& image = map.view.p1.image();
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] = qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8));
        }
        return map;
    }

    // The part of p1's image at (left, top) the size of p2.
    static QImage region(const MapWindow& map, int left, int top) {
        return map.view.p1.image().copy(left, top, map.view.p2.pixelWidth(), map.view.p2.pixelHeight());
    }
};

TEST_F(SnapTest, AtTheRestPositionItCopiesFromTheFixedCorner) {
    MapWindow& map = patterned();
    ASSERT_EQ(map.view.p2.pixelWidth(), map.view.Picture1.pixelWidth());
    render::snap(map);
    EXPECT_TRUE(map.view.p2.visible());
    EXPECT_FALSE(map.view.p2.autoRedraw());
    // The corner (12010, 11910) in twips is the pixel (801, 794) of p1.
    EXPECT_EQ(map.view.p2.image(), region(map, 801, 794));
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
    EXPECT_EQ(map.view.p2.image().copy(10, 0, 100, 100), region(map, 801, 794 + 20).copy(0, 0, 100, 100));
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
