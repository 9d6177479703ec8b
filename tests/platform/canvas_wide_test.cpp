// The wide pen inks exactly the pixels whose centres lie within half its width of the segment
// (a capsule), clipped at every edge, for every width and direction.

#include "platform/canvas.h"
#include "platform/canvas_wide.h"
#include "platform/gdipen.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <random>

namespace platform {
namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr QRgb kInk = 0xFF102030;

QImage paper() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

// The distance from the pixel centre to the segment, both shifted as the pen shifts odd widths
// onto pixel centres, measured by projection onto the segment.
double distanceToSegment(int x, int y, QPoint from, QPoint to, int width) {
    const double offset = width % 2 == 1 ? 0.5 : 0.0;
    const double px = x + 0.5, py = y + 0.5;
    const double ax = from.x() + offset, ay = from.y() + offset;
    const double dx = double(to.x()) - from.x(), dy = double(to.y()) - from.y();
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared == 0 ? 0 : ((px - ax) * dx + (py - ay) * dy) / lengthSquared;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

void expectSamePixels(QPoint from, QPoint to, int width) {
    QImage actual = paper();
    drawWideLine(actual, kInk, from, to, width);
    const double r = width / 2.0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const double distance = distanceToSegment(x, y, from, to, width);
            if (std::abs(distance - r) < 1e-6) continue; // on the rim: either answer is a capsule
            ASSERT_EQ(actual.pixel(x, y) == kInk, distance < r)
                << "pixel " << x << "," << y << " of " << from.x() << "," << from.y() << " - " << to.x()
                << "," << to.y() << " width " << width;
        }
}

TEST(WidePen, RandomSegmentsInkTheirCapsule) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coordinate(-24, 88);
    std::uniform_int_distribution<int> widths(2, 12);
    for (int k = 0; k < 600; ++k) {
        const QPoint from(coordinate(random), coordinate(random));
        const QPoint to(coordinate(random), coordinate(random));
        expectSamePixels(from, to, widths(random));
        if (testing::Test::HasFatalFailure()) return;
    }
}

TEST(WidePen, EdgeCasesInkTheirCapsule) {
    struct Case {
        QPoint from, to;
        int width;
    };
    const Case cases[] = {
        {{20, 20}, {20, 20}, 2},            // a dot
        {{20, 20}, {20, 20}, 7},            //
        {{5, 10}, {50, 10}, 4},             // horizontal
        {{30, -5}, {30, 60}, 5},            // vertical, through the image
        {{0, 0}, {63, 47}, 3},              // corner to corner
        {{-100, 5}, {-90, 5}, 8},           // wholly left of the image
        {{10, 200}, {40, 300}, 6},          // wholly below
        {{-1000000, 24}, {1000000, 25}, 9}, // far beyond both edges
        {{63, 47}, {63, 47}, 12},           // a dot on the last pixel
    };
    for (const Case& c : cases)
        expectSamePixels(c.from, c.to, c.width);
}

TEST(WidePen, ThePicturesLinePixelsDrawsWideAndThin) {
    Canvas canvas(64, 48);
    canvas.setScaleMode(scalemode::Pixels);
    canvas.setForeColor(0x0000FF);
    canvas.setDrawWidth(5);
    canvas.linePixels(QPoint(10, 10), QPoint(40, 10), 40, 10);
    EXPECT_EQ(canvas.point(25, 8), 0x0000FF);
    EXPECT_EQ(canvas.point(25, 12), 0x0000FF);
    EXPECT_EQ(canvas.point(25, 13), 0xFFFFFF);
    EXPECT_EQ(canvas.currentX(), 40);
    canvas.setDrawWidth(1);
    canvas.setDrawStyle(drawstyle::Dash);
    canvas.linePixels(QPoint(0, 30), QPoint(40, 30), 40, 30);
    EXPECT_EQ(canvas.point(17, 30), 0x0000FF);
    EXPECT_EQ(canvas.point(18, 30), 0xFFFFFF) << "dashes of 18 on, 6 off";
    canvas.setDrawWidth(4);
    canvas.setDrawStyle(drawstyle::Invisible);
    canvas.linePixels(QPoint(0, 40), QPoint(40, 40), 40, 40);
    EXPECT_EQ(canvas.point(20, 40), 0xFFFFFF);
}

} // namespace
} // namespace platform
