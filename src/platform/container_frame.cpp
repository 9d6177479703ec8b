#include "platform/container_frame.h"

#include "basic/fault.h"
#include "platform/canvascolour.h"
#include "platform/qtext.h"

#include <QPainter>

namespace platform {

void raiseMouse(Control& control, MouseAction action, int button, int shift, double x, double y) {
    switch (action) {
    case MouseAction::Down:
        control.raiseMouseDown(button, shift, x, y);
        break;
    case MouseAction::Move:
        control.raiseMouseMove(button, shift, x, y);
        break;
    case MouseAction::Up:
        control.raiseMouseUp(button, shift, x, y);
        break;
    }
}

Frame::Frame(Container& container, std::string name) : WindowedControl(container, std::move(name)) {
    auto* widget = new ContainerWidget(*this, container.host());
    setHost(widget);
    attachWidget(widget);
}

void Frame::setCaption(std::string caption) {
    caption_ = std::move(caption);
    invalidateAll();
}

void Frame::setBorderStyle(int style) {
    if (style != 0 && style != 1) basic::raise(basic::fault::InvalidPropertyValue);
    borderStyle_ = style;
    invalidateAll();
}

void Frame::setBackColor(std::int32_t colour) {
    checkColour(colour);
    backColor_ = colour;
    invalidateAll();
}

void Frame::raiseOwnMouse(MouseAction action, int button, int shift, double x, double y) {
    raiseMouse(*this, action, button, shift, x, y);
}

void Frame::raiseOwnDragOver(Control& source, double x, double y) {
    raiseDragOver(source, x, y, kDragOverState);
}

void Frame::paintBackground(QPainter& painter, const QRect& dirty) {
    painter.fillRect(dirty, toQColor(backColor_));
    if (borderStyle_ == 0 || !host()) return;
    const QRect area = host()->rect();
    const QFontMetrics metrics(host()->font());
    const QString text = toQString(caption_);
    const int top = text.isEmpty() ? 0 : metrics.height() / 2;
    const QRect edge = area.adjusted(0, top, -1, -1);
    const QPalette& colours = host()->palette();
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawRect(edge.adjusted(0, 0, -1, -1));
    painter.setPen(colours.color(QPalette::Light));
    painter.drawRect(edge.adjusted(1, 1, 0, 0));
    if (text.isEmpty()) return;
    const QRect label(8, 0, metrics.horizontalAdvance(text) + 4, metrics.height());
    painter.fillRect(label, toQColor(backColor_));
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(label, Qt::AlignCenter, text);
}

} // namespace platform
