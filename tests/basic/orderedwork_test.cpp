#include "basic/orderedwork.h"

#include "fault_of.h"

#include <atomic>
#include <gtest/gtest.h>
#include <vector>

namespace basic {
namespace {

TEST(OrderedWorkTest, TakesEveryChunkInOrderNeverMoreThanTheWindowAhead) {
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

TEST(OrderedWorkTest, TheEarliestFaultIsRaisedAfterTheChunksBeforeItAreTaken) {
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
