#include "canvas_test_support.h"
#include "platform/canvas.h"
#include "platform/rasterops.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using canvastest::filledImage;
using canvastest::pixelAt;
using canvastest::rowsOf;

constexpr basic::Long kWhite = 0xFFFFFF;
constexpr basic::Long kBlack = 0;
constexpr basic::Long kMapBack = 0x00E8EEF1; // RGB(241,238,232)
constexpr basic::Long kRed = 0x0000FF;
constexpr basic::Long kGreen = 0x00FF00;

TEST(CanvasPaint, RasterOperationsCombineTheColourBits) {
    struct Row {
        RasterOp op;
        basic::Long src;
        basic::Long dst;
        basic::Long expected;
    };
    const Row rows[] = {
        {RasterOp::SrcCopy, 0x123456, 0xABCDEF, 0x123456},
        {RasterOp::SrcPaint, 0x0F00F0, 0x00F00F, 0x0FF0FF},
        {RasterOp::SrcAnd, 0x0FF0FF, 0x3C3C3C, 0x0C303C},
        {RasterOp::SrcInvert, 0xFF00FF, 0x0F0F0F, 0xF00FF0},
        {RasterOp::MergePaint, 0x000000, 0x123456, 0xFFFFFF}, // black mask pixel: white
        {RasterOp::MergePaint, 0xFFFFFF, 0x123456, 0x123456}, // white mask pixel: unchanged
        {RasterOp::MergePaint, 0x0F0F0F, 0x000100, 0xF0F1F0},
        {RasterOp::SrcAnd, 0xFFFFFF, 0x123456, 0x123456}, // white icon pixel: unchanged
    };
    for (const Row& row : rows) {
        QImage dest = filledImage(1, 1, row.dst);
        paintRaster(dest, QRect(0, 0, 1, 1), filledImage(1, 1, row.src), QRect(0, 0, 1, 1), row.op);
        EXPECT_EQ(pixelAt(dest, 0, 0), row.expected) << std::hex << static_cast<std::uint32_t>(row.op);
        EXPECT_EQ(qAlpha(dest.pixel(0, 0)), 255);
    }
}

TEST(CanvasPaint, MaskThenIconLeavesTheMapAroundTheIcon) {
    Canvas p1(12, 10);
    p1.setScaleWidth(36); // 3 units per pixel
    p1.setScaleHeight(30);
    p1.setBackColor(kMapBack);
    p1.line(0, 15, 36, 15, kGreen); // a way under the icon, row 5
    const QImage before = p1.image();

    // A 4×4 icon: a red 2×2 dot on white; its mask is black where the icon is opaque.
    QImage icon = filledImage(4, 4, kWhite);
    QImage mask = filledImage(4, 4, kWhite);
    for (int y = 1; y <= 2; ++y) {
        for (int x = 1; x <= 2; ++x) {
            icon.setPixel(x, y, toQRgb(kRed));
            mask.setPixel(x, y, toQRgb(kBlack));
        }
    }
    p1.paintPicture(mask, 12, 9, RasterOp::MergePaint); // pixel (4, 3)
    p1.paintPicture(icon, 12, 9, RasterOp::SrcAnd);

    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool opaque = x >= 5 && x <= 6 && y >= 4 && y <= 5;
            const basic::Long expected = opaque ? kRed : pixelAt(before, x, y);
            EXPECT_EQ(pixelAt(p1.image(), x, y), expected) << x << "," << y;
        }
    }
}

TEST(CanvasPaint, StretchesByNearestNeighbour) {
    QImage source(3, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, toQRgb(kRed));
    source.setPixel(1, 0, toQRgb(kGreen));
    source.setPixel(2, 0, toQRgb(kBlack));

    Canvas p(6, 2);
    p.setScaleMode(scalemode::Pixels);
    p.setBackColor(kWhite);
    p.paintPicture(source, 0, 0, 6, 1, 0, 0, 3, 1);
    EXPECT_EQ(rowsOf(p.image(), QRect(0, 0, 6, 1), kRed), "##....\n");
    EXPECT_EQ(rowsOf(p.image(), QRect(0, 0, 6, 1), kGreen), "..##..\n");
    p.paintPicture(source, 0, 1, 2, 1, 0, 0, 3, 1); // shrink: pixels 0 and 2 of the source
    EXPECT_EQ(pixelAt(p.image(), 0, 1), kRed);
    EXPECT_EQ(pixelAt(p.image(), 1, 1), kBlack);
    EXPECT_EQ(pixelAt(p.image(), 2, 1), kWhite);
}

TEST(CanvasPaint, SourceRectangleIsInTheDestinationsUnits) {
    // The frozen copy of the map: p2 measures in twips, the source corner too.
    QImage map(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x)
            map.setPixel(x, y, qRgb(x, y, 7));
    }
    Canvas p2(10, 8);
    p2.setScaleMode(scalemode::User); // keeps the twips scale
    p2.paintPicture(map, p2.scaleLeft(), p2.scaleTop(), p2.scaleWidth(), p2.scaleHeight(), 150, 300, 150,
                    120);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(p2.image().pixel(x, y), qRgb(10 + x, 20 + y, 7)) << x << "," << y;
    }
}

TEST(CanvasPaint, PartsOutsideEitherImageAreLeftAlone) {
    Canvas p(4, 4);
    p.setScaleMode(scalemode::Pixels);
    p.setBackColor(kWhite);
    const QImage red = filledImage(3, 3, kRed);
    p.paintPicture(red, -2, 2); // only (0..0, 2..3) lands
    EXPECT_EQ(rowsOf(p.image(), p.image().rect(), kRed), "....\n....\n#...\n#...\n");
    p.cls();
    p.paintPicture(red, 0, 0, 4, 4, 1, 1, 4, 4); // source columns and rows 3 and 4 do not exist
    EXPECT_EQ(rowsOf(p.image(), p.image().rect(), kRed), "##..\n##..\n....\n....\n");
    p.cls();
    p.paintPicture(red, 0, 0, 0, 4, 0, 0, 3, 3);  // empty destination
    p.paintPicture(red, 0, 0, 4, 4, 0, 0, -3, 3); // empty source
    p.paintPicture(QImage(), 0, 0);               // no picture
    p.paintPicture(red, 1e6, 1e6);                // far away
    EXPECT_EQ(canvastest::countColour(p.image(), kWhite), 16);
}

TEST(CanvasPaint, PaintingAPictureOntoItselfReadsTheOldPixels) {
    Canvas p(5, 1);
    p.setScaleMode(scalemode::Pixels);
    for (int x = 0; x < 5; ++x)
        p.image().setPixel(x, 0, qRgb(x * 10, 0, 0));
    p.paintPicture(p.image(), 1, 0, 4, 1, 0, 0, 4, 1); // shift right by one
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(qRed(p.image().pixel(x, 0)), (x - 1) * 10) << x;
    EXPECT_EQ(qRed(p.image().pixel(0, 0)), 0);
}

} // namespace
} // namespace platform
