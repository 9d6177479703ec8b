// The picture's pixels are made on first use: until then it holds none, and once made they show
// exactly what an image made at once would.

#include "canvas_test_support.h"
#include "controls_testing.h"
#include "platform/form.h"
#include "platform/picturebox.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using canvastest::filledImage;
using canvastest::pixelAt;

// A 6 x 4 picture with a 3 x 2 red background Picture, BackColor blue.
void dressUp(Canvas& canvas) {
    canvas.setScaleMode(scalemode::Pixels);
    canvas.setBackColor(0xFF0000);
    canvas.setPicture(filledImage(3, 2, 0x0000FF));
}

TEST(CanvasLazy, ClearingResizingAndStylingMakeNoPixels) {
    Canvas canvas(6, 4);
    dressUp(canvas);
    canvas.cls();
    canvas.resizePixels(8, 5);
    canvas.setForeColor(0x00FF00);
    canvas.setDrawWidth(2);
    EXPECT_FALSE(canvas.hasPixels());
    EXPECT_EQ(canvas.pixelWidth(), 8);
    EXPECT_EQ(canvas.pixelHeight(), 5);
    EXPECT_EQ(canvas.toPixelX(7), 7) << "the scale knows the size without pixels";

    Canvas empty(0, 5);
    EXPECT_TRUE(empty.hasPixels()) << "nothing to make";
    EXPECT_TRUE(empty.image().isNull());
    EXPECT_EQ(empty.point(0, 0), -1);
}

TEST(CanvasLazy, FirstUseShowsBackColorWithThePicture) {
    Canvas readBack(6, 4);
    dressUp(readBack);
    EXPECT_EQ(readBack.point(1, 1), 0x0000FF) << "a read makes the pixels";
    EXPECT_TRUE(readBack.hasPixels());
    EXPECT_EQ(readBack.point(5, 3), 0xFF0000);
    EXPECT_EQ(readBack.point(6, 0), -1) << "outside the image";

    Canvas drawn(6, 4);
    dressUp(drawn);
    drawn.resizePixels(8, 5);
    drawn.pset(7, 4, 0x00FF00);
    const QImage& image = drawn.image();
    ASSERT_EQ(image.size(), QSize(8, 5));
    EXPECT_EQ(pixelAt(image, 2, 1), 0x0000FF) << "the Picture at (0, 0)";
    EXPECT_EQ(pixelAt(image, 3, 1), 0xFF0000);
    EXPECT_EQ(pixelAt(image, 7, 4), 0x00FF00);
    EXPECT_EQ(pixelAt(image, 6, 4), 0xFF0000);
}

TEST(CanvasLazy, PixelsMadeWhileOtherWorkRunsAreThoseTheFirstUseMakes) {
    Canvas ahead(6, 4), lazy(6, 4);
    dressUp(ahead);
    dressUp(lazy);
    bool worked = false;
    ahead.makePixelsWhile([&] { worked = true; });
    EXPECT_TRUE(worked && ahead.hasPixels());
    EXPECT_EQ(ahead.image(), lazy.image());
    ahead.pset(5, 3, 0x00FF00);
    ahead.makePixelsWhile([] {}); // made pixels stay as they are
    EXPECT_EQ(ahead.point(5, 3), 0x00FF00);
}

TEST(CanvasLazy, MadePixelsStayAndAreKeptThroughAResize) {
    Canvas canvas(6, 4);
    dressUp(canvas);
    canvas.pset(4, 3, 0x00FF00);
    canvas.resizePixels(7, 4);
    canvas.cls();
    EXPECT_TRUE(canvas.hasPixels()) << "a cleared picture keeps its memory for the next drawing";
    EXPECT_EQ(canvas.point(4, 3), 0xFF0000);
    canvas.pset(4, 3, 0x00FF00);
    canvas.resizePixels(5, 4);
    EXPECT_EQ(canvas.point(4, 3), 0x00FF00) << "what fits is kept";
    EXPECT_EQ(canvas.point(0, 0), 0x0000FF);
}

TEST(CanvasLazy, MadePixelsFollowLaterChangesAndAreMadeOnce) {
    Canvas canvas(6, 4);
    dressUp(canvas);
    canvas.image();
    canvas.setBackColor(0x00FF00); // cleared in the new colour
    canvas.resizePixels(7, 4);
    EXPECT_EQ(canvas.point(6, 3), 0x00FF00);
    EXPECT_EQ(canvas.point(2, 1), 0x0000FF);
    const uchar* made = canvas.image().constBits();
    canvas.cls();
    EXPECT_EQ(canvas.image().constBits(), made);
}

// A picture box shows the same on screen whether its pixels are made or not.
TEST(CanvasLazy, PictureBoxShowsTheSameBeforeAndAfterItsPixelsAreMade) {
    Form form("map");
    form.window()->resize(120, 100);
    form.show();
    PictureBox box(form, "Picture1");
    box.setBorderStyle(0);
    box.move(0, 0, 40 * 15.0, 30 * 15.0);
    box.setBackColor(0x336699);
    box.setPicture(filledImage(10, 50, 0x00AA00));
    const QImage before = box.widget()->grab().toImage();
    EXPECT_FALSE(box.hasPixels()) << "showing the picture makes no pixels";
    box.image();
    ASSERT_TRUE(box.hasPixels());
    const QImage after = box.widget()->grab().toImage();
    ASSERT_EQ(before.size(), QSize(40, 30));
    EXPECT_EQ(before, after);
    EXPECT_EQ(pixelAt(after, 5, 29), 0x00AA00);
    EXPECT_EQ(pixelAt(after, 10, 0), 0x336699);
}

} // namespace
} // namespace platform
