#include "basic/orderedchunks.h"

#include "fault_of.h"

#include <gtest/gtest.h>
#include <atomic>
#include <thread>
#include <vector>

namespace basic {
namespace {

// Squares prepared into the slots and summed up in order: the applies see every element once,
// in order, with the result its own chunk prepared.
TEST(OrderedChunksTest, AppliesEveryChunkInOrderWithItsOwnResults) {
    struct Plan {
        std::size_t elements, chunk;
        unsigned helpers;
    };
    for (const Plan p : {Plan{0, 4, 3}, Plan{1, 4, 3}, Plan{10, 1, 0}, Plan{10, 3, 1}, Plan{1000, 1, 7},
                         Plan{1000, 7, 3}, Plan{1000, 0, 2}}) {
        const ChunkPlan plan{p.chunk, p.helpers};
        std::vector<std::vector<std::size_t>> slots(chunkSlots(plan));
        std::vector<std::size_t> seen;
        const bool done = runOrderedChunks(
            p.elements, plan,
            [&](std::size_t chunk, std::size_t first, std::size_t last, const ChunkWork&) {
                std::vector<std::size_t>& slot = slots[chunk % slots.size()];
                slot.clear();
                for (std::size_t k = first; k < last; ++k)
                    slot.push_back(k * k);
            },
            [&](std::size_t chunk, std::size_t first, std::size_t last) {
                const std::vector<std::size_t>& slot = slots[chunk % slots.size()];
                EXPECT_EQ(slot.size(), last - first);
                for (std::size_t k = first; k < last; ++k)
                    seen.push_back(slot[k - first]);
                return true;
            },
            [] { return false; });
        EXPECT_TRUE(done);
        ASSERT_EQ(seen.size(), p.elements) << p.elements << " in chunks of " << p.chunk;
        for (std::size_t k = 0; k < seen.size(); ++k)
            ASSERT_EQ(seen[k], k * k) << "element " << k << ", chunks of " << p.chunk;
    }
}

TEST(OrderedChunksTest, AnApplyThatSaysStopEndsTheRun) {
    std::vector<std::size_t> applied;
    const bool done = runOrderedChunks(
        100, ChunkPlan{5, 3}, [](std::size_t, std::size_t, std::size_t, const ChunkWork&) {},
        [&](std::size_t chunk, std::size_t, std::size_t) {
            applied.push_back(chunk);
            return chunk < 4;
        },
        [] { return false; });
    EXPECT_FALSE(done);
    EXPECT_EQ(applied, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
}

// A helper's chunk that would never finish by itself: the wait's cancel ends the run, and the
// helper sees the stop at its next element.
TEST(OrderedChunksTest, ACancelWhileWaitingStopsTheHelpers) {
    std::atomic<bool> helperBusy{false};
    long asked = 0;
    const bool done = runOrderedChunks(
        50, ChunkPlan{1, 2},
        [&](std::size_t, std::size_t, std::size_t, const ChunkWork& work) {
            if (!work.onHelper()) return;
            helperBusy = true;
            while (!work.stopped())
                std::this_thread::yield();
        },
        [&](std::size_t, std::size_t, std::size_t) {
            // Applies wait until a helper holds a chunk, so that some chunk can only come from it.
            while (!helperBusy)
                std::this_thread::yield();
            return true;
        },
        [&] { return ++asked == 3; });
    EXPECT_FALSE(done);
    EXPECT_EQ(asked, 3);
}

TEST(OrderedChunksTest, SmallRunsStartNoThreads) {
    EXPECT_EQ(planFor(100, 8, 1000, 7).helpers, 0u);
    EXPECT_EQ(planFor(1000, 8, 1000, 1000).helpers, usableCores() - 1);
    EXPECT_LE(planFor(1000, 8, 1000, 1).helpers, 1u);
    EXPECT_GE(usableCores(), 1u);
}

TEST(OrderedChunksTest, TakesEveryChunkInOrderNeverMoreThanTheWindowAhead) {
    for (const unsigned workers : {1u, 2u, 4u, 8u}) {
        constexpr std::size_t kChunks = 500;
        constexpr std::size_t kWindow = 3;
        std::vector<int> slot(kWindow, -1);
        std::vector<std::size_t> taken;
        std::atomic<std::size_t> takenCount{0};
        std::atomic<bool> tooFarAhead{false};
        inOrder(
            kChunks, workers, kWindow,
            [&](std::size_t k) {
                if (k >= takenCount + kWindow) tooFarAhead = true;
                slot[k % kWindow] = static_cast<int>(k * 7);
            },
            [&](std::size_t k) {
                EXPECT_EQ(slot[k % kWindow], static_cast<int>(k * 7));
                taken.push_back(k);
                ++takenCount;
            });
        ASSERT_EQ(taken.size(), kChunks) << workers;
        for (std::size_t k = 0; k < kChunks; ++k)
            EXPECT_EQ(taken[k], k);
        EXPECT_FALSE(tooFarAhead) << workers;
    }
}

TEST(OrderedChunksTest, TheEarliestFaultIsRaisedAfterTheChunksBeforeItAreTaken) {
    for (const unsigned workers : {1u, 3u, 8u}) {
        std::vector<std::size_t> taken;
        const int raised = faultOf([&] {
            inOrder(
                200, workers, 16,
                [&](std::size_t k) {
                    if (k == 61 || k == 150) raise(k == 61 ? fault::Overflow : fault::TypeMismatch);
                },
                [&](std::size_t k) {
                    taken.push_back(k);
                    if (k == 170) raise(fault::DeviceIOError);
                });
        });
        EXPECT_EQ(raised, fault::Overflow) << workers;
        EXPECT_EQ(taken.size(), 61u) << workers;
        EXPECT_EQ(faultOf([&] { inOrder(
                                    200, workers, 16, [](std::size_t) {},
                                    [](std::size_t k) { if (k == 170) raise(fault::DeviceIOError); }); }),
                  fault::DeviceIOError);
    }
}

} // namespace
} // namespace basic
