#include "platform/container_frame.h"

#include "platform/canvascolour.h"
#include "platform/qtext.h"

#include <QPainter>

namespace platform {

Frame::Frame(Container& container, std::string name) : WindowedContainer(container, std::move(name)) {}

void Frame::setCaption(std::string caption) {
    caption_ = std::move(caption);
    invalidateAll();
}

void Frame::setBorderStyle(int style) {
    checkPropertyRange(style, 0, 1);
    borderStyle_ = style;
    invalidateAll();
}

void Frame::setBackColor(std::int32_t colour) {
    checkColour(colour);
    backColor_ = colour;
    invalidateAll();
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
