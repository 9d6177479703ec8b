// Shared main of every test executable: a QApplication on the offscreen platform, so tests
// that build windows or draw text never need a display.
#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// Nearly three times what the heaviest test executable reaches (about 1.1 GiB of address space,
// most of it reserved for the threads' stacks and allocation arenas; it holds under 150 MiB):
// room for a machine with more cores, whose threads reserve more.
constexpr rlim_t kAddressSpaceLimit = rlim_t(3) << 30;

// A test that runs away with memory then fails with std::bad_alloc (fault 7 "Out of memory"
// where the program turns it into a fault) instead of taking the machine's memory.
[[maybe_unused]] void boundAddressSpace() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur <= kAddressSpaceLimit) return;
    limit.rlim_cur = std::min(kAddressSpaceLimit, limit.rlim_max);
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
