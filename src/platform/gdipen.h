#pragma once
// Pens and the line rasteriser of the drawing surface. Lines are rasterised here rather than by
// QPainter so that every pixel a line sets is exact and the same on every machine.

#include "basic/numbers.h"

#include <QImage>
#include <QPoint>

namespace platform {

// The picture's DrawStyle numbers, which are the pen styles as well.
namespace drawstyle {
inline constexpr int Solid = 0;
inline constexpr int Dash = 1;
inline constexpr int Dot = 2;
inline constexpr int DashDot = 3;
inline constexpr int DashDotDot = 4;
inline constexpr int Invisible = 5;
inline constexpr int InsideSolid = 6;
} // namespace drawstyle

struct Pen {
    basic::Long colour = 0;
    int widthPx = 1;
    int style = drawstyle::Solid;
};

// Draws the segment from `from` to `to` (device pixels) into an image of Format_RGB32, clipped
// to the image.
// - Width 1: the pixels of the midpoint line from `from` up to, not including, `to`, so the
//   segments of an outline meet without gap or overlap. Dash styles draw their pattern (dash
//   18 on 6 off, dot 3/3, dash-dot 9/6/3/6, dash-dot-dot 9/3/3/3/3/3) from `from` on, with
//   transparent gaps.
// - Wider: every pixel whose centre lies within width/2 of the segment, which gives round caps
//   and, along an outline, round joins. A wide pen of a dash style draws solid, as the classic
//   platform does. Odd widths centre on the pixel centres, even widths on the pixel corner above
//   and left, so a horizontal line of width w covers exactly w rows.
// - The invisible style draws nothing; a zero-length segment draws nothing at width 1 and a
//   dot at larger widths.
void drawLine(QImage& image, const Pen& pen, QPoint from, QPoint to);

// A dot of the given width centred on a pixel (the pixel itself at width 1).
void drawDot(QImage& image, basic::Long colour, int widthPx, QPoint at);

} // namespace platform
