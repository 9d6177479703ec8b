#include "platform/pixels.h"

#include "basic/fault.h"
#include "platform/canvas.h"

#include <algorithm>
#include <string>

namespace platform {
namespace {

[[noreturn]] void invalidDepth(int bitsPerPixel) {
    throw basic::RuntimeFault(kInvalidBitsPerPixel,
                              "Invalid number of bits per pixel: " + std::to_string(bitsPerPixel),
                              std::string(kBitmapHelperSource));
}

// The reader and the writer take a picture's pixels as 32-bit QRgb values: any other picture
// raises the fault above with its depth before a pixel is touched (a narrower one's rows would be
// overrun).
void requireQRgb(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return;
    default:
        invalidDepth(image.depth());
    }
}

// The 6×6×6 colour cube: level k of a component is 51·k.
int cubeLevel(std::uint8_t component) {
    return (component + 25) / 51;
}

std::uint8_t widen5(unsigned v) {
    return static_cast<std::uint8_t>((v << 3) | (v >> 2));
}
std::uint8_t widen6(unsigned v) {
    return static_cast<std::uint8_t>((v << 2) | (v >> 4));
}

void put16(std::uint8_t* at, unsigned value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

// The pixel that bitmap bits of the depth hold at byte offset `at` of a row.
QRgb decode(const std::uint8_t* at, int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 8: {
        const int index = at[0];
        return qRgb(index / 36 % 6 * 51, index / 6 % 6 * 51, index % 6 * 51);
    }
    case 15: {
        const unsigned v = at[0] | (at[1] << 8);
        return qRgb(widen5((v >> 10) & 31), widen5((v >> 5) & 31), widen5(v & 31));
    }
    case 16: {
        const unsigned v = at[0] | (at[1] << 8);
        return qRgb(widen5((v >> 11) & 31), widen6((v >> 5) & 63), widen5(v & 31));
    }
    default:
        return qRgb(at[2], at[1], at[0]); // 24 and 32: blue, green, red
    }
}

} // namespace

PixelArray::PixelArray(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      triples_(static_cast<size_t>(width_) * static_cast<size_t>(height_)) {}

size_t PixelArray::index(int x, int y) const {
    if (x < 0 || x >= width_ || y < 0 || y >= height_) basic::raise(basic::fault::SubscriptOutOfRange);
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
}

PixelTriple& PixelArray::at(int x, int y) {
    return triples_[index(x, y)];
}

const PixelTriple& PixelArray::at(int x, int y) const {
    return triples_[index(x, y)];
}

int bitmapRowBytes(int width, int bitsPerPixel) {
    int bytes = 0;
    switch (bitsPerPixel) {
    case 8:
        bytes = width;
        break;
    case 15:
    case 16:
        bytes = 2 * width;
        break;
    case 24:
        bytes = 3 * width;
        break;
    case 32:
        bytes = 4 * width;
        break;
    default:
        invalidDepth(bitsPerPixel);
    }
    return bytes + bytes % 2;
}

BitmapBits encodeBitmapBits(const PixelArray& pixels, int bitsPerPixel) {
    BitmapBits bits;
    bits.rowBytes = bitmapRowBytes(pixels.width(), bitsPerPixel);
    bits.bytes.assign(static_cast<size_t>(bits.rowBytes) * static_cast<size_t>(pixels.height()), 0);
    const int pixelBytes = bitsPerPixel == 15 ? 2 : bitsPerPixel / 8;
    for (int y = 0; y < pixels.height(); ++y) {
        std::uint8_t* row = bits.bytes.data() + static_cast<size_t>(y) * static_cast<size_t>(bits.rowBytes);
        for (int x = 0; x < pixels.width(); ++x) {
            const PixelTriple& p = pixels.at(x, y);
            std::uint8_t* at = row + x * pixelBytes;
            switch (bitsPerPixel) {
            case 8:
                at[0] = static_cast<std::uint8_t>(36 * cubeLevel(p.red) + 6 * cubeLevel(p.green) +
                                                  cubeLevel(p.blue));
                break;
            case 15:
                put16(at, ((p.red >> 3) * 32u + (p.green >> 3)) * 32u + (p.blue >> 3));
                break;
            case 16:
                put16(at, ((p.red >> 3) * 64u + (p.green >> 2)) * 32u + (p.blue >> 3));
                break;
            default: // 24 and 32; the fourth byte of a 32-bit pixel stays 0
                at[0] = p.blue;
                at[1] = p.green;
                at[2] = p.red;
            }
        }
    }
    return bits;
}

void getBitmapPixels(const Canvas& canvas, PixelArray& pixels, int& bitsPerPixel) {
    getBitmapPixels(canvas.image(), pixels, bitsPerPixel);
}

void getBitmapPixels(const QImage& image, PixelArray& pixels, int& bitsPerPixel) {
    bitsPerPixel = image.depth();
    requireQRgb(image);
    pixels = PixelArray(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            PixelTriple& p = pixels.at(x, y);
            p.blue = static_cast<std::uint8_t>(qBlue(row[x]));
            p.green = static_cast<std::uint8_t>(qGreen(row[x]));
            p.red = static_cast<std::uint8_t>(qRed(row[x]));
        }
    }
}

void setBitmapPixels(Canvas& canvas, int bitsPerPixel, const PixelArray& pixels) {
    setBitmapPixels(canvas.image(), bitsPerPixel, pixels);
    canvas.canvasChanged();
}

void setBitmapPixels(QImage& image, int bitsPerPixel, const PixelArray& pixels) {
    requireQRgb(image);
    const BitmapBits bits = encodeBitmapBits(pixels, bitsPerPixel);
    const int pixelBytes = bitsPerPixel == 15 ? 2 : bitsPerPixel / 8;
    const int width = std::min(pixels.width(), image.width());
    const int height = std::min(pixels.height(), image.height());
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* src =
            bits.bytes.data() + static_cast<size_t>(y) * static_cast<size_t>(bits.rowBytes);
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = decode(src + x * pixelBytes, bitsPerPixel);
    }
}

} // namespace platform
