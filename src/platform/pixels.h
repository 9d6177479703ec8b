#pragma once
// Pixel access for mask pictures: the picture's bitmap copied into an array of pixel triples and
// back, as the bitmap helpers of the drawing do it ("DDBHelper").
//
// The canvas always holds 32 bits per pixel, so reading reports 32. Writing accepts the depths
// 8, 15, 16, 24 and 32: the triples are first laid out as the bitmap bits of that depth
// (encodeBitmapBits) and those bits then become the canvas's pixels, so what a depth cannot
// hold is lost as it would be in such a bitmap.

#include "basic/numbers.h"

#include <QImage>
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

class Canvas;

// Three bytes in the order blue, green, red.
struct PixelTriple {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;

    // The triple as the system's colour value.
    basic::Long rgb() const { return red | (green << 8) | (blue << 16); }
    bool operator==(const PixelTriple&) const = default;
};

// Triples indexed (x, y), x the column and y the row; an index outside raises
// "Subscript out of range".
class PixelArray {
public:
    PixelArray() = default;
    PixelArray(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    PixelTriple& at(int x, int y);
    const PixelTriple& at(int x, int y) const;

private:
    size_t index(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<PixelTriple> triples_; // row by row
};

// The fault the bitmap helpers raise: number vbObjectError + 1001, with their source name.
inline constexpr int kInvalidBitsPerPixel = -2147221504 + 1001;
inline constexpr std::string_view kBitmapHelperSource = "DDBHelper.GetBitmapPixels";

// Bitmap bits of one depth: rows top to bottom, rowBytes each.
struct BitmapBits {
    int rowBytes = 0;
    std::vector<std::uint8_t> bytes;
};

// Bytes per row of a bitmap of that width and depth (8: width, 15 and 16: 2 × width,
// 24: 3 × width, 32: 4 × width), raised to an even count; any other depth raises the fault above
// with the description "Invalid number of bits per pixel: " and the depth.
int bitmapRowBytes(int width, int bitsPerPixel);

// The triples as bitmap bits: 8 bits an index into the fixed 6×6×6 colour cube (index
// 36·r + 6·g + b of the levels 0, 51, ..., 255, the nearest to the colour); 15 bits
// (red·32 + green)·32 + blue of 5-bit components, 16 bits (red·64 + green)·32 + blue with 6-bit
// green, both low byte first; 24 bits the triples as they are; 32 bits blue, green, red, 0.
BitmapBits encodeBitmapBits(const PixelArray& pixels, int bitsPerPixel);

// Fills the array with the canvas's image and sets bitsPerPixel to its depth (32).
void getBitmapPixels(const Canvas& canvas, PixelArray& pixels, int& bitsPerPixel);
// The same for a picture: bitsPerPixel is its depth, and a picture that does not hold 32-bit RGB
// pixels (RGB32 or ARGB32) raises the fault above with its depth, leaving the array as it was.
void getBitmapPixels(const QImage& picture, PixelArray& pixels, int& bitsPerPixel);

// Writes the array into the canvas at that depth, starting at its top-left pixel; array pixels
// beyond the image are dropped and image pixels beyond the array keep their colours. Components
// narrowed to 5 or 6 bits are widened again by repeating their high bits, so black stays black
// and full white stays full white.
void setBitmapPixels(Canvas& canvas, int bitsPerPixel, const PixelArray& pixels);
// The same for a picture of 32-bit RGB pixels (RGB32 or ARGB32); any other picture raises the
// fault above with the picture's depth and is left as it was.
void setBitmapPixels(QImage& picture, int bitsPerPixel, const PixelArray& pixels);

} // namespace platform
