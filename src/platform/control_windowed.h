#pragma once
// A control with a Qt widget of its own, a child widget of its container's widget: placed in
// pixels from its geometry in container units, shown, enabled, stacked (raise/lower) and given
// its tooltip, font and mouse pointer from the control's properties.
//
// Every user event of the widget passes the busy gate first: while the program is busy and the
// control does not run while busy, mouse, wheel and key input is swallowed before the widget sees
// it, so a button does not press and a check box does not toggle. MouseDown is raised before the
// widget handles the press and MouseUp after it handles the release.
//
// MousePointer: 0 default, 2 cross, 5 size-all, 11 hourglass, 99 the MouseIcon picture (its
// centre is the hot spot); anything else is fault 380.

#include "platform/control.h"
#include "platform/control_font.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>

class QKeyEvent;

namespace platform {

// What a hooked widget offers its control: to let go of it when the control goes.
class WidgetHook {
public:
    virtual void detachControl() = 0;

protected:
    ~WidgetHook() = default;
};

class WindowedControl : public Control {
public:
    ~WindowedControl() override;

    // The widget; null while a control that makes its widget only when first shown is hidden.
    QWidget* widget() const { return widget_; }

    const FontSpec& font() const { return font_; }
    void setFont(FontSpec font);
    void setFontName(std::string name);

    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    const QImage& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(QImage icon);

    // Called by the hooked widget around its own handling of each event; true from the first
    // swallows the event.
    bool widgetEventBefore(QWidget& receiver, QEvent& event);
    void widgetEventAfter(QWidget& receiver, QEvent& event);

protected:
    WindowedControl(Container& container, std::string name);

    // Takes the widget (a child of the container's widget) and gives it the control's state.
    void attachWidget(QWidget* widget);
    // The context of the control's connections to its widget's signals: they end with the
    // control, before its widget is deleted.
    QObject* signalContext();
    // Lets go of the widget: no more signals or events reach the control, and the widget is
    // hidden and deleted once the event loop runs. A control whose members feed its widget (the
    // items of a list) calls it first in its destructor.
    void releaseWidget();
    void copyWindowedFrom(const WindowedControl& other);

    // A key typed into the widget: KeyPress handlers may set keyAscii to 0 to swallow it.
    virtual bool keyTyped(int& /*keyAscii*/) { return true; }
    // Before MouseDown of a press at a point of the widget (a list box selects the row first).
    virtual void beforeMouseDown(QPoint) {}
    // The container's client area changed its size (a status bar keeps to the bottom edge).
    virtual void containerResized() {}

    void placeChanged(double oldLeft, double oldTop, double oldWidth, double oldHeight) override;
    void visibleChanged() override;
    void enabledChanged() override;
    void zorderChanged(bool front) override;
    void toolTipChanged() override;

private:
    friend class Container;

    void applyCursor();
    void placeWidget();
    QPoint toWidget(QWidget& receiver, QPointF position) const;

    QPointer<QWidget> widget_;
    std::unique_ptr<QObject> signalContext_;
    FontSpec font_;
    bool fontSet_ = false;
    int mousePointer_ = 0;
    QImage mouseIcon_;
};

} // namespace platform
