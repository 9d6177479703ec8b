// The window's side of an import: what the start of the node loop changes, the cancel test,
// which lets waiting events through on a time basis only, the counts on the count labels and
// label widths in the map's font.

#include "basic/clock.h"
#include "core/importlistener.h"
#include "core/progress.h"
#include "core/window_fixture.h"
#include "platform/events.h"
#include "platform/fault_testing.h"
#include "platform/hourglass.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <thread>

namespace core::testing {
namespace {

class ImportListenerTest : public WindowTest {
protected:
    void TearDown() override {
        platform::hourglassOff();
        WindowTest::TearDown();
    }
};

TEST_F(ImportListenerTest, TheNodeLoopStartsTheClockAndTakesTheMapPicture) {
    MapWindow& map = load();
    map.view.VS.setValue(0);
    map.view.hs.setValue(0);
    WindowImportListener client(map, {});
    const double before = basic::monotonicSeconds();
    client.nodeLoopStarts(25000, 1.6f);
    EXPECT_TRUE(map.data.mapLoading);
    EXPECT_FALSE(map.view.p1.enabled());
    EXPECT_EQ(map.view.VS.value(), basic::cint(map.view.VS.max() / 2.0));
    EXPECT_EQ(map.view.hs.value(), basic::cint(map.view.hs.max() / 2.0));
    EXPECT_EQ(map.view.p1.left(), -map.view.hs.value()); // the bars placed the picture
    EXPECT_EQ(map.data.loadRate, 1.6f);
    EXPECT_EQ(map.data.loadNodes, 25000);
    EXPECT_GE(map.global.loadStart, before);
    EXPECT_EQ(platform::screenMousePointer(), platform::kHourglassPointer);
}

// A click on "Cancel" waits in the queue: the nodes of one time slice do not see it, the first
// poll of the next slice lets it through and stops the loop.
TEST_F(ImportListenerTest, WaitingEventsRunOncePerTimeSlice) {
    MapWindow& map = load();
    WindowImportListener client(map, {});
    platform::resetInputPending();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&map] { Command2_Click(map); }, Qt::QueuedConnection);
    int cancelledAt = 0;
    for (int node = 1; node <= 1000 && !cancelledAt; ++node)
        if (client.cancelRequested()) cancelledAt = node;
    EXPECT_EQ(cancelledAt, 0);
    std::this_thread::sleep_for(platform::kInputPendingInterval + std::chrono::milliseconds(5));
    EXPECT_TRUE(client.cancelRequested());
}

TEST_F(ImportListenerTest, CountsAndMarkerCaptionsGoToTheCountLabels) {
    MapWindow& map = load();
    auto& numb = map.legendStrip.numb;
    WindowImportListener listener(map, {});

    // No 16-bit ceiling on a count.
    listener.count(23, 32768);
    EXPECT_EQ(numb[23].caption(), "32768");

    listener.emptyTagCounted(40000);
    EXPECT_EQ(numb[27].caption(), "40000");

    map.data.questAreaCount = 2;
    listener.bridgeCounted(5);
    EXPECT_EQ(numb[29].caption(), "3");

    listener.caption(osmimport::kChainCaption, 3);
    listener.questCaption(7);
    EXPECT_EQ(numb[31].caption(), "3");
    EXPECT_EQ(numb[29].caption(), "7");

    osmimport::ProjectData data;
    data.fixmeCount = 4;
    data.noteCount = 6;
    map.data.shape1Count = 3;
    listener.nodesRead(data);
    EXPECT_EQ(numb[32].caption(), "4");
    EXPECT_EQ(numb[28].caption(), "2");
    EXPECT_EQ(numb[33].caption(), "6");

    // A label that is not there is fault 340.
    EXPECT_EQ(platform::testing::faultOf([&] { listener.count(kCountLabels, 1); }), 340);
    EXPECT_EQ(platform::testing::faultOf([&] { listener.count(-1, 1); }), 340);
}

TEST_F(ImportListenerTest, LabelsAreMeasuredInTheMapFont) {
    MapWindow& map = load();
    WindowImportListener listener(map, {});
    map.view.p1.setFontSize(8);
    const basic::Single small = listener.textWidth("Village Green");
    EXPECT_GT(small, 0);
    EXPECT_EQ(small, static_cast<basic::Single>(map.view.p1.textWidth("Village Green")));
    map.view.p1.setFontSize(16);
    EXPECT_GT(listener.textWidth("Village Green"), small);
}

} // namespace
} // namespace core::testing
