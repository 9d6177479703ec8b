#include "platform/timer.h"

#include "basic/fault.h"
#include "platform/control_dispatch.h"

namespace platform {

Timer::Timer(std::string name) : name_(std::move(name)) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        runFromEventLoop([this] {
            if (onTimer) onTimer();
        });
    });
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535) basic::raise(basic::fault::InvalidPropertyValue);
    interval_ = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void Timer::restart() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

} // namespace platform
