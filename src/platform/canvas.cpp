#include "platform/canvas.h"

#include "basic/fault.h"
#include "basic/numbers.h"
#include "basic/orderedchunks.h"
#include "platform/bitmapfile.h"
#include "platform/canvas_wide.h"
#include "platform/canvascolour.h"
#include "platform/qtext.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>
#include <limits>

namespace platform {
namespace {

void checkRange(double value, double low, double high) {
    if (!(value >= low && value <= high)) basic::raise(basic::fault::InvalidPropertyValue);
}

// A device rectangle; a size of zero or less is empty and paints nothing.
QRect deviceRect(QPoint topLeft, std::int64_t width, std::int64_t height) {
    width = std::max<std::int64_t>(width, 0);
    height = std::max<std::int64_t>(height, 0);
    // QRect keeps its last column and row as int.
    if (topLeft.x() + width - 1 > std::numeric_limits<int>::max() ||
        topLeft.y() + height - 1 > std::numeric_limits<int>::max()) {
        basic::raise(basic::fault::Overflow);
    }
    return QRect(topLeft.x(), topLeft.y(), static_cast<int>(width), static_cast<int>(height));
}

// The device rectangle between two corners, the second one past the bottom-right.
// A cleared image: the back colour with the picture on it.
QImage clearedImage(QSize size, QRgb back, const QImage& picture) {
    QImage cleared(size, QImage::Format_RGB32);
    if (cleared.isNull() && !size.isEmpty()) throw basic::outOfMemory();
    cleared.fill(back);
    // The Picture is the background: a grown area shows it as cls would.
    if (!picture.isNull()) paintRaster(cleared, picture.rect(), picture, picture.rect(), RasterOp::SrcCopy);
    return cleared;
}

QRect deviceRect(QPoint topLeft, QPoint pastBottomRight) {
    return deviceRect(topLeft, std::int64_t(pastBottomRight.x()) - topLeft.x(),
                      std::int64_t(pastBottomRight.y()) - topLeft.y());
}

} // namespace

Canvas::Canvas(int widthPx, int heightPx) {
    resizePixels(widthPx, heightPx);
}

void Canvas::resizePixels(int widthPx, int heightPx) {
    widthPx = std::max(widthPx, 0);
    heightPx = std::max(heightPx, 0);
    // A picture without pixels is cleared, and so is its resized self: it stays without.
    if (!image_.isNull()) {
        QImage resized = clearedImage(QSize(widthPx, heightPx), toQRgb(backColor_), picture_);
        const int keepWidth = std::min(widthPx, image_.width());
        // An image without width has no rows to copy into.
        const int keepHeight = keepWidth > 0 ? std::min(heightPx, image_.height()) : 0;
        for (int y = 0; y < keepHeight; ++y) {
            std::memcpy(resized.scanLine(y), image_.constScanLine(y),
                        static_cast<size_t>(keepWidth) * sizeof(QRgb));
        }
        image_ = std::move(resized);
    }
    size_ = QSize(widthPx, heightPx);
    scale_.setPixelSize(widthPx, heightPx);
    canvasChanged();
}

QImage& Canvas::pixels() const {
    if (image_.isNull() && !size_.isEmpty()) image_ = clearedImage(size_, toQRgb(backColor_), picture_);
    return image_;
}

void Canvas::makePixelsWhile(const std::function<void()>& work) {
    if (hasPixels() || basic::usableCores() < 2) {
        work();
        return;
    }
    // Should work throw, the future's end still waits for the image, which then goes unused.
    std::future<QImage> made =
        std::async(std::launch::async, [size = size_, back = toQRgb(backColor_), picture = picture_] {
            try {
                return clearedImage(size, back, picture);
            } catch (const basic::RuntimeFault&) {
                return QImage();
            }
        });
    work();
    QImage image = made.get();
    if (image_.isNull()) image_ = std::move(image);
}

void Canvas::paintImage(QPainter& painter, QPoint target, const QRect& source) const {
    const QRect shown = source & QRect(QPoint(0, 0), size_);
    if (shown.isEmpty()) return;
    const QPoint offset = target - source.topLeft();
    if (!image_.isNull()) {
        painter.drawImage(shown.translated(offset), image_, shown);
        return;
    }
    painter.fillRect(shown.translated(offset), QColor::fromRgb(toQRgb(backColor_)));
    const QRect onPicture = shown & picture_.rect();
    if (!onPicture.isEmpty()) painter.drawImage(onPicture.translated(offset), picture_, onPicture);
}

void Canvas::setBackColor(basic::Long colour) {
    checkColour(colour);
    backColor_ = colour;
    clearToBackground();
}

void Canvas::setForeColor(basic::Long colour) {
    checkColour(colour);
    foreColor_ = colour;
}

void Canvas::setFillColor(basic::Long colour) {
    checkColour(colour);
    fillColor_ = colour;
}

void Canvas::setFillStyle(int style) {
    checkRange(style, fillstyle::Solid, fillstyle::DiagonalCross);
    fillStyle_ = style;
}

void Canvas::setDrawWidth(int widthPx) {
    checkRange(widthPx, 1, 32767);
    drawWidth_ = widthPx;
}

void Canvas::setDrawStyle(int style) {
    checkRange(style, drawstyle::Solid, drawstyle::InsideSolid);
    drawStyle_ = style;
}

void Canvas::setDrawMode(int mode) {
    checkRange(mode, 1, 16);
    drawMode_ = mode;
}

void Canvas::setFontName(std::string name) {
    fontName_ = std::move(name);
    selectedFont_.reset();
}

void Canvas::setFontSize(double points) {
    if (!(points > 0 && points <= 2160)) basic::raise(basic::fault::InvalidPropertyValue);
    fontSize_ = points;
    selectedFont_.reset();
}

void Canvas::setFontBold(bool bold) {
    fontBold_ = bold;
    selectedFont_.reset();
}

void Canvas::setFontItalic(bool italic) {
    fontItalic_ = italic;
    selectedFont_.reset();
}

void Canvas::setPicture(const QImage& picture) {
    picture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    clearToBackground();
}

void Canvas::setPictureFromImage() {
    picture_ = pixels();
}

void Canvas::clearToBackground() {
    // Without pixels the picture already shows BackColor and the Picture.
    if (!image_.isNull()) {
        image_.fill(toQRgb(backColor_));
        if (!picture_.isNull())
            paintRaster(image_, picture_.rect(), picture_, picture_.rect(), RasterOp::SrcCopy);
    }
    canvasChanged();
}

void Canvas::cls() {
    clearToBackground();
    currentX_ = 0;
    currentY_ = 0;
}

QPoint Canvas::devicePoint(double x, double y) const {
    return QPoint(basic::clng(scale_.toPixelX(x)), basic::clng(scale_.toPixelY(y)));
}

void Canvas::line(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2, foreColor_);
}

void Canvas::line(double x1, double y1, double x2, double y2, basic::Long colour) {
    checkColour(colour);
    stroke(colour, devicePoint(x1, y1), devicePoint(x2, y2), x2, y2);
}

void Canvas::linePixels(QPoint from, QPoint to, double x2, double y2) {
    stroke(foreColor_, from, to, x2, y2);
}

void Canvas::stroke(basic::Long colour, QPoint from, QPoint to, double x2, double y2) {
    // Wide pens draw solid whatever their style; the capsule rasteriser fills them fastest.
    if (drawWidth_ > 1 && drawStyle_ != drawstyle::Invisible)
        drawWideLine(pixels(), toQRgb(colour), from, to, drawWidth_);
    else
        drawLine(pixels(), Pen{colour, drawWidth_, drawStyle_}, from, to);
    currentX_ = x2;
    currentY_ = y2;
    canvasChanged();
}

void Canvas::pset(double x, double y) {
    pset(x, y, foreColor_);
}

void Canvas::pset(double x, double y, basic::Long colour) {
    checkColour(colour);
    drawDot(pixels(), colour, drawWidth_, devicePoint(x, y));
    currentX_ = x;
    currentY_ = y;
    canvasChanged();
}

basic::Long Canvas::point(double x, double y) const {
    const double px = std::nearbyint(scale_.toPixelX(x));
    const double py = std::nearbyint(scale_.toPixelY(y));
    if (!(px >= 0 && px < size_.width() && py >= 0 && py < size_.height())) return -1;
    return fromQRgb(pixels().pixel(static_cast<int>(px), static_cast<int>(py)));
}

QFont Canvas::currentFont() const {
    return selectedFont_ ? logFontToQFont(*selectedFont_)
                         : pictureFont(fontName_, fontSize_, fontBold_, fontItalic_);
}

void Canvas::print(std::string_view text, bool newline) {
    const QString shown = toQString(text);
    const QFont font = currentFont();
    const int escapement = selectedFont_ ? selectedFont_->escapementTenths : 0;
    drawText(pixels(), font, foreColor_, devicePoint(currentX_, currentY_), escapement, shown);
    if (newline) {
        currentX_ = scale_.left();
        currentY_ = scale_.fromPixelY(scale_.toPixelY(currentY_) + cellHeightPx(font));
    } else {
        currentX_ = scale_.fromPixelX(scale_.toPixelX(currentX_) + textWidthPx(font, shown));
    }
    canvasChanged();
}

double Canvas::textWidth(std::string_view text) const {
    return scale_.scaleX(widths_.widthPx(currentFont(), text), scalemode::Pixels, scalemode::User);
}

double Canvas::textHeight(std::string_view) const {
    return scale_.scaleY(cellHeightPx(currentFont()), scalemode::Pixels, scalemode::User);
}

void Canvas::paintPicture(const QImage& picture, double x, double y, RasterOp op) {
    paintRaster(pixels(), deviceRect(devicePoint(x, y), picture.width(), picture.height()), picture,
                picture.rect(), op);
    canvasChanged();
}

void Canvas::paintPicture(const QImage& picture, double x, double y, double width, double height, double srcX,
                          double srcY, double srcWidth, double srcHeight, RasterOp op) {
    const QPoint destTopLeft = devicePoint(x, y);
    const QPoint destBottomRight = devicePoint(x + width, y + height);
    auto lengthX = [&](double units) {
        return basic::clng(scale_.scaleX(units, scalemode::User, scalemode::Pixels));
    };
    auto lengthY = [&](double units) {
        return basic::clng(scale_.scaleY(units, scalemode::User, scalemode::Pixels));
    };
    const QPoint srcTopLeft(lengthX(srcX), lengthY(srcY));
    const QPoint srcBottomRight(lengthX(srcX + srcWidth), lengthY(srcY + srcHeight));
    paintRaster(pixels(), deviceRect(destTopLeft, destBottomRight), picture,
                deviceRect(srcTopLeft, srcBottomRight), op);
    canvasChanged();
}

void Canvas::saveBmp(std::string_view path) const {
    platform::saveBmp(pixels(), path);
}

std::optional<LogFont> Canvas::selectFont(std::optional<LogFont> font) {
    std::optional<LogFont> previous = std::move(selectedFont_);
    selectedFont_ = std::move(font);
    return previous;
}

Pen Canvas::pen() const {
    return Pen{foreColor_, drawWidth_, drawStyle_};
}

Brush Canvas::brush() const {
    return Brush::forFillStyle(fillStyle_, fillColor_);
}

} // namespace platform
