// The route's drawing, length and travel time.

#include "core/window_fixture.h"
#include "routes/route.h"
#include "window/view.h"
#include "window/viewwindow.h"

#include <string>
#include <tuple>
#include <utility>

namespace core::testing {
namespace {

TEST(Route, TravelTimeInHoursAndMinutes) {
    struct Case {
        float miles, speed;
        std::string expected;
    };
    for (const Case& c : {
             Case{0, 3.3f, "0 hrs"},
             Case{3.3f, 3.3f, "1 hrs"},
             Case{4.95f, 3.3f, "1 hrs 30 mins"},
             Case{0.275f, 3.3f, "0 hrs 05 mins"},
             Case{1.9933333f, 1, "2 hrs 00 mins"}, // 119.6 minutes
             Case{12.34f, 3.3f, "3 hrs 44 mins"},
             Case{69.09f, 3.3f, "20 hrs 56 mins"},
             // Half minutes go to the even minute, down and up.
             Case{0.025f, 1, "0 hrs 02 mins"}, // 1.5 minutes
             Case{0.075f, 1, "0 hrs 04 mins"}, // 4.5 minutes
             Case{1.175f, 1, "1 hrs 10 mins"}, // 70.5 minutes
             Case{1.125f, 1, "1 hrs 08 mins"}, // 67.5 minutes
             // Hours whose text has an exponent and no point still go through the minutes.
             Case{0.00001f, 1, "0 hrs 00 mins"},
             Case{1e7f, 1, "10000000 hrs 00 mins"},
         }) {
        EXPECT_EQ(routes::fntim(c.miles, c.speed), c.expected) << c.miles << " at " << c.speed;
    }
}

TEST(Route, StatusTextOfLengthAndTime) {
    struct Case {
        float miles;
        std::string expected;
    };
    for (const Case& c : {
             Case{0, ".00 ml    0 hrs"},
             Case{0.27f, ".27 ml    0 hrs 05 mins"},
             Case{0.6909f, ".69 ml    0 hrs 13 mins"},
             Case{1.65f, "1.65 ml    0 hrs 30 mins"},
             Case{3.3f, "3.30 ml    1 hrs"},
             Case{12.3456f, "12.34 ml    3 hrs 44 mins"},
             Case{1e-6f, ".00 ml    0 hrs"},
         }) {
        EXPECT_EQ(routes::lengthAndTime(c.miles, 3.3f), c.expected) << c.miles;
    }
}

class RouteTest : public WindowTest {
protected:
    // A loaded window at the start view over a file whose origin is (-0.5, 52.5).
    MapWindow& mapWithRoute(int points) {
        MapWindow& map = load();
        init(map);
        map.data.mapLon0 = -0.5f;
        map.data.mapLat0 = 52.5f;
        map.data.mapScale = 4800;
        for (int i = 1; i <= points; ++i) {
            map.data.routeLat[static_cast<size_t>(i)] = 52.5f - static_cast<float>(i - 1);
            map.data.routeLon[static_cast<size_t>(i)] = -0.1f;
        }
        map.data.routeCount = static_cast<basic::Integer>(points);
        return map;
    }

    static void loadElements(MapWindow& map, int count) {
        for (int i = 1; i <= count; ++i) {
            map.markers.Lin.load(i);
            map.markers.plt.load(i);
        }
    }

    static std::pair<Single, Single> pictureOf(const MapWindow& map, int i) {
        const auto at = static_cast<size_t>(i);
        return {pictureX(map.global, static_cast<Single>(mapX(map.data, map.data.routeLon[at]))),
                pictureY(map.global, static_cast<Single>(mapY(map.data, map.data.routeLat[at])))};
    }
};

TEST_F(RouteTest, SegmentsRunFromPointToPointWithMarkersCentredAndTheLengthShown) {
    const struct {
        Single secondLat;
        const char* shown;
    } cases[] = {
        {51.5f, "69.09 ml    20 hrs 56 mins"},          // one degree of latitude at 3.3 mph
        {52.5f - 0.005f, ".34 ml    0 hrs 06 mins"}, // about a third of a mile: no leading zero
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        MapWindow& map = mapWithRoute(2);
        map.data.routeLat[2] = c.secondLat;
        loadElements(map, 2);
        routes::plotroute(map);

        const auto [x1, y1] = pictureOf(map, 1);
        const auto [x2, y2] = pictureOf(map, 2);
        const platform::LineControl& first = map.markers.Lin[1];
        EXPECT_EQ(std::tuple(first.x1(), first.y1(), first.x2(), first.y2()), std::tuple(x1, y1, x2, y2));
        const platform::LineControl& last = map.markers.Lin[2];
        EXPECT_EQ(std::tuple(last.x1(), last.y1(), last.x2(), last.y2()), std::tuple(x2, y2, x2, y2));
        const platform::ImageControl& model = map.markers.plt[0];
        EXPECT_FLOAT_EQ(map.markers.plt[2].left() + model.width() / 2, x2);
        EXPECT_FLOAT_EQ(map.markers.plt[2].top() + model.height() / 2, y2);
        for (int i = 1; i <= 2; ++i) {
            EXPECT_TRUE(map.markers.Lin[i].visible());
            EXPECT_TRUE(map.markers.plt[i].visible());
        }
        EXPECT_EQ(map.view.sb1.panelText(2), c.shown);
        EXPECT_EQ(map.view.p1.drawWidth(), 2);
    }
}

TEST_F(RouteTest, AMissingElementIsReportedAndTheRestStillDrawn) {
    MapWindow& map = mapWithRoute(3);
    loadElements(map, 2);
    for (int i = 0; i < 3; ++i)
        dialogs().scriptMsgBox(platform::msgbox::Ok);
    routes::plotroute(map);
    // Point 3's line, marker and line again fail, one message each.
    EXPECT_EQ(dialogs().shown().size(), 3u);
    EXPECT_TRUE(map.markers.plt[2].visible());
    EXPECT_EQ(map.view.sb1.panelText(2), "138.18 ml    41 hrs 52 mins");
}

TEST_F(RouteTest, TheStatusPanelFitsTheWholeRouteTextOnA1920PixelScreen) {
    platform::StatusBar& bar = loadOnScreen(kWideScreen).view.sb1;
    for (const float miles : {0.82f, 13.39f, 1234.56f}) {
        bar.setPanelText(2, routes::lengthAndTime(miles, 3.3f));
        // The text stands 3 pixels in from the panel's left edge and 2 from its right.
        const QString text = QString::fromStdString(bar.panelText(2));
        EXPECT_GE(bar.panelWidth(2) / 15 - 5, bar.widget()->fontMetrics().horizontalAdvance(text)) << miles;
    }
    bar.setPanelText(2, "");
    EXPECT_EQ(bar.panelWidth(2), 2000) << "the layout's width is the least";
}

} // namespace
} // namespace core::testing
