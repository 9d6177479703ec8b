// The decisions of navigation: what a release does, the zoom of a box, the cursor read-out and
// the gathering of wheel turns; the GPX waypoints over a click.

#include "core/navigation.h"
#include "core/window_fixture.h"
#include "platform/control.h"

#include <clocale>
#include <deque>
#include <gtest/gtest.h>
#include <string>

namespace core {
namespace {

using platform::kLeftButton;
using platform::kMiddleButton;
using platform::kRightButton;

TEST(Navigation, ReleaseClassification) {
    struct Case {
        const char* name;
        int button;
        bool routeDrawing, routeHold;
        double dx, dy;
        Release expected;
    };
    const Case cases[] = {
        // Both axes must reach 2 x 1.4 for a drag.
        {"left nudge", kLeftButton, false, false, 3, 1, Release::Click},
        // A left move short of the preview stays a click, however far along both axes.
        {"left without preview", kLeftButton, false, false, 40, -40, Release::Click},
        {"left with preview", kLeftButton, false, true, 60, 60, Release::Pan},
        // A preview dragged along one axis only still pans.
        {"left preview one axis", kLeftButton, false, true, 100, 0, Release::Pan},
        {"route click", kLeftButton, true, false, 0, 0, Release::RoutePoint},
        {"route short drag", kLeftButton, true, false, 30, 30, Release::RoutePoint},
        {"route mode preview", kLeftButton, true, true, 0, 80, Release::Pan},
        {"right box", kRightButton, false, false, -10, 10, Release::ZoomBox},
        {"right box at 2.8", kRightButton, false, false, 2.8, 2.8, Release::ZoomBox},
        {"right thin box", kRightButton, false, false, 100, 1, Release::Click},
        {"right click", kRightButton, true, false, 0, 0, Release::Click},
        {"middle click", kMiddleButton, false, false, 0, 0, Release::OtherButton},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classifyRelease(c.button, c.routeDrawing, c.routeHold, c.dx, c.dy, 1.4f), c.expected)
            << c.name;
}

TEST(Navigation, BoxZoomGrowsByTheLargerSideUpTo50) {
    EXPECT_FLOAT_EQ(*boxZoom(2, 6000, 100, 300), 2 + 6000.0f / 300 / 6);
    EXPECT_FLOAT_EQ(*boxZoom(2, 6000, 300, 100), 2 + 6000.0f / 300 / 6);
    EXPECT_FLOAT_EQ(*boxZoom(1.4f, 6000, 200, 200), 1.4f + 5);
    EXPECT_EQ(*boxZoom(2, 6000, 10, 10), 50);
    EXPECT_FALSE(boxZoom(2, 6000, 0, 0));
}

TEST(Navigation, CursorReadOutUnderAnyLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale;
        EXPECT_EQ(cursorText({-0.25f, 51.5f}), "-.2500 , 51.5000") << locale;
        EXPECT_EQ(cursorText({0.5f, -0.1234f}), ".5000 , -.1234") << locale;
        EXPECT_EQ(cursorText({151.20999f, -33.86882f}), "151.2100 , -33.8688") << locale;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

// Takes the queued deltas one by one, 0 once they are used up.
struct Queue {
    std::deque<int> deltas;
    int operator()() {
        if (deltas.empty()) return 0;
        const int delta = deltas.front();
        deltas.pop_front();
        return delta;
    }
};

TEST(Navigation, WheelTurnsGatherIntoWholeNotches) {
    WheelSteps wheel;
    Queue notch{{120}};
    EXPECT_EQ(wheel.next(notch), 1);
    EXPECT_EQ(wheel.next(notch), 0);

    // Fine deltas: one step once a notch's worth is in, the rest waits for more.
    Queue fine{{15, 15, 15, 15, 15, 15, 15, 20, 15}};
    EXPECT_EQ(wheel.next(fine), 1);
    EXPECT_EQ(fine.deltas.size(), 1u);
    EXPECT_EQ(wheel.next(fine), 0);
    Queue rest{{-5, -115, -120}};
    // Turning back drops what was gathered the other way.
    EXPECT_EQ(wheel.next(rest), -1);
    EXPECT_EQ(wheel.next(rest), -1);
    EXPECT_EQ(wheel.next(rest), 0);

    // A turn of several notches at once gives one step per call.
    Queue fast{{360}};
    EXPECT_EQ(wheel.next(fast), 1);
    EXPECT_EQ(wheel.next(fast), 1);
    EXPECT_EQ(wheel.next(fast), 1);
    EXPECT_EQ(wheel.next(fast), 0);
}

using WaypointClickTest = testing::WindowTest;

// Releases short of a drag at zoom 1.4: in place, one axis short of 2.8, moved without a preview.
TEST_F(WaypointClickTest, TheWaypointsAPressHidGoBackWhenNoDragFollows) {
    MapWindow& map = load();
    map.markers.gps.load(1).setVisible(true);
    map.data.gpsCount = 2; // marker 2 not loaded
    for (const auto [dx, dy] : {std::pair{0.0, 0.0}, std::pair{3.0, 1.0}, std::pair{40.0, -40.0}}) {
        p1_MouseDown(map, kLeftButton, 4000, 3300);
        EXPECT_FALSE(map.markers.gps[1].visible()) << "hidden for a drag";
        p1_MouseUp(map, kLeftButton, 4000 + dx, 3300 + dy);
        EXPECT_TRUE(map.markers.gps[1].visible()) << dx << "," << dy;
    }
}

} // namespace
} // namespace core
