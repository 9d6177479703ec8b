#pragma once
// The wide pen of the map passes: a capsule per segment, every pixel whose centre lies within
// width / 2 of the segment from `from` to `to` (device pixels), so round caps and, along a
// polyline, round joins. Odd widths centre on the pixel centres, even widths on the pixel corner
// above and left. These are exactly the pixels of drawLine's wide pen (gdipen.h); this
// rasteriser works out each segment's constants once and fills one span per row, which matters
// when a map draws a hundred thousand short thick segments.

#include <QImage>
#include <QPoint>

namespace platform {

// Fills the capsule in `ink` into an image of Format_RGB32, clipped to the image; width >= 2.
void drawWideLine(QImage& image, QRgb ink, QPoint from, QPoint to, int width);

} // namespace platform
