#include "platform/busy.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace platform {
namespace {

// Runs the event loop for `ms` milliseconds.
void spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class ServicesBusyGate : public ::testing::Test {
protected:
    void TearDown() override { BusyGate::setBusyTest(nullptr); }
};

TEST_F(ServicesBusyGate, AsksTheInstalledTest) {
    EXPECT_FALSE(BusyGate::isBusy()); // no test installed
    bool busy = true;
    BusyGate::setBusyTest([&busy] { return busy; });
    EXPECT_TRUE(BusyGate::isBusy());
    busy = false;
    EXPECT_FALSE(BusyGate::isBusy());
    BusyGate::setBusyTest(nullptr);
    EXPECT_FALSE(BusyGate::isBusy());
}

TEST_F(ServicesBusyGate, DeferredCloseWaitsUntilTheOperationEnds) {
    bool busy = true;
    BusyGate::setBusyTest([&busy] { return busy; });
    int closes = 0;
    BusyGate::deferClose([&closes] { ++closes; });

    spin(200);
    EXPECT_EQ(closes, 0) << "closed while busy";

    busy = false;
    spin(200);
    EXPECT_EQ(closes, 1);
    spin(150);
    EXPECT_EQ(closes, 1) << "a deferred close runs once";
}

TEST_F(ServicesBusyGate, DeferredCloseWhenNotBusyRunsFromTheEventLoop) {
    int closes = 0;
    BusyGate::deferClose([&closes] { ++closes; });
    EXPECT_EQ(closes, 0); // never inside the caller
    spin(150);
    EXPECT_EQ(closes, 1);
}

} // namespace
} // namespace platform
