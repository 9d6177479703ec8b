// The drawing windows and the start view on screens of today's sizes: the zoom centre is the
// middle of the viewport left of the legend panel and every window covers what the viewport shows.

#include "window/view.h"
#include "window/viewwindow.h"
#include "core/window_fixture.h"
#include "render/drawwindows.h"

namespace core::testing {
namespace {

using render::DrawWindow;

using DrawWindowsTest = WindowTest;

std::vector<DrawWindow> every(const render::DrawWindows& w) {
    return {w.areas, w.ways, w.floodSeeds, w.streetNames, w.poiMarkers, w.tracks};
}

TEST_F(DrawWindowsTest, AtTheStartViewTheZoomCentreIsTheViewportsMiddleAndEveryWindowCoversIt) {
    for (const platform::ScreenSize screen : {kSmallScreen, kWideScreen}) {
        SCOPED_TRACE(screen.widthTwips);
        MapWindow& map = loadOnScreen(screen);
        init(map);
        const Viewport& v = map.view;
        // The zoom centre's pixel, counted from the viewport's top-left corner.
        const double x = v.p1.toPixelX(pictureX(map.global, kZoomCentreX)) + v.p1.left() / 15;
        const double y = v.p1.toPixelY(pictureY(map.global, kZoomCentreY)) + v.p1.top() / 15;
        EXPECT_NEAR(x, (map.legendPanel.Frame2.left() - v.Picture1.left()) / 30, 1);
        EXPECT_NEAR(y, v.Picture1.pixelHeight() / 2.0, 1);

        const DrawWindow visible = render::visiblePart(v);
        EXPECT_FLOAT_EQ(visible.right - visible.left, 3.0f * static_cast<float>(v.Picture1.pixelWidth()));
        EXPECT_FLOAT_EQ(visible.bottom - visible.top, 3.0f * static_cast<float>(v.Picture1.pixelHeight()));
        for (const DrawWindow& window : every(render::drawWindows(v))) {
            EXPECT_TRUE(window.contains(visible.left, visible.top));
            EXPECT_TRUE(window.contains(visible.right, visible.bottom));
        }
    }
}

TEST_F(DrawWindowsTest, WindowsGrowOnlyBeyondTheDesignedViewAndKeepTheirMargins) {
    MapWindow& map = load();
    init(map);
    showDesignedView(map);
    const render::DrawWindows designed = render::drawWindows(map.view);
    EXPECT_EQ(designed.areas, render::kAreaWindow);
    EXPECT_EQ(designed.ways, render::kWayWindow);
    EXPECT_EQ(designed.floodSeeds, render::kSeedWindow);
    EXPECT_EQ(designed.streetNames, render::kNameWindow);
    EXPECT_EQ(designed.poiMarkers, render::kPoiWindow);
    EXPECT_EQ(designed.tracks, render::kTrackWindow);

    // 200 units beyond the designed view on the left and at the bottom: windows that kept a margin
    // there move out by 200; the name window, which kept none on the left (nor at the top), just
    // reaches the visible edges there.
    const DrawWindow view = render::kDesignedView;
    const DrawWindow wider{view.left - 200, view.top, view.right, view.bottom + 200};
    EXPECT_EQ(render::grownWindow(render::kAreaWindow, wider), (DrawWindow{1300, 1500, 7500, 6200}));
    EXPECT_EQ(render::grownWindow(render::kNameWindow, wider), (DrawWindow{2203, 2383, 5900, 4700}));
    EXPECT_EQ(render::grownWindow(render::kSeedWindow, wider), (DrawWindow{1800, 1000, 6200, 5200}));
}

} // namespace
} // namespace core::testing
