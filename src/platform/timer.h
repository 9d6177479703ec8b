#pragma once
// The timer control: while Enabled and with an Interval above 0 it raises Timer every Interval
// milliseconds; Interval 0 stops it. Enabling it (again) starts a full interval. Timer events are
// program events: they run while the program is busy too. A Timer handler that lets pending
// events run is not re-entered by its own timer. An Interval outside 0..65535 is fault 380.

#include <QTimer>
#include <functional>
#include <string>

namespace platform {

class Timer {
public:
    std::function<void()> onTimer;

    explicit Timer(std::string name);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

private:
    void restart();

    std::string name_;
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};

} // namespace platform
