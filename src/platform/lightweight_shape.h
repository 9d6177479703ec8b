#pragma once
// The shape control and the line control: outlines and fills that their container paints. Both
// let the mouse through to what lies below them.
//
// Shape: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square (the
// square and circle kinds are centred in the control with the shorter side; rounded corners
// have a radius of a quarter of the shorter side). BackStyle 1 fills it with BackColor, then
// FillStyle (0 solid, 1 transparent, 2 horizontal, 3 vertical, 4 upward diagonal, 5 downward
// diagonal, 6 cross, 7 diagonal cross) lays FillColor over it; the border (BorderStyle 0
// transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid) is drawn
// BorderWidth pixels wide inside the control's rectangle.
//
// Line: from (X1, Y1) to (X2, Y2) in container units, BorderWidth pixels wide in BorderColor.
// It has no Left, Top, Width or Height of its own.

#include "platform/lightweight.h"

#include <cstdint>

namespace platform {

class ShapeControl : public Lightweight {
public:
    ShapeControl(Container& container, std::string name);

    int shape() const { return shape_; }
    void setShape(int shape);
    int backStyle() const { return backStyle_; }
    void setBackStyle(int style);
    std::int32_t backColor() const { return backColor_; }
    void setBackColor(std::int32_t colour);
    std::int32_t borderColor() const { return borderColor_; }
    void setBorderColor(std::int32_t colour);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int pixels);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    std::int32_t fillColor() const { return fillColor_; }
    void setFillColor(std::int32_t colour);
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style);

    void copyPropertiesFrom(const ShapeControl& other);

    bool takesMouse() const override { return false; }
    void paint(QPainter& painter) const override;

private:
    int shape_ = 0;
    int backStyle_ = 0;
    std::int32_t backColor_ = 0xFFFFFF;
    std::int32_t borderColor_ = 0;
    int borderWidth_ = 1;
    int borderStyle_ = 1;
    std::int32_t fillColor_ = 0;
    int fillStyle_ = 1;
};

class LineControl : public Lightweight {
public:
    LineControl(Container& container, std::string name);
    ~LineControl() override;

    // A line has only its two ends.
    void move(double, double) = delete;
    void move(double, double, double, double) = delete;
    void setLeft(double) = delete;
    void setTop(double) = delete;
    void setWidth(double) = delete;
    void setHeight(double) = delete;

    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    void setX1(double x) { setEnds(x, y1_, x2_, y2_); }
    void setY1(double y) { setEnds(x1_, y, x2_, y2_); }
    void setX2(double x) { setEnds(x1_, y1_, x, y2_); }
    void setY2(double y) { setEnds(x1_, y1_, x2_, y); }
    void setStart(double x, double y) { setEnds(x, y, x2_, y2_); }
    void setEnd(double x, double y) { setEnds(x1_, y1_, x, y); }
    // A coordinate that is not finite is fault 380.
    void setEnds(double x1, double y1, double x2, double y2);

    std::int32_t borderColor() const { return borderColor_; }
    void setBorderColor(std::int32_t colour);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int pixels);

    void copyPropertiesFrom(const LineControl& other);

    QRect pixelBounds() const override;
    bool takesMouse() const override { return false; }
    void paint(QPainter& painter) const override;

private:
    double x1_ = 0;
    double y1_ = 0;
    double x2_ = 0;
    double y2_ = 0;
    std::int32_t borderColor_ = 0;
    int borderWidth_ = 1;
};

// BorderWidth of shapes and lines: 1 to 8192 pixels; anything else is fault 380.
void checkBorderWidth(int pixels);

} // namespace platform
