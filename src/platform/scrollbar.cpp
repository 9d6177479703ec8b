#include "platform/scrollbar.h"

#include "basic/fault.h"
#include "platform/container.h"
#include "platform/control_dispatch.h"
#include "platform/control_hooked.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

void checkInteger(int value) {
    if (value < -32768 || value > 32767) basic::raise(basic::fault::Overflow);
}

} // namespace

ScrollBar::ScrollBar(Container& container, std::string name, Kind kind)
    : WindowedControl(container, std::move(name)) {
    auto* bar = new Hooked<QScrollBar>(*this, kind == Kind::Horizontal ? Qt::Horizontal : Qt::Vertical,
                                       container.host());
    QObject::connect(bar, &QScrollBar::valueChanged, signalContext(),
                     [this](int position) { userMoved(position); });
    QObject::connect(bar, &QScrollBar::sliderReleased, signalContext(),
                     [this] { runUserEvent(runsWhileBusy(), [this] { raiseChange(); }); });
    attachWidget(bar);
    showState();
}

void ScrollBar::setValue(int value) {
    checkInteger(value);
    if (value < std::min(min_, max_) || value > std::max(min_, max_)) {
        basic::raise(basic::fault::InvalidPropertyValue);
    }
    value_ = value;
    showState();
    raiseChange();
}

void ScrollBar::setMin(int min) {
    checkInteger(min);
    setRange(min, max_);
}

void ScrollBar::setMax(int max) {
    checkInteger(max);
    setRange(min_, max);
}

void ScrollBar::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    const int old = value_;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    showState();
    if (value_ != old) raiseChange();
}

void ScrollBar::setSmallChange(int change) {
    checkInteger(change);
    if (change < 1) basic::raise(basic::fault::InvalidPropertyValue);
    smallChange_ = change;
    showState();
}

void ScrollBar::setLargeChange(int change) {
    checkInteger(change);
    if (change < 1) basic::raise(basic::fault::InvalidPropertyValue);
    largeChange_ = change;
    showState();
}

// The widget runs from 0 at the Min end to |Max - Min| at the Max end.
void ScrollBar::showState() {
    auto* bar = static_cast<QScrollBar*>(widget());
    if (!bar) return;
    const QSignalBlocker quiet(bar);
    bar->setRange(0, std::abs(max_ - min_));
    bar->setSingleStep(smallChange_);
    bar->setPageStep(largeChange_);
    bar->setValue(std::abs(value_ - min_));
}

void ScrollBar::userMoved(int position) {
    value_ = max_ >= min_ ? min_ + position : min_ - position;
    const bool dragging = static_cast<QScrollBar*>(widget())->isSliderDown();
    runUserEvent(runsWhileBusy(), [this, dragging] {
        if (!dragging) {
            raiseChange();
        } else if (onScroll) {
            onScroll();
        }
    });
}

void ScrollBar::raiseChange() {
    if (onChange) onChange();
}

} // namespace platform
