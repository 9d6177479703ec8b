#include "platform/gdibrush.h"

#include "platform/canvascolour.h"

namespace platform {
namespace {

// The six hatches, rows top to bottom, leftmost pixel in the high bit.
constexpr std::array<std::array<std::uint8_t, 8>, 6> kHatches = {{
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // vertical
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // upward diagonal: /
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // downward diagonal: backslash
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
}};

} // namespace

Brush Brush::hollow() {
    return Brush();
}

Brush Brush::solid(basic::Long colour) {
    Brush brush;
    brush.kind_ = Kind::Solid;
    brush.ink_ = toQRgb(colour);
    return brush;
}

Brush Brush::hatched(int fillStyle, basic::Long colour) {
    if (fillStyle < fillstyle::HorizontalLine || fillStyle > fillstyle::DiagonalCross) return solid(colour);
    Brush brush;
    brush.kind_ = Kind::Hatched;
    brush.ink_ = toQRgb(colour);
    brush.hatch_ = kHatches[fillStyle - fillstyle::HorizontalLine];
    return brush;
}

Brush Brush::pattern(const QImage& tile) {
    Brush brush;
    if (tile.isNull()) return brush;
    brush.kind_ = Kind::Pattern;
    brush.tile_ = tile.convertToFormat(QImage::Format_RGB32);
    return brush;
}

Brush Brush::forFillStyle(int fillStyle, basic::Long colour) {
    if (fillStyle == fillstyle::Transparent) return hollow();
    return fillStyle == fillstyle::Solid ? solid(colour) : hatched(fillStyle, colour);
}

bool Brush::paintsNothing() const {
    return kind_ == Kind::Hollow;
}

void Brush::paintSpan(QImage& image, int y, int x0, int x1) const {
    if (kind_ == Kind::Hollow || x0 >= x1) return;
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    switch (kind_) {
    case Kind::Solid:
        for (int x = x0; x < x1; ++x)
            row[x] = ink_;
        break;
    case Kind::Hatched: {
        const std::uint8_t bits = hatch_[y & 7];
        for (int x = x0; x < x1; ++x) {
            if ((bits >> (7 - (x & 7))) & 1u) row[x] = ink_;
        }
        break;
    }
    case Kind::Pattern: {
        const int w = tile_.width();
        const QRgb* tileRow = reinterpret_cast<const QRgb*>(tile_.constScanLine(y % tile_.height()));
        int tx = x0 % w;
        for (int x = x0; x < x1; ++x) {
            row[x] = tileRow[tx] | 0xFF000000u;
            if (++tx == w) tx = 0;
        }
        break;
    }
    case Kind::Hollow:
        break;
    }
}

} // namespace platform
