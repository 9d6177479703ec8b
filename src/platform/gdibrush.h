#pragma once
// Brushes of the drawing surface: what fills polygons, regions and flood fills. Every brush is
// aligned to the image's (0,0): pixel (x, y) of a filled area takes pattern pixel
// (x mod width, y mod height), so neighbouring fills continue one another's pattern seamlessly.

#include "basic/numbers.h"

#include <QImage>
#include <array>
#include <cstdint>

namespace platform {

// The picture's FillStyle numbers.
namespace fillstyle {
inline constexpr int Solid = 0;
inline constexpr int Transparent = 1;
inline constexpr int HorizontalLine = 2;
inline constexpr int VerticalLine = 3;
inline constexpr int UpwardDiagonal = 4;
inline constexpr int DownwardDiagonal = 5;
inline constexpr int Cross = 6;
inline constexpr int DiagonalCross = 7;
} // namespace fillstyle

class Brush {
public:
    static Brush hollow();
    static Brush solid(basic::Long colour);
    // An 8×8 hatch in the colour on a transparent background; fillStyle is one of the hatched
    // FillStyle numbers 2..7 (any other number gives a solid brush).
    static Brush hatched(int fillStyle, basic::Long colour);
    // The tile's own colours; a null tile paints nothing.
    static Brush pattern(const QImage& tile);
    // What the picture's FillStyle and FillColor select.
    static Brush forFillStyle(int fillStyle, basic::Long colour);

    bool paintsNothing() const;

    // Paints pixels x0..x1 − 1 of row y of an image of Format_RGB32; the caller clips.
    void paintSpan(QImage& image, int y, int x0, int x1) const;

private:
    enum class Kind { Hollow, Solid, Hatched, Pattern };

    Kind kind_ = Kind::Hollow;
    QRgb ink_ = 0;
    std::array<std::uint8_t, 8> hatch_{}; // bit 7 − x of row y set: pixel inked
    QImage tile_;
};

} // namespace platform
