// Shared main of every test executable: a QApplication on the offscreen platform, so tests
// that build windows or draw text never need a display.
#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>

namespace {

// The heaviest test executable reaches about 1.1 GiB of address space on 8 cores, most of it
// reserved for the stacks and allocation arenas of the threads that spread work over the cores
// (it holds under 150 MiB): 2 GiB, and 128 MiB more for each core, whose thread reserves that.
rlim_t addressSpaceLimit() {
    const rlim_t cores = std::max(1u, std::thread::hardware_concurrency());
    return (rlim_t(2) << 30) + cores * (rlim_t(128) << 20);
}

// A test that runs away with memory then fails with std::bad_alloc (fault 7 "Out of memory"
// where the program turns it into a fault) instead of taking the machine's memory.
[[maybe_unused]] void boundAddressSpace() {
    rlimit limit{};
    const rlim_t bound = addressSpaceLimit();
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur <= bound) return;
    limit.rlim_cur = std::min(bound, limit.rlim_max);
    setrlimit(RLIMIT_AS, &limit);
}

} // namespace

int main(int argc, char** argv) {
#ifdef VK_BOUNDED_ADDRESS_SPACE
    boundAddressSpace();
#endif
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
