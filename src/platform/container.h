#pragma once
// A control that holds other controls: the form's client area, a frame, a picture box.
//
// Children are placed in the container's scale units: twips by default, a picture box's own
// scale in a picture box (toClientPixels and its inverse). Windowed children are Qt child widgets
// of the container's widget; lightweight children (image, shape, line, label) are records that
// the container paints itself, above its background and persistent image, in their z-order. Qt
// paints child widgets over their parent, so windowed children lie above every lightweight one.
//
// The mouse goes to the front-most lightweight child that is visible, enabled and takes the mouse
// (images and labels; shapes and lines let it through, as in the classic runtime) and whose
// rectangle holds the point. That child gets the event whether or not it has a handler: a label
// or image without one still eats the click, as the classic runtime does. Without such a child
// the container itself gets it. The target of a press keeps the mouse until the last button is
// released; a target unloaded meanwhile gets nothing more.
//
// Repaints are coalesced: each change adds its rectangle to one pending rectangle of the
// container, repainted once when the event loop next runs, so loading, moving and unloading
// thousands of markers costs no paint per marker.

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <string>
#include <vector>

class QMouseEvent;
class QPainter;

namespace platform {

class Control;
class ContainerWidget;
class Lightweight;
class WindowedControl;

enum class MouseAction { Down, Move, Up };

// Raises MouseDown, MouseMove or MouseUp on a control.
void raiseMouse(Control& control, MouseAction action, int button, int shift, double x, double y);

class Container {
public:
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    virtual ~Container();

    // The widget that holds the windowed children and paints the lightweight ones.
    QWidget* host() const;

    // Container units to pixels of the client area (and back); lengths are widths and heights.
    virtual double toClientPixelsX(double units) const;
    virtual double toClientPixelsY(double units) const;
    virtual double lengthToPixelsX(double units) const;
    virtual double lengthToPixelsY(double units) const;
    virtual double fromClientPixelsX(double pixels) const;
    virtual double fromClientPixelsY(double pixels) const;
    virtual double lengthFromPixelsX(double pixels) const;
    virtual double lengthFromPixelsY(double pixels) const;
    // Where the client area starts within the host widget (inside a border).
    virtual QPoint clientOrigin() const { return {}; }

    // The size of the client area in container units.
    double scaleWidth() const;
    double scaleHeight() const;

    // The rectangle in host pixels of a place given in container units.
    QRect pixelRect(double left, double top, double width, double height) const;
    QPoint pixelPoint(double x, double y) const;

    // DragOver and DragDrop over a lightweight child are raised on the container itself, in its
    // units, as if the child were not there: a marker dropped on the map lands on the map also
    // where an icon lies.
    void setOwnsChildDrags(bool owns) { ownsChildDrags_ = owns; }

    // The front-most lightweight child under a host pixel that takes the mouse, or null.
    Lightweight* hitTest(QPoint hostPixel, const Control* except = nullptr) const;

    // Windowed children, in the order they were created.
    const std::vector<WindowedControl*>& windowedChildren() const { return windowed_; }

    // Schedules a repaint of a rectangle of host pixels.
    void invalidate(const QRect& hostPixels);
    void invalidateAll();

    // Called by the host widget.
    void paintHost(QPainter& painter, const QRect& dirty);
    void hostMousePress(QMouseEvent& event);
    void hostMouseDoubleClick(QMouseEvent& event);
    void hostMouseMove(QMouseEvent& event);
    void hostMouseRelease(QMouseEvent& event);
    const std::string* toolTipAt(QPoint hostPixel) const;
    virtual void hostResized();
    // A wheel turn over the host that no control took; true when the container keeps it.
    virtual bool hostWheel(int) { return false; }

protected:
    Container() = default;
    void setHost(ContainerWidget* host) { host_ = host; }

    // The container's own events, raised when no child takes the mouse.
    virtual void raiseOwnMouse(MouseAction action, int button, int shift, double x, double y) = 0;
    virtual void raiseOwnClick() = 0;
    virtual void raiseOwnDblClick() = 0;
    virtual void raiseOwnDragOver(Control& source, double x, double y) = 0;
    virtual void raiseOwnDragDrop(Control& source, double x, double y) = 0;
    virtual bool ownRunsWhileBusy() const = 0;

    // Painting below the lightweight children: the background and frame, then what the client
    // area holds (a picture box's persistent image), clipped to the client area.
    virtual void paintBackground(QPainter& painter, const QRect& dirty) = 0;
    virtual void paintClient(QPainter&, const QRect&) {}
    virtual QRect clientRect() const;
    // Places every windowed child again and repaints the lightweight ones, after the mapping from
    // units to pixels changed (a new scale or client size).
    void relayoutChildren();

private:
    friend class Control;
    friend class Lightweight;
    friend class WindowedControl;

    enum class Press { None, Self, Child, Lost };

    void linkFront(Lightweight& child);
    void linkBack(Lightweight& child);
    void unlink(Lightweight& child);
    void forget(Control& child);

    void startPress(QMouseEvent& event, bool doubleClick);
    void deliver(MouseAction action, Control* child, int button, int shift, QPoint hostPixel);
    void deliverClick(Control* child, bool doubleClick);
    void deliverDrag(Control& source, Control* child, QPoint hostPixel, bool drop);
    double unitsX(const Control* child, QPoint hostPixel) const;
    double unitsY(const Control* child, QPoint hostPixel) const;
    bool contains(const Control* child, QPoint hostPixel) const;

    QPointer<ContainerWidget> host_;
    Lightweight* front_ = nullptr;
    Lightweight* back_ = nullptr;
    std::vector<WindowedControl*> windowed_;
    Press press_ = Press::None;
    Control* pressChild_ = nullptr;
    bool clickSuppressed_ = false;
    bool ownsChildDrags_ = false;
};

// The widget of a container: paints it and hands it the mouse.
class ContainerWidget : public QWidget {
public:
    ContainerWidget(Container& container, QWidget* parent);
    // The container is gone; the widget only waits for its deletion.
    void detachContainer() { container_ = nullptr; }
    void invalidateLater(const QRect& rect);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Container* container_;
    QRect pending_;
};

// Mouse buttons and modifiers of a Qt event in the system's numbering.
int buttonNumber(Qt::MouseButton button);
int buttonMask(Qt::MouseButtons buttons);
int shiftMask(Qt::KeyboardModifiers modifiers);

// A pixel coordinate from a computed double, rounded and kept within the range widgets accept.
int toPixel(double value);

} // namespace platform
