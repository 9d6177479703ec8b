#include "platform/events.h"

#include <QCoreApplication>
#include <optional>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

std::optional<Clock::time_point>& lastReported() {
    static std::optional<Clock::time_point> last;
    return last;
}

} // namespace

void doEvents() {
    if (!QCoreApplication::instance()) return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::int32_t inputPending() {
    auto now = Clock::now();
    auto& last = lastReported();
    if (last && now - *last < kInputPendingInterval) return 0;
    last = now;
    return kInputPendingKinds;
}

void resetInputPending() {
    lastReported() = Clock::now();
}

} // namespace platform
