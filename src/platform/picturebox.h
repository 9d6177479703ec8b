#pragma once
// The picture box: a windowed control with a persistent image (the Canvas it inherits) and a
// container whose children are placed in its own scale units.
//
// Its widget paints the border, then the persistent image over the client area, then its
// lightweight children in z-order; windowed children (other picture boxes) lie above. Drawing on
// the canvas schedules one coalesced repaint. The image is always the size of the client area:
// it follows every change of Width or Height at once, also while the box is hidden.
//
// BorderStyle 1 (the default) is a sunken border two pixels wide round the client area;
// BorderStyle 0 none. Mouse events report x and y in the box's scale units.
//
// The scale setters of this class (ScaleMode, ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight)
// also place the children again; set the scale through the PictureBox, not through a Canvas&.

#include "platform/canvas.h"
#include "platform/container_windowed.h"

namespace platform {

class PictureBox : public Canvas, public WindowedContainer {
public:
    PictureBox(Container& container, std::string name);

    using Canvas::fontName;
    using Canvas::scaleHeight;
    using Canvas::scaleWidth;
    using Canvas::setFontName;

    int borderStyle() const { return borderStyle_; }
    // 0 none, 1 fixed single; anything else is fault 380.
    void setBorderStyle(int style);

    void setScaleMode(int mode);
    void setScaleLeft(double value);
    void setScaleTop(double value);
    void setScaleWidth(double value);
    void setScaleHeight(double value);

    // What a loaded element copies from its template: place, size, Picture, colours, scale,
    // font, border, AutoRedraw.
    void copyPropertiesFrom(const PictureBox& other);

    void canvasChanged() override;

    double toClientPixelsX(double units) const override;
    double toClientPixelsY(double units) const override;
    double lengthToPixelsX(double units) const override;
    double lengthToPixelsY(double units) const override;
    double fromClientPixelsX(double pixels) const override;
    double fromClientPixelsY(double pixels) const override;
    double lengthFromPixelsX(double pixels) const override;
    double lengthFromPixelsY(double pixels) const override;
    QPoint clientOrigin() const override;

protected:
    void placeChanged(double oldLeft, double oldTop, double oldWidth, double oldHeight) override;

    void paintBackground(QPainter& painter, const QRect& dirty) override;
    void paintClient(QPainter& painter, const QRect& dirty) override;
    QRect clientRect() const override;

private:
    int borderPixels() const { return borderStyle_ == 1 ? 2 : 0; }
    // The image takes the client area's size; when that changed, or `always`, the children are
    // placed again.
    void fitClient(bool always);

    int borderStyle_ = 1;
};

} // namespace platform
