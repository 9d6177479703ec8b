#pragma once
// Copying a picture onto an image with a raster operation. The boolean operations work on the
// 24 colour bits of each pixel, exactly as the classic platform combines them; QPainter's
// composition modes would differ.

#include <QImage>
#include <QRect>
#include <cstdint>

namespace platform {

enum class RasterOp : std::uint32_t {
    SrcCopy = 0x00CC0020,    // dst = src
    SrcPaint = 0x00EE0086,   // dst = src | dst
    SrcAnd = 0x008800C6,     // dst = src & dst
    SrcInvert = 0x00660046,  // dst = src ^ dst
    MergePaint = 0x00BB0226, // dst = ~src | dst
};

// Paints the source rectangle of `source` into the destination rectangle of `dest` (an image of
// Format_RGB32), stretching by nearest neighbour when the sizes differ: destination pixel i of a
// row takes source pixel srcLeft + floor((i + 0.5) · srcWidth / destWidth). Destination pixels
// outside `dest`, or whose source pixel lies outside `source`, stay unchanged. An empty
// rectangle paints nothing. The source's alpha is ignored. `source` may share data with
// `dest`: the source pixels read are those from before the call.
void paintRaster(QImage& dest, const QRect& destRect, const QImage& source, const QRect& sourceRect,
                 RasterOp op);

} // namespace platform
