#pragma once
// The common base of every control of the window layer: the name and index by which the system
// addresses it, its place in its container, Visible, Enabled, z-order, Tag, ToolTipText and the
// mouse events the system handles.
//
// Geometry: Left, Top, Width and Height are doubles in the container's scale units: twips (15 to
// the pixel, platform/units.h) in a form or a frame, the picture box's own scale in a picture
// box. The value assigned is the value read back; it becomes pixels only where the control is
// placed or painted. A width or height below 0, or a value that is not finite, is fault 380.
//
// Mouse events: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x and y in the
// control's own scale units: a picture box's scale, a frame's or form's twips, and for every
// other control twips from the control's top-left corner. MouseMove reports the buttons held.
// Click follows the MouseUp of the left button over the control; a double click raises DblClick
// in place of the second MouseDown and no second Click.
//
// Z-order: zorder(0) brings the control to the front of its kind, zorder(1) sends it to the
// back. Lightweight controls (image, shape, line, label) are painted by their container, so every
// windowed control of a container lies above all of its lightweight ones.
//
// An element of a control array raises the array's indexed handlers instead of its own.
//
// Dragging: drag(1), called in the MouseDown of a control in a form, frame or picture box,
// starts a manual drag of it; while the button is held the mouse moves raise DragOver (state 2,
// over) on the control under the cursor in that container (or the container itself), and the
// release raises DragDrop there and ends the drag. drag(0) and drag(2) end it without a drop,
// and so does the next press if the release never came (a pop-up or another window took it):
// that press raises DragCancel on the dragged control first, so that it can show itself again.

#include <functional>
#include <string>

namespace platform {

class Container;

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

inline constexpr int kDragCancel = 0;
inline constexpr int kDragBegin = 1;
inline constexpr int kDragEnd = 2;
inline constexpr int kDragOverState = 2;

// A property assigned a value outside low..high is fault 380 (Invalid property value).
void checkPropertyRange(int value, int low, int high);

using MouseHandler = std::function<void(int button, int shift, double x, double y)>;
using IndexedMouseHandler = std::function<void(int index, int button, int shift, double x, double y)>;

// The handlers of a control array, each told the index of the element that raised the event.
struct ArrayEvents {
    std::function<void(int index)> onClick;
    std::function<void(int index)> onDblClick;
    IndexedMouseHandler onMouseDown;
    IndexedMouseHandler onMouseMove;
    IndexedMouseHandler onMouseUp;
    std::function<void(int index, int& keyAscii)> onKeyPress;
    std::function<void(int index)> onDragCancel;
};

class Control {
public:
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    std::function<void(Control& source, double x, double y, int state)> onDragOver;
    std::function<void(Control& source, double x, double y)> onDragDrop;
    std::function<void()> onDragCancel;

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const std::string& name() const { return name_; }
    // The element's index in its control array; -1 for a control that is no element.
    int index() const { return index_; }
    // Null once the container itself is gone.
    Container* container() const { return container_; }

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    void move(double left, double top);
    void move(double left, double top, double width, double height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // 0 brings the control to the front, 1 sends it to the back; anything else is fault 5.
    void zorder(int position = 0);

    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(std::string text);

    // User events of this control run even while the program is busy.
    bool runsWhileBusy() const { return runsWhileBusy_; }
    void setRunsWhileBusy(bool runs) { runsWhileBusy_ = runs; }

    void drag(int action);
    // The control being dragged, or null.
    static Control* dragSource();

    // Raised by the container or widget that receives the event; they run the handler of the
    // control, or the array's indexed one.
    void raiseClick();
    void raiseDblClick();
    void raiseMouseDown(int button, int shift, double x, double y);
    void raiseMouseMove(int button, int shift, double x, double y);
    void raiseMouseUp(int button, int shift, double x, double y);
    void raiseDragOver(Control& source, double x, double y, int state);
    void raiseDragDrop(Control& source, double x, double y);
    void raiseDragCancel();

    // Makes the control element `index` of a control array whose handlers are `events`.
    void joinArray(const ArrayEvents* events, int index);

protected:
    Control(Container& container, std::string name);

    const ArrayEvents* arrayEvents() const { return array_; }
    // What a loaded array element takes over from its template: place, size, Enabled, Tag,
    // ToolTipText and whether it runs while busy.
    void copyCommonFrom(const Control& other);

    virtual void placeChanged(double oldLeft, double oldTop, double oldWidth, double oldHeight) = 0;
    virtual void visibleChanged() = 0;
    virtual void enabledChanged() = 0;
    virtual void zorderChanged(bool front) = 0;
    virtual void toolTipChanged() {}

private:
    friend class Container;

    void setPlace(double left, double top, double width, double height);

    std::string name_;
    int index_ = -1;
    Container* container_;
    const ArrayEvents* array_ = nullptr;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool runsWhileBusy_ = false;
    std::string tag_;
    std::string toolTip_;
};

} // namespace platform
