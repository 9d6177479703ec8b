// The point layers of the redraw: unnamed markers, the POI loop, search arrows, GPX or route,
// and the one-way arrow heads.

#include "core/window_fixture.h"
#include "platform/canvascolour.h"
#include "render/problemmarkers.h"
#include "render/drawerrors.h"
#include "render/markerlayers.h"
#include "routes/routelayer.h"

#include <cmath>

namespace render::testing {
namespace {

using core::testing::WindowTest;

constexpr QRgb kMap = 0xFF20A040;

// Nodes 1..3 at p1 (3000, 2400), (3600, 2400) and (4200, 2400): zoom 1, no offsets.
class LayerTest : public WindowTest {
protected:
    core::MapWindow& ready() {
        core::MapWindow& map = load();
        map.global.viewZoom = 1;
        map.global.viewOffX = 0;
        map.global.viewOffY = 0;
        map.data.sizeNodes(3);
        for (int i = 1; i <= 3; ++i) {
            map.data.nodeX[static_cast<size_t>(i)] = 2400 + 600 * i;
            map.data.nodeY[static_cast<size_t>(i)] = 2400;
        }
        map.view.p1.image().fill(kMap);
        return map;
    }

    static QRgb pixel(const core::MapWindow& map, double x, double y) {
        return map.view.p1.image().pixel(static_cast<int>(std::lround(x / 3)),
                                         static_cast<int>(std::lround(y / 3)));
    }

    template <class F> static void run(core::MapWindow& map, F layer) {
        DrawErrors errors;
        layer(map, errors);
    }
};

TEST_F(LayerTest, UnnamedMarkersCentredOnTheirNodesOrangeByFlag) {
    core::MapWindow& map = ready();
    map.data.noNameList = "1#3#";
    map.data.nonnCount = 2;
    map.data.noNameFlags = "01";
    run(map, placeUnnamedMarkers);
    const core::ImageArray& nonn = map.markers.nonn;
    ASSERT_TRUE(nonn.exists(1) && nonn.exists(2));
    EXPECT_DOUBLE_EQ(nonn[1].left() + nonn[0].width() / 2, 3000);
    EXPECT_DOUBLE_EQ(nonn[2].top() + nonn[0].height() / 2, 2400);
    EXPECT_EQ(pixel(map, 3000, 2400), kMap); // flag "0"
    EXPECT_NE(pixel(map, 4200, 2400), kMap); // flag "1": the orange disc
}

// An empty list gives the count -1: no marker; a marker without a flag digit gets no orange
// icon and nothing is read beyond the flags.
TEST_F(LayerTest, UnnamedMarkersWithoutListOrFlags) {
    core::MapWindow& map = ready();
    map.data.noNameList.clear();
    map.data.nonnCount = -1;
    run(map, placeUnnamedMarkers);
    EXPECT_EQ(map.markers.nonn.count(), 1);

    map.data.noNameList = "1#2#3#";
    map.data.nonnCount = 3;
    map.data.noNameFlags = "1";
    run(map, placeUnnamedMarkers);
    EXPECT_EQ(map.markers.nonn.count(), 4);
    EXPECT_NE(pixel(map, 3000, 2400), kMap);
    EXPECT_EQ(pixel(map, 3600, 2400), kMap);
    EXPECT_EQ(pixel(map, 4200, 2400), kMap);
    EXPECT_TRUE(dialogs().shown().empty());
}

// Every node record with a code is offered to the placement; the tip written back lands in
// nodeName. A Cancel ends the loop after the node in hand.
TEST_F(LayerTest, PoiLoopPlacesTheNodeRecordsAndStopsOnCancel) {
    core::MapWindow& map = ready();
    map.global.viewZoom = 2;
    map.global.viewOffX = -3000;
    map.global.viewOffY = -2400;
    map.data.nodeInfo[1] = "FIRStation#1";
    map.data.nodeName[1] = "Fire station";
    map.data.nodeInfo[2] = "TAG<tag k=\"barrier\"#2";
    map.data.nodeInfo[3] = "FIR#3";
    run(map, placePoiMarkers);
    EXPECT_EQ(map.data.fireCount, 2);
    EXPECT_EQ(map.markers.fire[1].tag(), "Fire station");
    EXPECT_EQ(map.data.shape1Count, 2);
    EXPECT_EQ(map.data.nodeName[2], " k=\"barrier\"#2");

    map.data.fireCount = 0;
    map.markers.fire.unload(1);
    map.markers.fire.unload(2);
    map.global.cancelRequested = true;
    map.data.nodeInfo[0] = "FIR#0";
    map.data.nodeX[0] = 3000;
    map.data.nodeY[0] = 2400;
    run(map, placePoiMarkers);
    EXPECT_EQ(map.data.fireCount, 1);
}

// Node hits give arrows 1..N, label hits after "$" arrows N+1..; empty pieces give none. A node
// hit that is an unnamed POI gets the orange icon under its arrow.
TEST_F(LayerTest, SearchArrowsNumberNodeHitsThenLabelHits) {
    core::MapWindow& map = ready();
    core::Markers& m = map.markers;
    for (int i = 1; i <= 3; ++i)
        m.pointr.load(i);
    for (const char* x : {"0", "0", "0", "1200"})
        m.List2[0].addItem(x);
    for (const char* y : {"0", "0", "0", "1500"})
        m.List2[1].addItem(y);
    map.data.pointrList = "#1##3#$4$";
    map.data.noNameList = "3#";
    run(map, placeSearchArrows);
    const platform::ImageControl& model = m.pointr[0];
    auto expectBeside = [&](int arrow, double x, double y) {
        SCOPED_TRACE(arrow);
        EXPECT_TRUE(m.pointr[arrow].visible());
        EXPECT_DOUBLE_EQ(m.pointr[arrow].left(), x + model.width() / 5);
        EXPECT_DOUBLE_EQ(m.pointr[arrow].top(), y - 1.2 * model.height());
    };
    expectBeside(1, 3000, 2400);
    expectBeside(2, 4200, 2400);
    expectBeside(3, 1200, 1500);
    EXPECT_EQ(pixel(map, 3000, 2400), kMap);
    EXPECT_NE(pixel(map, 4200, 2400), kMap);
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(LayerTest, NoSearchArrowsForAnEmptyList) {
    core::MapWindow& map = ready();
    map.data.pointrList = "#";
    run(map, placeSearchArrows);
    map.data.pointrList = "#$";
    run(map, placeSearchArrows);
    EXPECT_TRUE(dialogs().shown().empty());
}

// With fileSizeMB 2 the heads appear only above zoom 3.0. Direction 0: the shaft ends 30 units
// left of the node, the barbs 15 units long at 45 degrees above and below it, in QBColor(3).
TEST_F(LayerTest, OneWayArrowHeads) {
    core::MapWindow& map = ready();
    map.data.fileSizeMB = 2;
    map.data.onewayArrowList = "1#0$";
    map.global.viewZoom = 3;
    map.global.viewOffX = -3 * 3000 + 3000;
    map.global.viewOffY = -3 * 2400 + 2400;
    run(map, drawOnewayArrows);
    EXPECT_EQ(pixel(map, 3000, 2400), kMap);

    map.global.viewZoom = 3.01f;
    map.global.viewOffX = -3.01f * 3000 + 3000;
    map.global.viewOffY = -3.01f * 2400 + 2400;
    run(map, drawOnewayArrows);
    const QRgb cyan = platform::toQRgb(basic::qbColor(3));
    const double x = 3.01f * 3000 + map.global.viewOffX;
    const double y = 3.01f * 2400 + map.global.viewOffY;
    const double barb = 15 / std::sqrt(2.0);
    EXPECT_EQ(pixel(map, x, y), cyan);
    EXPECT_EQ(pixel(map, x - 27, y), cyan);
    EXPECT_EQ(pixel(map, x - 42, y), kMap);
    EXPECT_EQ(pixel(map, x + 9, y), kMap);
    EXPECT_EQ(pixel(map, x - barb, y - barb), cyan);
    EXPECT_EQ(pixel(map, x - barb, y + barb), cyan);
    EXPECT_EQ(pixel(map, x - 2 * barb, y - 2 * barb), kMap);
    EXPECT_EQ(map.view.p1.drawWidth(), 2);
}

// The piece after the last "$" is no entry; a list of one piece draws nothing. An entry without
// its direction takes the error path once.
TEST_F(LayerTest, OneWayListsWithoutEntries) {
    core::MapWindow& map = ready();
    map.global.viewZoom = 5;
    map.global.viewOffX = -4 * 3000;
    map.global.viewOffY = -4 * 2400;
    map.data.onewayArrowList = "1#0";
    run(map, drawOnewayArrows);
    EXPECT_EQ(pixel(map, 3000, 2400), kMap);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    map.data.onewayArrowList = "1$2$";
    run(map, drawOnewayArrows);
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "Subscript out of range");
}

// Every marker list of a damaged project file may name node 0 or a node beyond nodeCount: each
// layer passes such an entry over without a message, and nothing is drawn at node 0.
TEST_F(LayerTest, EveryLayerPassesOverNodesOutsideTheFile) {
    core::MapWindow& map = ready();
    core::Markers& m = map.markers;
    core::MapData& d = map.data;
    d.nodeX[0] = 600; // where node 0 would be drawn
    d.nodeY[0] = 600;
    d.fileSizeMB = 0;
    const QImage before = map.view.p1.image().copy();
    for (int i = 1; i <= 2; ++i)
        m.pointr.load(i);
    for (core::ImageArray* array : {&m.quot, &m.quest, &m.chain})
        for (int i = 2; i <= 3; ++i)
            array->load(i).setTag("AREA: x");
    d.noNameList = "0#4#";
    d.nonnCount = 2;
    d.noNameFlags = "11";
    d.pointrList = "#0#4#";
    d.onewayArrowList = "0#0$4#0$";
    d.quotList = "0#4#";
    d.questList = "0#4#";
    d.questCount = 3;
    d.chainList = "0#4#";
    d.chainCount = 3;
    DrawErrors errors;
    placeUnnamedMarkers(map, errors);
    placeSearchArrows(map, errors);
    drawOnewayArrows(map, errors);
    placeProblemMarkers(map, errors);

    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_EQ(m.nonn.count(), 1);
    for (int i = 1; i <= 2; ++i)
        EXPECT_FALSE(m.pointr[i].visible()) << i;
    for (const core::ImageArray* array : {&m.quot, &m.quest, &m.chain})
        for (int i = 2; i <= 3; ++i)
            EXPECT_FALSE((*array)[i].visible()) << i;
    EXPECT_EQ(d.questAreaCount, 0);
    EXPECT_EQ(d.unjoinedWayList, "");
    EXPECT_EQ(map.view.p1.image(), before);
}

// Imported points are shown, capped at 10000, while no route is being drawn; then the route
// waits. Without GPX points the route is drawn.
TEST_F(LayerTest, GpxPointsOrTheRoute) {
    core::MapWindow& map = ready();
    map.data.mapScale = 1000;
    map.data.gpxCount = 10001;
    map.data.routeActive = true;
    map.view.sb1.setPanelText(2, "");
    run(map, routes::drawGpxOrRoute);
    EXPECT_EQ(map.data.gptCount, 10000);
    EXPECT_TRUE(map.view.sb1.panelText(2).empty());

    map.data.routeDrawing = true;
    map.data.routeCount = 0;
    run(map, routes::drawGpxOrRoute);
    EXPECT_EQ(map.data.gptCount, 10000);
    EXPECT_FALSE(map.view.sb1.panelText(2).empty());
}

} // namespace
} // namespace render::testing
