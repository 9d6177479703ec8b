#include "canvas_test_support.h"
#include "platform/canvas.h"
#include "platform/pixels.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using canvastest::pixelAt;
using testing::faultOf;

TEST(CanvasPixels, RowBytesByDepthAreWholeWords) {
    struct Row {
        int width;
        int depth;
        int bytes;
    };
    const Row rows[] = {
        {3, 8, 4}, {3, 15, 6},  {3, 16, 6}, {3, 24, 10}, {3, 32, 12},
        {4, 8, 4}, {4, 24, 12}, {1, 8, 2},  {1, 24, 4},  {0, 32, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(bitmapRowBytes(row.width, row.depth), row.bytes) << row.width << " at " << row.depth;
        PixelArray pixels(row.width, 2);
        const BitmapBits bits = encodeBitmapBits(pixels, row.depth);
        EXPECT_EQ(bits.rowBytes, row.bytes);
        EXPECT_EQ(bits.bytes.size(), static_cast<size_t>(2 * row.bytes));
    }
}

TEST(CanvasPixels, UnsupportedDepthRaisesTheHelpersFault) {
    Canvas tile(4, 4);
    for (int depth : {0, 1, 4, 12, 48}) {
        try {
            setBitmapPixels(tile, depth, PixelArray(4, 4));
            ADD_FAILURE() << depth << " raised nothing";
        } catch (const basic::RuntimeFault& fault) {
            EXPECT_EQ(fault.number(), -2147220503);
            EXPECT_EQ(fault.source(), "DDBHelper.GetBitmapPixels");
            EXPECT_EQ(fault.description(), "Invalid number of bits per pixel: " + std::to_string(depth));
        }
    }
}

// A picture of another layout is refused by both before a pixel is touched: a narrower one's
// rows would be overrun.
TEST(CanvasPixels, APictureOfAnotherDepthIsRefused) {
    for (const QImage::Format format :
         {QImage::Format_Indexed8, QImage::Format_RGB16, QImage::Format_RGB888, QImage::Format_RGBA8888}) {
        QImage picture(4, 4, format);
        picture.fill(0);
        const auto bits = [&] {
            return QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        };
        const QByteArray before = bits();
        PixelArray pixels(4, 4);
        pixels.at(3, 3) = PixelTriple{255, 255, 255};
        int depth = 0;
        EXPECT_EQ(faultOf([&] { setBitmapPixels(picture, 32, pixels); }), kInvalidBitsPerPixel) << format;
        EXPECT_EQ(bits(), before) << format;
        EXPECT_EQ(faultOf([&] { getBitmapPixels(picture, pixels, depth); }), kInvalidBitsPerPixel) << format;
    }
}

TEST(CanvasPixels, ReadsTriplesIndexedByColumnAndRow) {
    Canvas tile(3, 2);
    tile.image().setPixel(2, 1, qRgb(10, 20, 30));
    tile.image().setPixel(0, 1, qRgb(1, 2, 3));
    PixelArray pixels;
    int depth = 0;
    getBitmapPixels(tile, pixels, depth);
    EXPECT_EQ(depth, 32);
    EXPECT_EQ(pixels.width(), 3);
    EXPECT_EQ(pixels.height(), 2);
    EXPECT_EQ(pixels.at(2, 1), (PixelTriple{30, 20, 10}));
    EXPECT_EQ(pixels.at(2, 1).rgb(), 10 + 256 * 20 + 65536 * 30);
    EXPECT_EQ(pixels.at(0, 1).red, 1);
    EXPECT_EQ(faultOf([&] { pixels.at(3, 0); }), basic::fault::SubscriptOutOfRange);
    EXPECT_EQ(faultOf([&] { pixels.at(0, -1); }), basic::fault::SubscriptOutOfRange);
}

TEST(CanvasPixels, BitsOfEachDepth) {
    PixelArray pixels(2, 1);
    pixels.at(0, 0) = PixelTriple{0, 0, 255};     // red
    pixels.at(1, 0) = PixelTriple{255, 255, 255}; // white
    struct Row {
        int depth;
        std::vector<std::uint8_t> bytes;
    };
    const Row rows[] = {
        {8, {36 * 5, 215}},
        {15, {0x00, 0x7C, 0xFF, 0x7F}},
        {16, {0x00, 0xF8, 0xFF, 0xFF}},
        {24, {0, 0, 255, 255, 255, 255}},
        {32, {0, 0, 255, 0, 255, 255, 255, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(encodeBitmapBits(pixels, row.depth).bytes, row.bytes) << row.depth;
}

TEST(CanvasPixels, WritingAtADepthKeepsWhatTheDepthHolds) {
    PixelArray pixels(3, 1);
    pixels.at(0, 0) = PixelTriple{0, 0, 0};
    pixels.at(1, 0) = PixelTriple{255, 255, 255};
    pixels.at(2, 0) = PixelTriple{130, 10, 250}; // blue 130, green 10, red 250
    struct Row {
        int depth;
        QRgb third;
    };
    const Row rows[] = {
        {8, qRgb(255, 0, 153)}, // the nearest colour of the cube
        {15, qRgb(255, 8, 132)}, {16, qRgb(255, 8, 132)}, {24, qRgb(250, 10, 130)}, {32, qRgb(250, 10, 130)},
    };
    for (const Row& row : rows) {
        Canvas target(3, 1);
        setBitmapPixels(target, row.depth, pixels);
        EXPECT_EQ(target.image().pixel(0, 0), qRgb(0, 0, 0)) << row.depth;
        EXPECT_EQ(target.image().pixel(1, 0), qRgb(255, 255, 255)) << row.depth;
        EXPECT_EQ(target.image().pixel(2, 0), row.third) << row.depth;
    }
}

TEST(CanvasPixels, WritesOnlyWhereArrayAndImageOverlap) {
    Canvas target(2, 3);
    target.setBackColor(0x0000FF);
    PixelArray pixels(4, 1); // black, wider and lower than the image
    setBitmapPixels(target, 32, pixels);
    EXPECT_EQ(pixelAt(target.image(), 0, 0), 0);
    EXPECT_EQ(pixelAt(target.image(), 1, 0), 0);
    EXPECT_EQ(pixelAt(target.image(), 0, 1), 0x0000FF);
}

} // namespace
} // namespace platform
