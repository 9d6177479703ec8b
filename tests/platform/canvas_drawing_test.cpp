#include "canvas_test_support.h"
#include "platform/canvas.h"

#include <gtest/gtest.h>
#include <limits>

namespace platform {
namespace {

using canvastest::countColour;
using canvastest::pixelAt;
using canvastest::rowsOf;
using testing::faultOf;

constexpr basic::Long kWhite = 0xFFFFFF;
constexpr basic::Long kBlack = 0;
constexpr basic::Long kRed = 0x0000FF;
constexpr basic::Long kBlue = 0xFF0000;

// A picture in pixels on a white background.
using PixelPicture = canvastest::PixelCanvas;

TEST(CanvasDrawing, ThinLineStopsBeforeItsEndPoint) {
    PixelPicture p(8, 5);
    p.line(1, 1, 6, 3);
    EXPECT_EQ(rowsOf(p.image(), p.image().rect(), kBlack), "........\n"
                                                           ".##.....\n"
                                                           "...##...\n"
                                                           ".....#..\n"
                                                           "........\n");
    EXPECT_DOUBLE_EQ(p.currentX(), 6);
    EXPECT_DOUBLE_EQ(p.currentY(), 3);
}

TEST(CanvasDrawing, WideLinesHaveRoundCapsAndTheirWidthInRows) {
    PixelPicture p(11, 9);
    p.setDrawWidth(3);
    p.line(2, 4, 8, 4, kRed);
    EXPECT_EQ(rowsOf(p.image(), p.image().rect(), kRed), "...........\n"
                                                         "...........\n"
                                                         "...........\n"
                                                         ".#########.\n"
                                                         ".#########.\n"
                                                         ".#########.\n"
                                                         "...........\n"
                                                         "...........\n"
                                                         "...........\n");

    PixelPicture even(11, 6);
    even.setDrawWidth(2);
    even.line(2, 3, 8, 3, kRed);
    EXPECT_EQ(rowsOf(even.image(), even.image().rect(), kRed), "...........\n"
                                                               "...........\n"
                                                               ".########..\n"
                                                               ".########..\n"
                                                               "...........\n"
                                                               "...........\n");
}

TEST(CanvasDrawing, DashedStylesOnlyAtWidthOne) {
    PixelPicture p(30, 5);
    p.setDrawStyle(drawstyle::Dash);
    p.line(0, 1, 30, 1);
    EXPECT_EQ(rowsOf(p.image(), QRect(0, 1, 30, 1), kBlack), "##################......######\n");

    p.setDrawWidth(3);
    p.line(0, 3, 30, 3);
    EXPECT_EQ(rowsOf(p.image(), QRect(0, 3, 30, 1), kBlack), std::string(30, '#') + "\n");

    p.cls();
    p.setDrawStyle(drawstyle::Invisible);
    p.line(0, 3, 30, 3);
    EXPECT_EQ(countColour(p.image(), kBlack), 0);
    EXPECT_DOUBLE_EQ(p.currentX(), 30); // an invisible line still moves the position
}

TEST(CanvasDrawing, PsetDrawsADotOfDrawWidth) {
    PixelPicture p(7, 7);
    p.pset(1, 1);
    EXPECT_EQ(pixelAt(p.image(), 1, 1), kBlack);
    EXPECT_EQ(countColour(p.image(), kBlack), 1);
    p.setDrawWidth(3);
    p.pset(4, 4, kBlue);
    EXPECT_EQ(rowsOf(p.image(), QRect(2, 2, 5, 5), kBlue), ".....\n"
                                                           ".###.\n"
                                                           ".###.\n"
                                                           ".###.\n"
                                                           ".....\n");
    EXPECT_DOUBLE_EQ(p.currentX(), 4);
}

TEST(CanvasDrawing, PointReadsTheColourOrMinusOneOutside) {
    Canvas p1(30, 20);
    p1.setScaleWidth(90); // 3 units per pixel
    p1.setScaleHeight(60);
    p1.setBackColor(0x00E8EEF1);
    p1.pset(30, 30, kRed);
    EXPECT_EQ(p1.point(30, 30), kRed);
    EXPECT_EQ(p1.point(31, 29), kRed); // rounds to the same pixel
    EXPECT_EQ(p1.point(0, 0), 0x00E8EEF1);
    EXPECT_EQ(p1.point(88, 58), 0x00E8EEF1);
    EXPECT_EQ(p1.point(-3, 0), -1);
    EXPECT_EQ(p1.point(90, 0), -1);
    EXPECT_EQ(p1.point(0, 60), -1);
    EXPECT_EQ(p1.point(std::numeric_limits<double>::quiet_NaN(), 0), -1);
    EXPECT_EQ(p1.point(1e300, 0), -1);
}

TEST(CanvasDrawing, ClsRestoresThePictureAndTheOrigin) {
    PixelPicture p(6, 4);
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(toQRgb(kRed));
    p.setPicture(picture);
    EXPECT_EQ(countColour(p.image(), kRed), 6);
    p.line(0, 3, 6, 3, kBlue);
    p.cls();
    EXPECT_EQ(rowsOf(p.image(), p.image().rect(), kRed), "###...\n"
                                                         "###...\n"
                                                         "......\n"
                                                         "......\n");
    EXPECT_EQ(countColour(p.image(), kWhite), 18);
    EXPECT_DOUBLE_EQ(p.currentX(), 0);
    EXPECT_DOUBLE_EQ(p.currentY(), 0);
}

TEST(CanvasDrawing, PictureFromImageKeepsTheDrawing) {
    PixelPicture p(6, 4);
    p.line(0, 0, 6, 0, kBlue);
    p.setPictureFromImage();
    p.line(0, 2, 6, 2, kRed);
    p.cls();
    EXPECT_EQ(countColour(p.image(), kBlue), 6);
    EXPECT_EQ(countColour(p.image(), kRed), 0);
    EXPECT_EQ(p.picture().size(), QSize(6, 4));
}

TEST(CanvasDrawing, BackColorClearsTheImage) {
    PixelPicture p(5, 5);
    p.line(0, 0, 5, 5);
    p.setCurrentX(2);
    p.setBackColor(kBlue);
    EXPECT_EQ(countColour(p.image(), kBlue), 25);
    EXPECT_EQ(p.backColor(), kBlue);
    EXPECT_DOUBLE_EQ(p.currentX(), 2);
}

TEST(CanvasDrawing, ResizeKeepsWhatFitsAndFillsTheRestWithBackColor) {
    PixelPicture p(4, 3);
    p.line(0, 0, 4, 0, kRed);
    p.setBackColor(kWhite);
    p.pset(3, 2, kRed);
    p.resizePixels(6, 2);
    EXPECT_EQ(p.pixelWidth(), 6);
    EXPECT_EQ(p.pixelHeight(), 2);
    EXPECT_EQ(p.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(countColour(p.image(), kRed), 0);
    p.pset(1, 1, kRed);
    p.resizePixels(2, 4);
    EXPECT_EQ(rowsOf(p.image(), p.image().rect(), kRed), "..\n.#\n..\n..\n");
    p.resizePixels(-5, 3);
    EXPECT_EQ(p.pixelWidth(), 0);
}

TEST(CanvasDrawing, PropertiesOutsideTheirRangeAreInvalid) {
    PixelPicture p(4, 4);
    const int invalid = basic::fault::InvalidPropertyValue;
    EXPECT_EQ(faultOf([&] { p.setDrawWidth(0); }), invalid);
    EXPECT_EQ(faultOf([&] { p.setDrawStyle(7); }), invalid);
    EXPECT_EQ(faultOf([&] { p.setDrawStyle(-1); }), invalid);
    EXPECT_EQ(faultOf([&] { p.setFillStyle(8); }), invalid);
    EXPECT_EQ(faultOf([&] { p.setDrawMode(0); }), invalid);
    EXPECT_EQ(faultOf([&] { p.setDrawMode(17); }), invalid);
    EXPECT_EQ(faultOf([&] { p.setFontSize(0); }), invalid);
    // A colour that carried beyond the blue byte.
    EXPECT_EQ(faultOf([&] { p.setFillColor(0xFFFFFF + 0x303030); }), invalid);
    EXPECT_EQ(faultOf([&] { p.setForeColor(-1); }), invalid);
    EXPECT_EQ(faultOf([&] { p.setBackColor(0x1000000); }), invalid);
    EXPECT_EQ(faultOf([&] { p.line(0, 0, 1, 1, 0x2000000); }), invalid);
    EXPECT_EQ(p.drawWidth(), 1);
    EXPECT_EQ(p.fillColor(), 0);
    EXPECT_EQ(p.backColor(), kWhite);
    EXPECT_EQ(countColour(p.image(), kWhite), 16);
    // Values inside the ranges are kept as set.
    p.setDrawMode(7);
    p.setFillStyle(fillstyle::DiagonalCross);
    p.setFillColor(0xFFFFFF);
    EXPECT_EQ(p.drawMode(), 7);
    EXPECT_EQ(p.fillStyle(), fillstyle::DiagonalCross);
    EXPECT_EQ(p.fillColor(), 0xFFFFFF);
}

TEST(CanvasDrawing, PositionsBeyondDeviceCoordinatesOverflow) {
    PixelPicture p(4, 4);
    EXPECT_EQ(faultOf([&] { p.line(0, 0, 1e12, 0); }), basic::fault::Overflow);
    EXPECT_EQ(faultOf([&] { p.pset(std::numeric_limits<double>::infinity(), 0); }), basic::fault::Overflow);
    EXPECT_EQ(faultOf([&] { p.line(std::numeric_limits<double>::quiet_NaN(), 0, 1, 1); }),
              basic::fault::Overflow);
    EXPECT_EQ(countColour(p.image(), kWhite), 16);
}

struct CountingCanvas : Canvas {
    using Canvas::Canvas;
    void canvasChanged() override { ++changes; }
    int changes = 0;
};

TEST(CanvasDrawing, EveryDrawingTellsTheControl) {
    CountingCanvas p(20, 20);
    p.setScaleMode(scalemode::Pixels);
    struct Step {
        const char* name;
        std::function<void()> draw;
    };
    const Step steps[] = {
        {"cls", [&] { p.cls(); }},
        {"line", [&] { p.line(0, 0, 5, 5); }},
        {"pset", [&] { p.pset(1, 1); }},
        {"print", [&] { p.print("A"); }},
        {"back colour", [&] { p.setBackColor(kRed); }},
        {"picture", [&] { p.setPicture(QImage(2, 2, QImage::Format_RGB32)); }},
        {"paint", [&] { p.paintPicture(QImage(2, 2, QImage::Format_RGB32), 0, 0); }},
        {"resize", [&] { p.resizePixels(10, 10); }},
    };
    for (const Step& step : steps) {
        const int before = p.changes;
        step.draw();
        EXPECT_GT(p.changes, before) << step.name;
    }
    const int before = p.changes;
    p.setForeColor(kBlue);
    p.setDrawWidth(2);
    EXPECT_EQ(p.changes, before); // pen settings change no pixel
}

} // namespace
} // namespace platform
