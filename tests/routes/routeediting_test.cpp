// Editing the route on the map: the pop-up's insert and delete with their lengths, dragging a
// point (over the map, over an icon, off the map, cancelled, not moved), the tooltip, the double
// click, and what the busy program and a point outside the route leave alone.

#include "core/filemenu_output.h"
#include "core/shutdown.h"
#include "platform/controls_testing.h"
#include "routes/route_fixture.h"
#include "routes/routeediting.h"

#include <QTimer>
#include <tuple>

namespace routes::testing {
namespace {

constexpr int kBefore = 0;
constexpr int kAfter = 1;
constexpr int kDelete = -1;

const Point P1{51.50f, -0.10f};
const Point P2{51.51f, -0.10f};
const Point P3{51.51f, -0.08f};

using Picture = std::pair<double, double>;

class RouteEditingTest : public RouteWindowTest {
protected:
    // A route of three points 300 units apart across the middle of what the viewport shows.
    Picture routeAcrossTheView(core::MapWindow& map) {
        const platform::PictureBox& p1 = map.view.p1;
        const platform::PictureBox& frame = map.view.Picture1;
        using platform::scalemode::Twips;
        using platform::scalemode::User;
        const Picture centre{p1.scaleX(frame.scaleWidth() / 2 - p1.left(), Twips, User),
                             p1.scaleY(frame.scaleHeight() / 2 - p1.top(), Twips, User)};
        std::vector<Point> points;
        for (int i = -1; i <= 1; ++i) {
            const core::LonLat at = *core::pictureToLonLat(map.global, map.data, centre.first + 300 * i, centre.second);
            points.emplace_back(at.lat, at.lon);
        }
        setRoute(map, points);
        map.data.routeUnsaved = false;
        return centre;
    }

    static Picture markerCentre(const core::MapWindow& map, int i) {
        const platform::ImageControl& marker = map.markers.plt[i];
        return {marker.left() + marker.width() / 2, marker.top() + marker.height() / 2};
    }
    static QPoint pixelOf(const core::MapWindow& map, Picture at) {
        return map.view.p1.pixelPoint(at.first, at.second);
    }

    static void expectPointAt(const core::MapWindow& map, int i, Picture at) {
        const core::LonLat expected = *core::pictureToLonLat(map.global, map.data, at.first, at.second);
        EXPECT_EQ(routePoint(map, i), Point(expected.lat, expected.lon));
    }

    // Marker i shown on its point, both its segments meeting there.
    static void expectDrawnInPlace(const core::MapWindow& map, int i) {
        EXPECT_TRUE(map.markers.plt[i].visible());
        const auto [x, y] = markerCentre(map, i);
        const platform::LineControl& in = map.markers.Lin[i - 1];
        const platform::LineControl& out = map.markers.Lin[i];
        EXPECT_NEAR(std::fabs(in.x2() - x) + std::fabs(in.y2() - y), 0, 0.01);
        EXPECT_NEAR(std::fabs(out.x1() - x) + std::fabs(out.y1() - y), 0, 0.01);
    }
};

TEST_F(RouteEditingTest, InsertAndDeleteFromThePopUp) {
    const struct {
        int selected, entry;
        std::vector<Point> expected;
        const char* panel;
    } cases[] = {
        {3, kAfter, {P1, P2, P3, {51.51f, -0.07f}}, "1.98 ml    0 hrs 36 mins"},
        {1, kBefore, {{51.49f, -0.10f}, P1, P2, P3}, "2.24 ml    0 hrs 41 mins"},
        {1, kAfter, {P1, {51.505f, -0.10f}, P2, P3}, "1.55 ml    0 hrs 28 mins"},
        {2, kBefore, {P1, {51.505f, -0.10f}, P2, P3}, "1.55 ml    0 hrs 28 mins"},
        {3, kBefore, {P1, P2, {51.51f, -0.09f}, P3}, "1.55 ml    0 hrs 28 mins"},
        {2, kDelete, {P1, P3}, "1.10 ml    0 hrs 20 mins"},
        {3, kDelete, {P1, P2}, ".69 ml    0 hrs 13 mins"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.selected) + " " + std::to_string(c.entry));
        core::MapWindow& map = loadedMap();
        setRoute(map, {P1, P2, P3});
        map.data.routeUnsaved = false;
        map.data.routeSel = static_cast<basic::Integer>(c.selected);
        c.entry == kDelete ? mdel_Click(map) : madd_Click(map, c.entry);
        ASSERT_EQ(map.data.routeCount, static_cast<int>(c.expected.size()));
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_NEAR(routePoint(map, int(i) + 1).first, c.expected[i].first, 1e-5) << i + 1;
            EXPECT_NEAR(routePoint(map, int(i) + 1).second, c.expected[i].second, 1e-5) << i + 1;
        }
        EXPECT_EQ(map.view.sb1.panelText(2), c.panel);
        EXPECT_TRUE(map.data.routeUnsaved) << "an edit after a save is not lost at exit";
        expectElementsForEachPoint(map);
        EXPECT_TRUE(map.markers.plt[map.data.routeCount].visible());
    }
}

TEST_F(RouteEditingTest, OnePointAndTenThousandPoints) {
    const Point p{-33.9f, 18.4f};
    for (int entry : {kBefore, kAfter}) {
        core::MapWindow& map = loadedMap();
        setRoute(map, {p});
        EXPECT_EQ(map.view.sb1.panelText(2), ".00 ml    0 hrs");
        map.data.routeSel = 1;
        madd_Click(map, entry);
        const Single step = entry == kAfter ? 0.001f : -0.001f;
        const Point moved{p.first + step, p.second + step};
        EXPECT_EQ(std::pair(routePoint(map, 1), routePoint(map, 2)),
                  entry == kAfter ? std::pair(p, moved) : std::pair(moved, p));
        for (int i = 0; i < 2; ++i) {
            map.data.routeSel = 1;
            mdel_Click(map);
        }
        EXPECT_EQ(map.view.sb1.panelText(2), ".00 ml    0 hrs");
        expectElementsForEachPoint(map);
    }

    core::MapWindow& map = loadedMap();
    std::vector<Point> points(routes::kMaxRoutePoints, P1);
    points.back() = P2;
    setRoute(map, points);
    map.data.routeUnsaved = false;
    for (int entry : {kBefore, kAfter}) {
        map.data.routeSel = routes::kMaxRoutePoints;
        madd_Click(map, entry);
    }
    EXPECT_EQ(map.data.routeCount, routes::kMaxRoutePoints);
    EXPECT_EQ(routePoint(map, routes::kMaxRoutePoints), P2);
    EXPECT_FALSE(map.data.routeUnsaved);
    expectElementsForEachPoint(map);
}

TEST_F(RouteEditingTest, PopUpAndDropActOnlyOnAPointOfTheRouteAndNotWhileBusy) {
    core::MapWindow& map = loadedMap();
    const auto [x, y] = routeAcrossTheView(map);
    const std::vector<Point> before{routePoint(map, 1), routePoint(map, 2), routePoint(map, 3)};
    const auto tryEverything = [&] {
        madd_Click(map, kBefore);
        madd_Click(map, kAfter);
        mdel_Click(map);
        mrt_Click(map, 1, {}); // "Clear" would ask
        mrt_Click(map, 2, [](core::MapWindow&) { FAIL() << "saved"; });
        p1_DragOver(map, x, y);
        p1_DragDrop(map, map.markers.plt[2], x + 100, y + 100);
    };
    for (int selected : {-1, 0, 4}) {
        map.data.routeSel = static_cast<basic::Integer>(selected);
        tryEverything();
    }
    map.data.routeSel = 2;
    for (bool* flag : {&map.data.drawBusy, &map.data.mapLoading}) {
        *flag = true;
        tryEverything();
        plt_MouseDown(map, 1, platform::kLeftButton, 0, 0);
        *flag = false;
    }
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_EQ(map.data.routeCount, 3);
    EXPECT_EQ(std::vector<Point>({routePoint(map, 1), routePoint(map, 2), routePoint(map, 3)}), before);
    EXPECT_FALSE(map.data.routeUnsaved);
    EXPECT_TRUE(map.markers.plt[1].visible());
    expectDrawnInPlace(map, 2);
}

TEST_F(RouteEditingTest, ADraggedPointsSegmentsFollowTheCursorAndItLandsWhereDropped) {
    for (const auto& [lon0, lat0] : {std::pair{-0.5f, 52.5f}, std::pair{18.0f, -33.5f}}) {
        SCOPED_TRACE(lat0);
        core::MapWindow& map = loadedMap(lon0, lat0);
        const auto [cx, cy] = routeAcrossTheView(map);
        const Point first = routePoint(map, 1);
        plt_MouseDown(map, 2, platform::kLeftButton, 0, 0);
        EXPECT_FALSE(map.markers.plt[2].visible());
        p1_DragOver(map, cx + 40, cy + 170);
        const platform::LineControl& in = map.markers.Lin[1];
        const platform::LineControl& out = map.markers.Lin[2];
        EXPECT_EQ(std::tuple(in.x2(), in.y2(), out.x1(), out.y1()), std::tuple(cx + 40, cy + 170, cx + 40, cy + 170));

        p1_DragDrop(map, map.markers.plt[2], cx - 25.5, cy - 200);
        expectPointAt(map, 2, {cx - 25.5, cy - 200});
        EXPECT_EQ(routePoint(map, 1), first);
        EXPECT_TRUE(map.data.routeUnsaved);
        expectDrawnInPlace(map, 2);
        EXPECT_NEAR(markerCentre(map, 2).first, cx - 25.5, 0.05);
    }
}

TEST_F(RouteEditingTest, TheMouseDropsAPointOnAnIconAsOnTheMap) {
    core::MapWindow& map = loadedMap();
    const auto [cx, cy] = routeAcrossTheView(map);
    platform::ImageControl& pub = map.markers.pb.load(2);
    pub.move(cx, cy + 300);
    pub.setVisible(true);
    const QPoint onIcon = pixelOf(map, {cx + 10, cy + 310});
    ASSERT_EQ(map.view.p1.hitTest(onIcon), &pub);

    QWidget* widget = map.view.p1.host();
    platform::testing::press(widget, pixelOf(map, markerCentre(map, 3)));
    platform::testing::moveTo(widget, onIcon, Qt::LeftButton);
    platform::testing::release(widget, onIcon);
    expectPointAt(map, 3, {map.view.p1.fromClientPixelsX(onIcon.x()), map.view.p1.fromClientPixelsY(onIcon.y())});
    EXPECT_TRUE(map.markers.plt[3].visible());
}

TEST_F(RouteEditingTest, APointStaysWhenTheDragEndsOffTheMapIsCancelledOrNeverMoves) {
    core::MapWindow& map = loadedMap();
    routeAcrossTheView(map);
    const Point before = routePoint(map, 2);
    QWidget* widget = map.view.p1.host();
    const QPoint marker = pixelOf(map, markerCentre(map, 2));
    const QPoint elsewhere = marker + QPoint(30, 40);
    // Beyond the viewport's right edge, where p1 still lies but is not shown.
    const double hidden = map.view.p1.scaleX(map.view.Picture1.scaleWidth() - map.view.p1.left(),
                                             platform::scalemode::Twips, platform::scalemode::User) + 30;
    const QPoint offTheMap = pixelOf(map, {hidden, markerCentre(map, 2).second});
    const QPoint nowhere(-1, -1); // the release never comes: the next press cancels the drag
    for (const auto& [moveTo, releaseAt] : {std::pair{elsewhere, offTheMap}, std::pair{elsewhere, QPoint(-5, 20)},
                                            std::pair{marker, marker}, std::pair{elsewhere, nowhere}}) {
        platform::testing::press(widget, marker);
        ASSERT_FALSE(map.markers.plt[2].visible());
        if (moveTo != marker) platform::testing::moveTo(widget, moveTo, Qt::LeftButton);
        if (releaseAt == nowhere) {
            platform::testing::click(widget, QPoint(2, 2), Qt::RightButton);
        } else {
            platform::testing::release(widget, releaseAt);
        }
        EXPECT_EQ(routePoint(map, 2), before);
        EXPECT_FALSE(map.data.routeUnsaved);
        expectDrawnInPlace(map, 2);
    }
}

TEST_F(RouteEditingTest, TooltipDoubleClickAndThePopUp) {
    core::MapWindow& map = loadedMap();
    setRoute(map, {P1, P2, P3});
    plt_MouseMove(map, 2);
    EXPECT_EQ(map.markers.plt[2].toolTipText(), "Total : 1.55 ml    0 hrs 28 mins");

    map.markers.gps.load(1);
    for (auto* markers : {&map.markers.plt, &map.markers.gps}) {
        map.data.routeDrawing = true;
        markers->onDblClick(1);
        EXPECT_FALSE(map.data.routeDrawing);
    }

    QTimer::singleShot(0, [&] {
        map.menus.mdel.action()->trigger();
        map.menus.mroute.qmenu()->close();
    });
    plt_MouseDown(map, 2, platform::kRightButton, 0, 0);
    EXPECT_EQ(map.data.routeCount, 2) << "the pop-up's Delete Waypoint took point 2";
    EXPECT_EQ(routePoint(map, 2), P3);
}

TEST_F(RouteEditingTest, AnEditAfterASaveIsAskedAboutAtExit) {
    core::MapWindow& map = loadedMap();
    const auto [cx, cy] = routeAcrossTheView(map);
    map.data.routeUnsaved = true;
    dialogs().scriptSaveFile(appPath() + "/walk.gpx");
    core::saveRoute(map);
    ASSERT_FALSE(map.data.routeUnsaved);

    plt_MouseDown(map, 1, platform::kLeftButton, 0, 0);
    p1_DragDrop(map, map.markers.plt[1], cx - 100, cy + 100);
    dialogs().scriptMsgBox(platform::msgbox::No);
    bool cancel = false;
    core::Form_QueryUnload(map, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(dialogs().shown().back().text, "Your route has not been saved. Are you sure you want to exit?");
}

} // namespace
} // namespace routes::testing
