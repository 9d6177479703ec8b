#include "platform/picturebox.h"

#include <QPainter>
#include <algorithm>

namespace platform {

PictureBox::PictureBox(Container& container, std::string name)
    : WindowedContainer(container, std::move(name)) {}

void PictureBox::setBorderStyle(int style) {
    checkPropertyRange(style, 0, 1);
    borderStyle_ = style;
    fitClient(true);
}

void PictureBox::setScaleMode(int mode) {
    Canvas::setScaleMode(mode);
    relayoutChildren();
}

void PictureBox::setScaleLeft(double value) {
    Canvas::setScaleLeft(value);
    relayoutChildren();
}

void PictureBox::setScaleTop(double value) {
    Canvas::setScaleTop(value);
    relayoutChildren();
}

void PictureBox::setScaleWidth(double value) {
    Canvas::setScaleWidth(value);
    relayoutChildren();
}

void PictureBox::setScaleHeight(double value) {
    Canvas::setScaleHeight(value);
    relayoutChildren();
}

void PictureBox::copyPropertiesFrom(const PictureBox& other) {
    copyWindowedFrom(other);
    borderStyle_ = other.borderStyle_;
    fitClient(true);
    setBackColor(other.backColor());
    setForeColor(other.foreColor());
    setFillColor(other.fillColor());
    setFillStyle(other.fillStyle());
    setDrawWidth(other.drawWidth());
    setDrawStyle(other.drawStyle());
    setDrawMode(other.drawMode());
    setAutoRedraw(other.autoRedraw());
    Canvas::setFontName(other.fontName());
    setFontSize(other.fontSize());
    setFontBold(other.fontBold());
    setFontItalic(other.fontItalic());
    if (other.scaleMode() == scalemode::User) {
        setScaleLeft(other.scaleLeft());
        setScaleTop(other.scaleTop());
        setScaleWidth(other.scaleWidth());
        setScaleHeight(other.scaleHeight());
    } else {
        setScaleMode(other.scaleMode());
    }
    setPicture(other.picture());
}

void PictureBox::canvasChanged() {
    invalidateAll();
}

double PictureBox::toClientPixelsX(double units) const {
    return toPixelX(units);
}
double PictureBox::toClientPixelsY(double units) const {
    return toPixelY(units);
}
double PictureBox::lengthToPixelsX(double units) const {
    return scaleX(units, scalemode::User, scalemode::Pixels);
}
double PictureBox::lengthToPixelsY(double units) const {
    return scaleY(units, scalemode::User, scalemode::Pixels);
}
double PictureBox::fromClientPixelsX(double pixels) const {
    return fromPixelX(pixels);
}
double PictureBox::fromClientPixelsY(double pixels) const {
    return fromPixelY(pixels);
}
double PictureBox::lengthFromPixelsX(double pixels) const {
    return scaleX(pixels, scalemode::Pixels, scalemode::User);
}
double PictureBox::lengthFromPixelsY(double pixels) const {
    return scaleY(pixels, scalemode::Pixels, scalemode::User);
}

QPoint PictureBox::clientOrigin() const {
    return {borderPixels(), borderPixels()};
}

QRect PictureBox::clientRect() const {
    return QRect(clientOrigin(), QSize(pixelWidth(), pixelHeight()));
}

void PictureBox::placeChanged(double oldLeft, double oldTop, double oldWidth, double oldHeight) {
    WindowedControl::placeChanged(oldLeft, oldTop, oldWidth, oldHeight);
    fitClient(false);
}

void PictureBox::fitClient(bool always) {
    Container* owner = WindowedControl::container();
    if (!owner) return;
    const QRect outer = owner->pixelRect(left(), top(), width(), height());
    const int border = borderPixels();
    const int clientWidth = std::max(outer.width() - 2 * border, 0);
    const int clientHeight = std::max(outer.height() - 2 * border, 0);
    const bool resized = clientWidth != pixelWidth() || clientHeight != pixelHeight();
    if (resized) resizePixels(clientWidth, clientHeight);
    if (resized || always) relayoutChildren();
}

void PictureBox::paintBackground(QPainter& painter, const QRect&) {
    if (borderStyle_ == 0 || !host()) return;
    const QRect area = host()->rect();
    const QPalette& colours = host()->palette();
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(colours.color(QPalette::Shadow));
    painter.drawLine(area.topLeft() + QPoint(1, 1), QPoint(area.right() - 1, area.top() + 1));
    painter.drawLine(area.topLeft() + QPoint(1, 1), QPoint(area.left() + 1, area.bottom() - 1));
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    painter.setPen(colours.color(QPalette::Midlight));
    painter.drawLine(QPoint(area.left() + 1, area.bottom() - 1), QPoint(area.right() - 1, area.bottom() - 1));
    painter.drawLine(QPoint(area.right() - 1, area.top() + 1), QPoint(area.right() - 1, area.bottom() - 1));
}

void PictureBox::paintClient(QPainter& painter, const QRect& dirty) {
    const QRect client = clientRect();
    const QRect area = dirty & client;
    if (area.isEmpty()) return;
    paintImage(painter, area.topLeft(), area.translated(-client.topLeft()));
}

} // namespace platform
