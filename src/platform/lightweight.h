#pragma once
// A lightweight control: a record that its container paints and hit-tests, with no widget of its
// own. Loading, moving, showing or unloading one costs the record and a rectangle added to the
// container's pending repaint; its pictures are implicitly shared QImages.

#include "platform/control.h"

#include <QRect>

class QPainter;

namespace platform {

class Lightweight : public Control {
public:
    ~Lightweight() override;

    // The host pixels the control covers; empty once the container is gone.
    virtual QRect pixelBounds() const;
    // Images and labels take the mouse; shapes and lines let it through to what lies below.
    virtual bool takesMouse() const = 0;
    // Paints the control in host pixels; called only while it is visible.
    virtual void paint(QPainter& painter) const = 0;

protected:
    Lightweight(Container& container, std::string name);

    // Schedules a repaint of the control's pixels, after a change of its look.
    void repaint() const;

    void placeChanged(double oldLeft, double oldTop, double oldWidth, double oldHeight) override;
    void visibleChanged() override;
    void enabledChanged() override {}
    void zorderChanged(bool front) override;

private:
    friend class Container;

    Lightweight* above_ = nullptr; // towards the front
    Lightweight* below_ = nullptr; // towards the back
};

} // namespace platform
