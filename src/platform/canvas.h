#pragma once
// The drawing surface of a picture box: a persistent image with the picture-box drawing model
// (pen, fill, font, current position, scale) on top. It holds no window; the PictureBox control
// inherits it and shows its image, repainting when canvasChanged() tells it to.
//
// Every picture keeps its persistent image whether AutoRedraw is on or off: drawing always
// lands in the image, which the control shows, so a picture never loses what was drawn when it
// is covered. AutoRedraw is kept only so that what the system sets reads back.
//
// The image's pixels are made on first use (a drawing, a read, image()): until then the picture
// is BackColor with the Picture on it, which is what a cleared image holds, and a picture that
// is never drawn on (a frame behind others, a hidden scratch picture) takes no memory for them.
//
// Colours are the system's values r + 256·g + 65536·b; setting a colour property outside
// 0..&HFFFFFF, a DrawWidth below 1, or a style, mode or size outside its range raises
// "Invalid property value". Positions that do not fit a device coordinate raise "Overflow".
// A new canvas has the picture box's defaults: twips, white BackColor, black ForeColor and
// FillColor, FillStyle transparent, DrawWidth 1, DrawMode 13, font "MS Sans Serif" 8 points.

#include "basic/numbers.h"
#include "platform/canvasscale.h"
#include "platform/gdibrush.h"
#include "platform/gdifont.h"
#include "platform/gdipen.h"
#include "platform/rasterops.h"
#include "platform/textwidths.h"

#include <QImage>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QPainter;

namespace platform {

class Canvas {
public:
    explicit Canvas(int widthPx = 0, int heightPx = 0);
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Called after every change of the image; the control schedules a repaint.
    virtual void canvasChanged() {}

    // The persistent image, Format_RGB32. Resizing keeps what fits and fills the new area with
    // BackColor.
    void resizePixels(int widthPx, int heightPx);
    int pixelWidth() const { return size_.width(); }
    int pixelHeight() const { return size_.height(); }
    const QImage& image() const { return pixels(); }
    QImage& image() { return pixels(); }
    // Whether the image's pixels are made yet (see above).
    bool hasPixels() const { return !image_.isNull() || size_.isEmpty(); }
    // Runs work, and meanwhile makes the pixels on another thread when they are not made yet and
    // a second core can: a large picture's first use, tens of megabytes of fresh memory, then
    // costs nothing in front of the drawing that follows. work must not use this canvas. Should
    // the pixels not be made (no memory), the first use tries again and says so.
    void makePixelsWhile(const std::function<void()>& work);
    // Paints the part `source` of the image at `target` (same size), without making the pixels
    // of a picture that holds none yet.
    void paintImage(QPainter& painter, QPoint target, const QRect& source) const;

    // Setting BackColor clears the image as Cls does, but keeps the current position.
    basic::Long backColor() const { return backColor_; }
    void setBackColor(basic::Long colour);
    basic::Long foreColor() const { return foreColor_; }
    void setForeColor(basic::Long colour);
    basic::Long fillColor() const { return fillColor_; }
    void setFillColor(basic::Long colour);
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style); // fillstyle::Solid .. DiagonalCross; Transparent by default
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int widthPx);
    int drawStyle() const { return drawStyle_; }
    void setDrawStyle(int style); // drawstyle::Solid .. InsideSolid
    // 1..16; every mode draws as 13 (copy pen), the only one the system uses.
    int drawMode() const { return drawMode_; }
    void setDrawMode(int mode);
    bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }

    // The picture's font. Setting any of these ends a font selection (selectFont), as the
    // picture then puts its own font back into the device context.
    const std::string& fontName() const { return fontName_; }
    void setFontName(std::string name);
    double fontSize() const { return fontSize_; } // points, 0 < size <= 2160
    void setFontSize(double points);
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool bold);
    bool fontItalic() const { return fontItalic_; }
    void setFontItalic(bool italic);

    double currentX() const { return currentX_; }
    void setCurrentX(double x) { currentX_ = x; }
    double currentY() const { return currentY_; }
    void setCurrentY(double y) { currentY_ = y; }

    // The background picture: drawn at (0,0) over BackColor whenever the image is cleared.
    // Setting it clears the image.
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    // Picture = Image: what is drawn becomes the background picture.
    void setPictureFromImage();

    // Scale (see canvasscale.h).
    int scaleMode() const { return scale_.mode(); }
    void setScaleMode(int mode) { scale_.setMode(mode); }
    double scaleLeft() const { return scale_.left(); }
    void setScaleLeft(double value) { scale_.setLeft(value); }
    double scaleTop() const { return scale_.top(); }
    void setScaleTop(double value) { scale_.setTop(value); }
    double scaleWidth() const { return scale_.width(); }
    void setScaleWidth(double value) { scale_.setWidth(value); }
    double scaleHeight() const { return scale_.height(); }
    void setScaleHeight(double value) { scale_.setHeight(value); }
    double scaleX(double value, int fromMode, int toMode) const {
        return scale_.scaleX(value, fromMode, toMode);
    }
    double scaleY(double value, int fromMode, int toMode) const {
        return scale_.scaleY(value, fromMode, toMode);
    }
    double toPixelX(double units) const { return scale_.toPixelX(units); }
    double toPixelY(double units) const { return scale_.toPixelY(units); }
    double fromPixelX(double pixels) const { return scale_.fromPixelX(pixels); }
    double fromPixelY(double pixels) const { return scale_.fromPixelY(pixels); }

    // Drawing in scale units. A unit position becomes the nearest device pixel (halves to even).

    // The image becomes BackColor with the Picture on it; CurrentX and CurrentY become 0.
    void cls();
    // A line with the current pen, or in the given colour; CurrentX/CurrentY end at (x2, y2).
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, basic::Long colour);
    // The same line between device pixels already converted from (x1, y1) and (x2, y2), for a
    // caller that converts each of many shared points once.
    void linePixels(QPoint from, QPoint to, double x2, double y2);
    // A point of DrawWidth in ForeColor or the given colour; CurrentX/CurrentY move to it.
    void pset(double x, double y);
    void pset(double x, double y, basic::Long colour);
    // The colour at the point, −1 outside the image.
    basic::Long point(double x, double y) const;

    // Prints the text (the system's bytes) in ForeColor with the current font and a transparent
    // background, the top-left of its cell at CurrentX/CurrentY. With newline, CurrentX returns
    // to ScaleLeft and CurrentY moves down one cell height; without (";"), CurrentX moves on by
    // the text's width.
    void print(std::string_view text, bool newline = true);
    // The text's width and cell height (ascent + descent, one line) in scale units, measured
    // with the current font.
    double textWidth(std::string_view text) const;
    double textHeight(std::string_view text) const;

    // Paints a picture at (x, y) at its own size (one picture pixel per device pixel).
    void paintPicture(const QImage& picture, double x, double y, RasterOp op = RasterOp::SrcCopy);
    // Paints the part (srcX, srcY, srcWidth, srcHeight) of a picture into (x, y, width, height),
    // stretching when the sizes differ. As with the classic PaintPicture, all eight values are in
    // this picture's scale units, the source ones measured as lengths from the picture's top-left
    // corner (ScaleLeft and ScaleTop do not apply to them). A size of zero or less paints nothing.
    void paintPicture(const QImage& picture, double x, double y, double width, double height, double srcX,
                      double srcY, double srcWidth, double srcHeight, RasterOp op = RasterOp::SrcCopy);

    // Saves the image as a 24-bit Windows bitmap file (see bitmapfile.h for the faults).
    void saveBmp(std::string_view path) const;

    // Device-context selections for the GDI operations.
    // Selects a font into the device context (none: the picture's own font) and returns the
    // previous selection. While one is selected, print, textWidth and textHeight use it, turned
    // by its escapement about the top-left of the text's cell.
    std::optional<LogFont> selectFont(std::optional<LogFont> font);
    Pen pen() const;     // ForeColor, DrawWidth, DrawStyle
    Brush brush() const; // FillColor, FillStyle

private:
    QPoint devicePoint(double x, double y) const;
    // The segment between two device pixels with the current pen in `colour`; the current
    // position ends at (x2, y2).
    void stroke(basic::Long colour, QPoint from, QPoint to, double x2, double y2);
    QFont currentFont() const;
    void clearToBackground();
    // The image, its pixels made first when they are not yet.
    QImage& pixels() const;

    // Null until the pixels are made; size_ is the image's size all the same.
    mutable QImage image_;
    QSize size_;
    QImage picture_;
    CanvasScale scale_;
    basic::Long backColor_ = 0xFFFFFF;
    basic::Long foreColor_ = 0;
    basic::Long fillColor_ = 0;
    int fillStyle_ = fillstyle::Transparent;
    int drawWidth_ = 1;
    int drawStyle_ = drawstyle::Solid;
    int drawMode_ = 13;
    bool autoRedraw_ = false;
    std::string fontName_ = "MS Sans Serif";
    double fontSize_ = 8;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    double currentX_ = 0;
    double currentY_ = 0;
    std::optional<LogFont> selectedFont_;
    mutable TextWidths widths_;
};

} // namespace platform
