#include "basic/clock.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace basic {
namespace {

TEST(ClockTest, NeverRunsBackwards) {
    double previous = monotonicSeconds();
    for (int i = 0; i < 1000; ++i) {
        const double now = monotonicSeconds();
        EXPECT_GE(now, previous);
        previous = now;
    }
}

TEST(ClockTest, StopwatchMeasuresFromItsLastStart) {
    Stopwatch watch;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GE(watch.seconds(), 0.02);

    Stopwatch around; // started before the restart, read after: it bounds what watch can show
    watch.restart();
    const double sinceRestart = watch.seconds();
    EXPECT_GE(sinceRestart, 0.0);
    EXPECT_LE(sinceRestart, around.seconds());
}

} // namespace
} // namespace basic
