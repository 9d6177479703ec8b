#include "platform/control.h"

#include "basic/fault.h"
#include "platform/container.h"

#include <cmath>

namespace platform {
namespace {

Control* gDragSource = nullptr;

void checkCoordinate(double value) {
    if (!std::isfinite(value)) basic::raise(basic::fault::InvalidPropertyValue);
}

// A control's own handler runs as a copy, so that a handler which unloads its control does not
// destroy itself while it runs. (An array's handlers belong to the array, which outlives it.)
template <class F, class... Args> void runCopy(const F& handler, Args&&... args) {
    F copy = handler;
    copy(std::forward<Args>(args)...);
}

void checkExtent(double value) {
    if (!std::isfinite(value) || value < 0) basic::raise(basic::fault::InvalidPropertyValue);
}

} // namespace

void checkPropertyRange(int value, int low, int high) {
    if (value < low || value > high) basic::raise(basic::fault::InvalidPropertyValue);
}

Control::Control(Container& container, std::string name) : name_(std::move(name)), container_(&container) {}

Control::~Control() {
    if (gDragSource == this) gDragSource = nullptr;
    if (container_) container_->forget(*this);
}

void Control::setLeft(double left) {
    move(left, top_, width_, height_);
}
void Control::setTop(double top) {
    move(left_, top, width_, height_);
}
void Control::setWidth(double width) {
    move(left_, top_, width, height_);
}
void Control::setHeight(double height) {
    move(left_, top_, width_, height);
}
void Control::move(double left, double top) {
    move(left, top, width_, height_);
}

void Control::move(double left, double top, double width, double height) {
    checkCoordinate(left);
    checkCoordinate(top);
    checkExtent(width);
    checkExtent(height);
    setPlace(left, top, width, height);
}

void Control::setPlace(double left, double top, double width, double height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const double oldLeft = left_, oldTop = top_, oldWidth = width_, oldHeight = height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    placeChanged(oldLeft, oldTop, oldWidth, oldHeight);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    visibleChanged();
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    enabledChanged();
}

void Control::zorder(int position) {
    if (position != 0 && position != 1) basic::raise(basic::fault::InvalidProcedureCall);
    zorderChanged(position == 0);
}

void Control::setToolTipText(std::string text) {
    toolTip_ = std::move(text);
    toolTipChanged();
}

void Control::drag(int action) {
    if (action == kDragBegin) {
        gDragSource = this;
    } else if (action == kDragCancel || action == kDragEnd) {
        if (gDragSource == this) gDragSource = nullptr;
    } else {
        basic::raise(basic::fault::InvalidProcedureCall);
    }
}

Control* Control::dragSource() {
    return gDragSource;
}

void Control::raiseClick() {
    if (array_) {
        if (array_->onClick) array_->onClick(index_);
    } else if (onClick) {
        runCopy(onClick);
    }
}

void Control::raiseDblClick() {
    if (array_) {
        if (array_->onDblClick) array_->onDblClick(index_);
    } else if (onDblClick) {
        runCopy(onDblClick);
    }
}

void Control::raiseMouseDown(int button, int shift, double x, double y) {
    if (array_) {
        if (array_->onMouseDown) array_->onMouseDown(index_, button, shift, x, y);
    } else if (onMouseDown) {
        runCopy(onMouseDown, button, shift, x, y);
    }
}

void Control::raiseMouseMove(int button, int shift, double x, double y) {
    if (array_) {
        if (array_->onMouseMove) array_->onMouseMove(index_, button, shift, x, y);
    } else if (onMouseMove) {
        runCopy(onMouseMove, button, shift, x, y);
    }
}

void Control::raiseMouseUp(int button, int shift, double x, double y) {
    if (array_) {
        if (array_->onMouseUp) array_->onMouseUp(index_, button, shift, x, y);
    } else if (onMouseUp) {
        runCopy(onMouseUp, button, shift, x, y);
    }
}

void Control::raiseDragOver(Control& source, double x, double y, int state) {
    if (onDragOver) runCopy(onDragOver, source, x, y, state);
}

void Control::raiseDragDrop(Control& source, double x, double y) {
    if (onDragDrop) runCopy(onDragDrop, source, x, y);
}

void Control::raiseDragCancel() {
    if (array_) {
        if (array_->onDragCancel) array_->onDragCancel(index_);
    } else if (onDragCancel) {
        runCopy(onDragCancel);
    }
}

void Control::joinArray(const ArrayEvents* events, int index) {
    array_ = events;
    index_ = index;
}

void Control::copyCommonFrom(const Control& other) {
    move(other.left_, other.top_, other.width_, other.height_);
    setEnabled(other.enabled_);
    tag_ = other.tag_;
    if (toolTip_ != other.toolTip_) setToolTipText(other.toolTip_);
    runsWhileBusy_ = other.runsWhileBusy_;
}

} // namespace platform
