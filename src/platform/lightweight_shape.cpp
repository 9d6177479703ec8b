#include "platform/lightweight_shape.h"

#include "basic/fault.h"
#include "platform/canvascolour.h"
#include "platform/container.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

Qt::PenStyle penStyle(int borderStyle) {
    switch (borderStyle) {
    case 2:
        return Qt::DashLine;
    case 3:
        return Qt::DotLine;
    case 4:
        return Qt::DashDotLine;
    case 5:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle hatch(int fillStyle) {
    switch (fillStyle) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern;
    case 5:
        return Qt::FDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

// The outline of a shape within its rectangle, inset by half the pen so the border stays inside.
QPainterPath outline(int shape, QRectF area, double inset) {
    if (shape == 1 || shape == 3 || shape == 5) {
        const double side = std::min(area.width(), area.height());
        area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }
    area.adjust(inset, inset, -inset, -inset);
    QPainterPath path;
    if (shape == 2 || shape == 3) {
        path.addEllipse(area);
    } else if (shape == 4 || shape == 5) {
        const double radius = std::min(area.width(), area.height()) / 4;
        path.addRoundedRect(area, radius, radius);
    } else {
        path.addRect(area);
    }
    return path;
}

} // namespace

void checkBorderWidth(int pixels) {
    checkPropertyRange(pixels, 1, 8192);
}

ShapeControl::ShapeControl(Container& container, std::string name)
    : Lightweight(container, std::move(name)) {}

void ShapeControl::setShape(int shape) {
    checkPropertyRange(shape, 0, 5);
    shape_ = shape;
    repaint();
}

void ShapeControl::setBackStyle(int style) {
    checkPropertyRange(style, 0, 1);
    backStyle_ = style;
    repaint();
}

void ShapeControl::setBackColor(std::int32_t colour) {
    checkColour(colour);
    backColor_ = colour;
    repaint();
}

void ShapeControl::setBorderColor(std::int32_t colour) {
    checkColour(colour);
    borderColor_ = colour;
    repaint();
}

void ShapeControl::setBorderWidth(int pixels) {
    checkBorderWidth(pixels);
    borderWidth_ = pixels;
    repaint();
}

void ShapeControl::setBorderStyle(int style) {
    checkPropertyRange(style, 0, 6);
    borderStyle_ = style;
    repaint();
}

void ShapeControl::setFillColor(std::int32_t colour) {
    checkColour(colour);
    fillColor_ = colour;
    repaint();
}

void ShapeControl::setFillStyle(int style) {
    checkPropertyRange(style, 0, 7);
    fillStyle_ = style;
    repaint();
}

void ShapeControl::copyPropertiesFrom(const ShapeControl& other) {
    shape_ = other.shape_;
    backStyle_ = other.backStyle_;
    backColor_ = other.backColor_;
    borderColor_ = other.borderColor_;
    borderWidth_ = other.borderWidth_;
    borderStyle_ = other.borderStyle_;
    fillColor_ = other.fillColor_;
    fillStyle_ = other.fillStyle_;
    copyCommonFrom(other);
    repaint();
}

void ShapeControl::paint(QPainter& painter) const {
    const QRect bounds = pixelBounds();
    if (bounds.isEmpty()) return;
    const bool border = borderStyle_ != 0;
    const QPainterPath path = outline(shape_, QRectF(bounds), border ? borderWidth_ / 2.0 : 0.0);
    painter.save();
    painter.setPen(Qt::NoPen);
    if (backStyle_ == 1) painter.fillPath(path, toQColor(backColor_));
    if (fillStyle_ != 1) painter.fillPath(path, QBrush(toQColor(fillColor_), hatch(fillStyle_)));
    if (border) {
        const Qt::PenStyle style = borderWidth_ > 1 ? Qt::SolidLine : penStyle(borderStyle_);
        painter.setPen(QPen(toQColor(borderColor_), borderWidth_, style, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.restore();
}

LineControl::LineControl(Container& container, std::string name) : Lightweight(container, std::move(name)) {}

LineControl::~LineControl() {
    repaint();
}

void LineControl::setEnds(double x1, double y1, double x2, double y2) {
    for (double v : {x1, y1, x2, y2}) {
        if (!std::isfinite(v)) basic::raise(basic::fault::InvalidPropertyValue);
    }
    repaint();
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    repaint();
}

void LineControl::setBorderColor(std::int32_t colour) {
    checkColour(colour);
    borderColor_ = colour;
    repaint();
}

void LineControl::setBorderWidth(int pixels) {
    checkBorderWidth(pixels);
    repaint();
    borderWidth_ = pixels;
    repaint();
}

void LineControl::copyPropertiesFrom(const LineControl& other) {
    copyCommonFrom(other);
    borderColor_ = other.borderColor_;
    borderWidth_ = other.borderWidth_;
    setEnds(other.x1_, other.y1_, other.x2_, other.y2_);
}

QRect LineControl::pixelBounds() const {
    if (!container()) return {};
    const QPoint a = container()->pixelPoint(x1_, y1_);
    const QPoint b = container()->pixelPoint(x2_, y2_);
    const int grow = borderWidth_ / 2 + 1;
    return QRect(a, b).normalized().adjusted(-grow, -grow, grow, grow);
}

void LineControl::paint(QPainter& painter) const {
    if (!container()) return;
    painter.save();
    painter.setPen(QPen(toQColor(borderColor_), borderWidth_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(container()->pixelPoint(x1_, y1_), container()->pixelPoint(x2_, y2_));
    painter.restore();
}

} // namespace platform
