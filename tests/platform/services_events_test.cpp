#include "platform/events.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <thread>

namespace platform {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(ServicesInputPending, AnswersOncePerInterval) {
    resetInputPending();
    std::this_thread::sleep_for(kInputPendingInterval + 5ms);
    EXPECT_EQ(inputPending(), kInputPendingKinds); // the first call after the interval
    EXPECT_EQ(inputPending(), 0);                  // an immediate second call
}

TEST(ServicesInputPending, TightLoopYieldsAtMostOncePerInterval) {
    resetInputPending();
    auto start = Clock::now();
    int yes = 0;
    while (Clock::now() - start < 5 * kInputPendingInterval) {
        if (inputPending() != 0) ++yes;
    }
    auto elapsed = Clock::now() - start;
    // At least one answer, and never two within one interval, however the loop was scheduled.
    EXPECT_GE(yes, 1);
    EXPECT_LE(yes, elapsed / kInputPendingInterval);
}

TEST(ServicesDoEvents, RunsPostedAndTimerEvents) {
    bool queued = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&queued] { queued = true; }, Qt::QueuedConnection);
    bool timed = false;
    QTimer::singleShot(0, [&timed] { timed = true; });
    doEvents();
    EXPECT_TRUE(queued);
    EXPECT_TRUE(timed);
}

} // namespace
} // namespace platform
