#include "basic/clock.h"

#include <chrono>

namespace basic {

double monotonicSeconds() noexcept {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace basic
