// The window layout from a fixed screen (W 19200, H 14400) and status bar top (S 13500).

#include "basic/fault.h"
#include "core/startup.h"
#include "core/window_fixture.h"
#include "window/layout.h"
#include "window/view.h"

#include <QRectF>

namespace core::testing {
namespace {

using LayoutTest = WindowTest;

constexpr double W = kScreenWidth;
constexpr double S = kStatusTop;

struct Box {
    double left, top, width, height;
};

void expectPlace(const platform::Control& control, Box box) {
    SCOPED_TRACE(control.name());
    EXPECT_EQ(control.left(), box.left);
    EXPECT_EQ(control.top(), box.top);
    EXPECT_EQ(control.width(), box.width);
    EXPECT_EQ(control.height(), box.height);
}

TEST_F(LayoutTest, TheFixtureGivesTheStatusBarItsTop) {
    MapWindow& map = load();
    EXPECT_EQ(map.view.sb1.top(), S);
    EXPECT_EQ(map.view.sb1.width(), W);
}

TEST_F(LayoutTest, FirstRunPlacesThePanelsAroundTheViewport) {
    MapWindow& map = load(); // Form_Load runs setpanels once
    expectPlace(map.view.Picture1, {480, 690, W - 480 - 285, S - 690});
    EXPECT_EQ(map.view.Picture1.width(), 18435);
    expectPlace(map.strips.Frame3[kLeftStrip], {0, 690, 480, S - 690});
    // The right strip's height was taken while the left strip still stood at its design top.
    expectPlace(map.strips.Frame3[kRightStrip], {W - 285, 690, 285, S - 1884});
    expectPlace(map.legendPanel.Frame2, {17085, 690, 1830, S - 690});
    // The scroll bars keep the first placement of the viewport (both strips 285 wide).
    expectPlace(map.view.VS, {W - 285 - 315, 690, 315, S - 690});
    expectPlace(map.view.hs, {0, S, W - 2 * 285, 255});
    EXPECT_EQ(map.view.VS.max(), 12810 + 300 - 8010);
    EXPECT_EQ(map.view.hs.max(), 8010);
    for (const platform::Frame& page : map.legendPanel.Fram4)
        expectPlace(page, {45, 645, page.width(), S - 645});
    for (const platform::Frame* panel : {&map.problems.frame4, &map.search.Frame9, &map.search.Frame10}) {
        EXPECT_EQ(panel->left(), 502) << panel->name();
        EXPECT_EQ(panel->top(), 2235) << panel->name();
    }
    // Half the first viewport's width less its left, less half the panel's width; H / 2 high.
    EXPECT_EQ(map.progress.frm1.left(), (18630 - 285) / 2.0 - 2115 / 2.0);
    EXPECT_EQ(map.progress.frm1.top(), 7200);
    expectPlace(map.view.p2, {480, 690, 18435, S - 690});
    for (const platform::Frame& frame : map.toolbars.Frame7)
        EXPECT_EQ(frame.width(), map.toolbars.Image4[0].width());
}

TEST_F(LayoutTest, StatusBarPanelsTakeTheirWidthsAndTheFirstTheRest) {
    MapWindow& map = load();
    const platform::StatusBar& bar = map.view.sb1;
    EXPECT_EQ(bar.panelText(1), "  ");
    EXPECT_EQ(bar.panelWidth(2), 2000);
    EXPECT_EQ(bar.panelWidth(3), 2000);
    EXPECT_EQ(bar.panelWidth(4), 1000);
    EXPECT_EQ(bar.panelWidth(5), 1500);
    EXPECT_DOUBLE_EQ(bar.panelWidth(1), 0.85 * W - 3500);
}

TEST_F(LayoutTest, SecondRunMakesTheRightStripAsHighAsTheViewportAndKeeps28Categories) {
    MapWindow& map = load();
    EXPECT_EQ(map.search.Combo1.listCount(), 28);
    setpanels(map);
    EXPECT_EQ(map.strips.Frame3[kRightStrip].height(), map.view.Picture1.height());
    EXPECT_EQ(map.strips.Frame3[kRightStrip].height(), S - 690);
    ASSERT_EQ(map.search.Combo1.listCount(), 28);
    EXPECT_EQ(map.search.Combo1.list(0), "All POIs");
    EXPECT_EQ(map.search.Combo1.list(5), "Cafes,Bars,Fast Food");
    EXPECT_EQ(map.search.Combo1.list(27), "Car Parks");
    EXPECT_EQ(map.search.Combo1.text(), "POINTS OF INTERST");
}

QRectF placeOf(const platform::Control& control) {
    return {control.left(), control.top(), control.width(), control.height()};
}

TEST_F(LayoutTest, ZoomButtonsAndTheZoomCentreKeepToTheMapTheLegendPanelLeavesUncovered) {
    for (const platform::ScreenSize screen : {kWideScreen, kSmallScreen}) {
        MapWindow& map = loadOnScreen(screen);
        init(map);
        const Viewport& v = map.view;
        const QRectF legend = placeOf(map.legendPanel.Frame2);
        for (const bool legendShown : {true, false, true}) {
            showLegendPanel(map, legendShown);
            QRectF uncovered = placeOf(v.Picture1);
            if (legendShown) uncovered.setRight(legend.left());
            for (const bool zoomLeft : {true, false}) {
                SCOPED_TRACE(::testing::Message() << screen.widthTwips << legendShown << zoomLeft);
                map.global.settings.zoomLeft = zoomLeft;
                placezoom(map);
                for (const platform::Frame& frame : map.toolbars.Frame7) {
                    EXPECT_TRUE(frame.visible() && uncovered.contains(placeOf(frame)));
                    EXPECT_FALSE(placeOf(frame).intersects(placeOf(v.VS)));
                    EXPECT_FALSE(legendShown && placeOf(frame).intersects(legend));
                }
                EXPECT_EQ(std::pair(map.toolbars.Frame7[0].top(), map.toolbars.Frame7[1].top()),
                          std::pair(1095.0, 1560.0));
            }
            // The zoom centre of p1 on the form, within a pixel.
            EXPECT_NEAR(v.Picture1.left() + v.p1.left() + v.p1.toPixelX(kZoomCentreX) * 15,
                        uncovered.center().x(), 15);
            EXPECT_NEAR(v.Picture1.top() + v.p1.top() + v.p1.toPixelY(kZoomCentreY) * 15,
                        uncovered.center().y(), 15);
        }
    }
}

TEST_F(LayoutTest, HidingTheLegendPanelStillFitsTheScrollBarsToTheViewport) {
    MapWindow& map = load();
    map.view.hs.setWidth(100);
    map.view.VS.setLeft(5);
    showLegendPanel(map, false);
    EXPECT_FALSE(map.legendPanel.Frame2.visible());
    EXPECT_EQ(map.view.hs.width(), 18435);
    EXPECT_EQ(map.view.VS.left(), W - 285 - 315) << "at the viewport's right edge";
    showLegendPanel(map, true);
    EXPECT_TRUE(map.legendPanel.Frame2.visible());
}

TEST_F(LayoutTest, ProblemPanelStaysAboveTheStatusBar) {
    MapWindow& map = load();
    struct Case {
        double offset, top;
    };
    const double height = map.problems.frame4.height();
    for (const Case c : {Case{0, 690}, Case{450, 1140}, Case{S - 690 - height, S - height},
                         Case{S - 690 - height + 1, S - height}, Case{6000, 6690}, Case{12000, S - height}}) {
        placeProblemPanel(map, c.offset);
        EXPECT_EQ(map.problems.frame4.top(), c.top) << c.offset;
        EXPECT_LE(map.problems.frame4.top() + height, S);
    }
}

TEST_F(LayoutTest, BringToFrontAndShowShowsAHiddenPanel) {
    MapWindow& map = load();
    ASSERT_FALSE(map.search.Frame9.visible());
    bringToFrontAndShow(map.search.Frame9);
    EXPECT_TRUE(map.search.Frame9.visible());
}

TEST_F(LayoutTest, AScreenTooNarrowEndsTheLayoutWithAFaultAndStartUpGoesOn) {
    platform::injectScreenSize({3000, 14400});
    MapWindow& map = load(S, 3000);
    // Start-up skipped the failing layout and still set the caption.
    EXPECT_EQ(map.form.caption(), "Varnoke:1.971 ");
    try {
        setpanels(map);
        FAIL() << "a negative status panel width must be refused";
    } catch (const basic::RuntimeFault& fault) {
        EXPECT_EQ(fault.number(), basic::fault::InvalidPropertyValue);
    }
}

} // namespace
} // namespace core::testing
