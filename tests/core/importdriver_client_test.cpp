// The window's side of an import: what the start of the node loop changes, and the cancel test,
// which lets waiting events through on a time basis only.

#include "basic/clock.h"
#include "core/importclient.h"
#include "core/progress.h"
#include "core/window_fixture.h"
#include "platform/events.h"
#include "platform/hourglass.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <thread>

namespace core::testing {
namespace {

class ImportClientTest : public WindowTest {
protected:
    void TearDown() override {
        platform::hourglassOff();
        WindowTest::TearDown();
    }
};

TEST_F(ImportClientTest, TheNodeLoopStartsTheClockAndTakesTheMapPicture) {
    MapWindow& map = load();
    map.view.VS.setValue(0);
    map.view.hs.setValue(0);
    WindowImportClient client(map, {});
    const double before = basic::monotonicSeconds();
    client.nodeLoopStarts(25000, 1.6f);
    EXPECT_TRUE(map.d.mapLoading);
    EXPECT_FALSE(map.view.p1.enabled());
    EXPECT_EQ(map.view.VS.value(), basic::cint(map.view.VS.max() / 2.0));
    EXPECT_EQ(map.view.hs.value(), basic::cint(map.view.hs.max() / 2.0));
    EXPECT_EQ(map.view.p1.left(), -map.view.hs.value()); // the bars placed the picture
    EXPECT_EQ(map.d.loadRate, 1.6f);
    EXPECT_GE(map.g.loadStart, before);
    EXPECT_EQ(platform::screenMousePointer(), platform::kHourglassPointer);
}

// A click on "Cancel" waits in the queue: the nodes of one time slice do not see it, the first
// poll of the next slice lets it through and stops the loop.
TEST_F(ImportClientTest, WaitingEventsRunOncePerTimeSlice) {
    MapWindow& map = load();
    WindowImportClient client(map, {});
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

} // namespace
} // namespace core::testing
