#pragma once
// Horizontal and vertical scroll bars with 16-bit Value, Min, Max, SmallChange and LargeChange.
//
// Min is the value at the left or top end and Max at the right or bottom end; a Max below Min is
// allowed and reverses the direction. Change runs on every assignment of Value in code, even of
// the value it already has, and when the user scrolls (busy-gated): arrow and page steps and the
// release of the thumb; Scroll runs while the thumb is dragged. Moving Min or Max so that Value
// leaves the range brings Value to the nearest end and runs Change.
//
// A value outside -32768..32767 is fault 6 "Overflow"; a Value outside Min..Max, and a
// SmallChange or LargeChange below 1, is fault 380.

#include "platform/control_windowed.h"

#include <functional>

namespace platform {

class ScrollBar : public WindowedControl {
public:
    enum class Kind { Horizontal, Vertical };

    std::function<void()> onChange;
    std::function<void()> onScroll;

    ScrollBar(Container& container, std::string name, Kind kind);

    int value() const { return value_; }
    void setValue(int value);
    int min() const { return min_; }
    void setMin(int min);
    int max() const { return max_; }
    void setMax(int max);
    int smallChange() const { return smallChange_; }
    void setSmallChange(int change);
    int largeChange() const { return largeChange_; }
    void setLargeChange(int change);

private:
    void setRange(int min, int max);
    void showState();
    void userMoved(int position);
    void raiseChange();

    int value_ = 0;
    int min_ = 0;
    int max_ = 32767;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

} // namespace platform
