#include "basic/pages.h"

#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace basic {

void releasePages(char* begin, char* end) noexcept {
    static const auto kPage = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + kPage - 1) / kPage * kPage;
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / kPage * kPage;
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

void releaseFreeMemory() noexcept {
    ::malloc_trim(0);
}

} // namespace basic
