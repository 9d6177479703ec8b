#include "platform/events.h"

#include <QCoreApplication>
#include <optional>
#include <time.h>

namespace platform {
namespace {

// The system's coarse monotonic clock, which ticks every few milliseconds: asked once per item
// of a long loop, reading it costs a fifth of reading the precise one, and the interval is ten
// times its tick.
std::chrono::nanoseconds coarseNow() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

std::optional<std::chrono::nanoseconds>& lastReported() {
    static std::optional<std::chrono::nanoseconds> last;
    return last;
}

} // namespace

void doEvents() {
    if (!QCoreApplication::instance()) return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::int32_t inputPending() {
    const auto now = coarseNow();
    auto& last = lastReported();
    if (last && now - *last < kInputPendingInterval) return 0;
    last = now;
    return kInputPendingKinds;
}

void resetInputPending() {
    lastReported() = coarseNow();
}

} // namespace platform
