#pragma once
// A Qt widget whose events pass through its control first (the busy gate, MouseDown, KeyPress)
// and again after the widget's own handling (MouseUp, so that a check box has its new value when
// MouseUp runs). The control detaches itself when it goes; the widget then behaves plainly until
// its deferred deletion.

#include "platform/control_windowed.h"

#include <QEvent>
#include <utility>

namespace platform {

template <class W> class Hooked : public W, public WidgetHook {
public:
    template <class... Args>
    explicit Hooked(WindowedControl& control, Args&&... args)
        : W(std::forward<Args>(args)...), control_(&control) {}

    void detachControl() override { control_ = nullptr; }

protected:
    bool event(QEvent* event) override {
        // The deferred deletion deletes the widget itself: nothing may follow it.
        if (!control_ || event->type() == QEvent::DeferredDelete) return W::event(event);
        if (control_->widgetEventBefore(*this, *event)) return true;
        const bool handled = W::event(event);
        if (control_) control_->widgetEventAfter(*this, *event);
        return handled;
    }

    WindowedControl* control_;
};

// The same for scroll-area widgets, whose mouse events arrive at their viewport.
template <class W> class HookedView : public Hooked<W> {
public:
    using Hooked<W>::Hooked;

protected:
    bool viewportEvent(QEvent* event) override {
        WindowedControl* control = this->control_;
        if (control && control->widgetEventBefore(*this->viewport(), *event)) return true;
        const bool handled = W::viewportEvent(event);
        if (this->control_) this->control_->widgetEventAfter(*this->viewport(), *event);
        return handled;
    }
};

} // namespace platform
