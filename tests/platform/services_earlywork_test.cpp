// Work begun early on a worker thread, and the font configuration read that way.

#include "platform/fontconfigload.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace platform {
namespace {

TEST(EarlyWork, RunsOnAWorkerAndWaitReturnsOnlyWhenItIsDone) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> done{false};
    std::thread::id worker;
    EarlyWork work([&] {
        worker = std::this_thread::get_id();
        released.wait();
        done = true;
    });
    EXPECT_FALSE(done) << "the work waits for its release";
    release.set_value();
    work.wait();
    EXPECT_TRUE(done);
    EXPECT_NE(worker, std::this_thread::get_id());
    work.wait(); // a second wait returns at once
}

TEST(EarlyWork, TheEndWaitsForWorkNobodyWaitedFor) {
    std::atomic<int> runs{0};
    {
        EarlyWork work([&] { ++runs; });
    }
    EXPECT_EQ(runs, 1);
}

TEST(EarlyWork, FontConfigurationReadEarlyServesTheTextLayout) {
    awaitFontConfigLoad(); // never started: returns at once
    startFontConfigLoad();
    startFontConfigLoad();
    awaitFontConfigLoad();
    awaitFontConfigLoad();
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
    EXPECT_GT(QFontMetrics(QFont()).horizontalAdvance(QStringLiteral("Varnoke")), 0);
}

} // namespace
} // namespace platform
