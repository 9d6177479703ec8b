#pragma once
// A windowed control that holds other controls (the frame, the picture box). Its widget is the
// container's host widget, and the events the container raises for itself, when no child takes
// the mouse, are the control's own: MouseDown, MouseMove, MouseUp, Click, DblClick, DragOver
// (state 2, over) and DragDrop, gated by the control's own RunsWhileBusy.

#include "platform/container.h"
#include "platform/control_windowed.h"

namespace platform {

class WindowedContainer : public WindowedControl, public Container {
protected:
    WindowedContainer(Container& container, std::string name);

    void raiseOwnMouse(MouseAction action, int button, int shift, double x, double y) override {
        raiseMouse(*this, action, button, shift, x, y);
    }
    void raiseOwnClick() override { raiseClick(); }
    void raiseOwnDblClick() override { raiseDblClick(); }
    void raiseOwnDragOver(Control& source, double x, double y) override {
        raiseDragOver(source, x, y, kDragOverState);
    }
    void raiseOwnDragDrop(Control& source, double x, double y) override { raiseDragDrop(source, x, y); }
    bool ownRunsWhileBusy() const override { return runsWhileBusy(); }
};

} // namespace platform
