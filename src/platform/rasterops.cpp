#include "platform/rasterops.h"

#include <algorithm>
#include <vector>

namespace platform {
namespace {

constexpr QRgb kOpaque = 0xFF000000u;

QRgb combine(RasterOp op, QRgb src, QRgb dst) {
    switch (op) {
    case RasterOp::SrcCopy:
        return src | kOpaque;
    case RasterOp::SrcPaint:
        return src | dst | kOpaque;
    case RasterOp::SrcAnd:
        return (src & dst) | kOpaque;
    case RasterOp::SrcInvert:
        return (src ^ dst) | kOpaque;
    case RasterOp::MergePaint:
        return ~src | dst | kOpaque;
    }
    return dst;
}

// Source index of each destination index 0..count − 1 along one axis, −1 outside the source.
std::vector<int> nearest(int destFirst, int destCount, int destSize, int srcStart, int srcSize,
                         int srcLimit) {
    std::vector<int> map(static_cast<size_t>(destCount));
    for (int i = 0; i < destCount; ++i) {
        const std::int64_t k = destFirst + i;
        const std::int64_t s = srcStart + (2 * k + 1) * srcSize / (2 * std::int64_t(destSize));
        map[static_cast<size_t>(i)] = s >= 0 && s < srcLimit ? static_cast<int>(s) : -1;
    }
    return map;
}

template <RasterOp Op>
void paintRows(QImage& dest, const QRect& visible, const QImage& source, const std::vector<int>& columns,
               const std::vector<int>& rows) {
    for (int j = 0; j < visible.height(); ++j) {
        const int sy = rows[static_cast<size_t>(j)];
        if (sy < 0) continue;
        const QRgb* srcRow = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        QRgb* dstRow = reinterpret_cast<QRgb*>(dest.scanLine(visible.top() + j)) + visible.left();
        for (int i = 0; i < visible.width(); ++i) {
            const int sx = columns[static_cast<size_t>(i)];
            if (sx >= 0) dstRow[i] = combine(Op, srcRow[sx], dstRow[i]);
        }
    }
}

} // namespace

void paintRaster(QImage& dest, const QRect& destRect, const QImage& source, const QRect& sourceRect,
                 RasterOp op) {
    if (destRect.isEmpty() || sourceRect.isEmpty() || source.isNull()) return;
    const QRect visible = destRect.intersected(dest.rect());
    if (visible.isEmpty()) return;
    // A shallow copy keeps the old pixels readable when source and dest share data: the first
    // write then detaches dest.
    const QImage src = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    const std::vector<int> columns =
        nearest(visible.left() - destRect.left(), visible.width(), destRect.width(), sourceRect.left(),
                sourceRect.width(), src.width());
    const std::vector<int> rows = nearest(visible.top() - destRect.top(), visible.height(), destRect.height(),
                                          sourceRect.top(), sourceRect.height(), src.height());
    switch (op) {
    case RasterOp::SrcCopy:
        paintRows<RasterOp::SrcCopy>(dest, visible, src, columns, rows);
        break;
    case RasterOp::SrcPaint:
        paintRows<RasterOp::SrcPaint>(dest, visible, src, columns, rows);
        break;
    case RasterOp::SrcAnd:
        paintRows<RasterOp::SrcAnd>(dest, visible, src, columns, rows);
        break;
    case RasterOp::SrcInvert:
        paintRows<RasterOp::SrcInvert>(dest, visible, src, columns, rows);
        break;
    case RasterOp::MergePaint:
        paintRows<RasterOp::MergePaint>(dest, visible, src, columns, rows);
        break;
    }
}

} // namespace platform
