// Lightweight controls: hit-testing by z-order, the painting order on the container's pixels,
// and windowed controls above lightweight ones.

#include "controls_testing.h"
#include "platform/artwork.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/lightweight_shape.h"
#include "platform/picturebox.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

namespace platform {
namespace {

using testing::click;
using testing::faultOf;
using testing::press;
using testing::release;

constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;
constexpr std::int32_t kGreen = 0x00FF00;

class LightweightTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.window()->resize(300, 200);
        form.setBackColor(0xFFFFFF);
        form.show();
    }

    // A label filled with a colour, covering pixels (x, y, w, h) of the client.
    std::unique_ptr<LabelControl> swatch(const char* name, int x, int y, int w, int h, std::int32_t colour) {
        auto label = std::make_unique<LabelControl>(form, name);
        label->move(x * 15.0, y * 15.0, w * 15.0, h * 15.0);
        label->setBackColor(colour);
        return label;
    }

    QRgb pixel(int x, int y) { return form.host()->grab().toImage().pixel(x, y) & 0xFFFFFF; }

    Form form{"frmTest"};
};

TEST_F(LightweightTest, FrontmostVisibleEnabledControlTakesTheMouse) {
    auto back = swatch("back", 10, 10, 50, 50, kRed);
    auto middle = swatch("middle", 20, 20, 50, 50, kRed);
    auto front = swatch("front", 30, 30, 50, 50, kRed);
    const QPoint overlap(40, 40);

    EXPECT_EQ(form.hitTest(overlap), front.get()) << "the last one made lies in front";
    front->zorder(1);
    EXPECT_EQ(form.hitTest(overlap), middle.get()) << "zorder(1) sends it behind the others";
    middle->setVisible(false);
    EXPECT_EQ(form.hitTest(overlap), back.get()) << "an invisible control is skipped";
    back->setEnabled(false);
    EXPECT_EQ(form.hitTest(overlap), front.get()) << "a disabled control is skipped";
    front->zorder(0);
    back->setEnabled(true);
    back->zorder(0);
    EXPECT_EQ(form.hitTest(overlap), back.get()) << "zorder(0) brings it to the front";
    EXPECT_EQ(form.hitTest(QPoint(5, 5)), nullptr) << "outside every control the container takes it";
}

TEST_F(LightweightTest, ShapesAndLinesLetTheMouseThrough) {
    auto label = swatch("label", 10, 10, 50, 50, kRed);
    ShapeControl shape(form, "shape");
    shape.move(0, 0, 100 * 15.0, 100 * 15.0);
    LineControl line(form, "line");
    line.setEnds(0, 0, 100 * 15.0, 100 * 15.0);
    EXPECT_EQ(form.hitTest(QPoint(20, 20)), label.get());
}

TEST_F(LightweightTest, ControlWithoutHandlerStillEatsTheClick) {
    int formClicks = 0;
    form.onClick = [&] { ++formClicks; };
    auto label = swatch("label", 10, 10, 50, 50, kRed);
    click(form.host(), QPoint(20, 20));
    EXPECT_EQ(formClicks, 0);
    click(form.host(), QPoint(100, 100));
    EXPECT_EQ(formClicks, 1);
}

TEST_F(LightweightTest, MouseEventsReachTheControlInTwipsFromItsCorner) {
    ImageControl image(form, "img");
    image.move(150, 300, 600, 600);
    std::vector<std::string> seen;
    image.onMouseDown = [&](int button, int shift, double x, double y) {
        seen.push_back("down " + std::to_string(button) + " " + std::to_string(shift) + " " +
                       std::to_string(int(x)) + "," + std::to_string(int(y)));
    };
    image.onMouseUp = [&](int button, int, double x, double y) {
        seen.push_back("up " + std::to_string(button) + " " + std::to_string(int(x)) + "," +
                       std::to_string(int(y)));
    };
    image.onClick = [&] { seen.push_back("click"); };
    press(form.host(), QPoint(15, 22), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    release(form.host(), QPoint(15, 22), Qt::RightButton);
    click(form.host(), QPoint(12, 21));
    const std::vector<std::string> expected = {"down 2 3 75,30", "up 2 75,30", "down 1 0 30,15", "up 1 30,15",
                                               "click"};
    EXPECT_EQ(seen, expected) << "the right button raises no Click";
}

TEST_F(LightweightTest, PressTargetKeepsTheMouseAndReleaseElsewhereIsNoClick) {
    auto label = swatch("label", 10, 10, 20, 20, kRed);
    int ups = 0, clicks = 0, formUps = 0;
    label->onMouseUp = [&](int, int, double, double) { ++ups; };
    label->onClick = [&] { ++clicks; };
    form.onMouseUp = [&](int, int, double, double) { ++formUps; };
    press(form.host(), QPoint(15, 15));
    release(form.host(), QPoint(150, 150));
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(formUps, 0);
}

TEST_F(LightweightTest, PressWhoseReleaseNeverCameIsForgottenByTheNextPress) {
    auto first = swatch("first", 10, 10, 20, 20, kRed);
    auto second = swatch("second", 100, 10, 20, 20, kRed);
    int firstDowns = 0, secondDowns = 0;
    first->onMouseDown = [&](int, int, double, double) {
        ++firstDowns;
        first->drag(kDragBegin);
    };
    second->onMouseDown = [&](int, int, double, double) { ++secondDowns; };
    press(form.host(), QPoint(15, 15), Qt::RightButton);
    press(form.host(), QPoint(105, 15));
    EXPECT_EQ(firstDowns, 1);
    EXPECT_EQ(secondDowns, 1) << "a pop-up menu took the release; the next press starts afresh";
    EXPECT_EQ(Control::dragSource(), nullptr) << "and the drag that never ended is dropped";
}

TEST_F(LightweightTest, ControlUnloadedDuringItsMouseDownGetsNothingMore) {
    auto label = swatch("label", 10, 10, 20, 20, kRed);
    int formEvents = 0;
    form.onMouseUp = [&](int, int, double, double) { ++formEvents; };
    form.onClick = [&] { ++formEvents; };
    label->onMouseDown = [&](int, int, double, double) { label.reset(); };
    click(form.host(), QPoint(15, 15));
    EXPECT_EQ(label, nullptr);
    EXPECT_EQ(formEvents, 0);
}

TEST_F(LightweightTest, DoubleClickReplacesSecondDownAndClick) {
    auto label = swatch("label", 10, 10, 20, 20, kRed);
    std::string order;
    label->onMouseDown = [&](int, int, double, double) { order += "D"; };
    label->onMouseUp = [&](int, int, double, double) { order += "U"; };
    label->onClick = [&] { order += "C"; };
    label->onDblClick = [&] { order += "2"; };
    testing::doubleClick(form.host(), QPoint(15, 15));
    EXPECT_EQ(order, "DUC2U");
}

TEST_F(LightweightTest, PaintedInZOrderAboveTheBackground) {
    auto red = swatch("red", 10, 10, 40, 40, kRed);
    auto blue = swatch("blue", 30, 30, 40, 40, kBlue);
    EXPECT_EQ(pixel(5, 5), 0xFFFFFFu) << "form background";
    EXPECT_EQ(pixel(20, 20), 0xFF0000u) << "red alone (QRgb is 0xRRGGBB)";
    EXPECT_EQ(pixel(40, 40), 0x0000FFu) << "blue lies in front where they overlap";
    blue->zorder(1);
    EXPECT_EQ(pixel(40, 40), 0xFF0000u) << "after zorder(1) red covers blue";
    red->setVisible(false);
    EXPECT_EQ(pixel(40, 40), 0x0000FFu) << "a hidden control is not painted";
}

TEST_F(LightweightTest, WindowedControlLiesAboveEveryLightweightOne) {
    PictureBox box(form, "pic");
    box.setBorderStyle(0);
    box.move(20 * 15.0, 20 * 15.0, 20 * 15.0, 20 * 15.0);
    box.setBackColor(kGreen);
    auto later = swatch("later", 10, 10, 60, 60, kRed);
    later->zorder(0);
    EXPECT_EQ(pixel(30, 30), 0x00FF00u);
    EXPECT_EQ(pixel(15, 15), 0xFF0000u);
    bool labelPressed = false;
    later->onMouseDown = [&](int, int, double, double) { labelPressed = true; };
    EXPECT_EQ(form.hitTest(QPoint(30, 30)), later.get()) << "hit-testing of the container itself";
    press(box.widget(), QPoint(5, 5));
    EXPECT_FALSE(labelPressed) << "the press went to the picture box above it";
}

TEST_F(LightweightTest, ShapeKindsFillTheirOutline) {
    ShapeControl circle(form, "circle");
    circle.setShape(3);
    circle.setBackStyle(1);
    circle.setBackColor(kRed);
    circle.setBorderStyle(0);
    circle.move(0, 0, 100 * 15.0, 40 * 15.0);
    EXPECT_EQ(pixel(50, 20), 0xFF0000u) << "centre of the circle";
    EXPECT_EQ(pixel(10, 20), 0xFFFFFFu) << "a circle uses the shorter side, centred";
    circle.setShape(0);
    EXPECT_EQ(pixel(10, 20), 0xFF0000u) << "a rectangle fills the whole control";
    EXPECT_THROW(circle.setShape(6), basic::RuntimeFault);
}

TEST_F(LightweightTest, LineDrawsBetweenItsEnds) {
    LineControl line(form, "lin");
    line.setBorderColor(kBlue);
    line.setBorderWidth(3);
    line.setEnds(10 * 15.0, 50 * 15.0, 200 * 15.0, 50 * 15.0);
    EXPECT_EQ(pixel(100, 50), 0x0000FFu);
    EXPECT_EQ(pixel(100, 49), 0x0000FFu) << "three pixels wide";
    EXPECT_EQ(pixel(100, 46), 0xFFFFFFu);
    line.setEnd(10 * 15.0, 150 * 15.0);
    EXPECT_EQ(pixel(100, 50), 0xFFFFFFu) << "moving an end repaints the old place";
    EXPECT_EQ(pixel(10, 100), 0x0000FFu);
}

TEST_F(LightweightTest, ImageTakesPictureSizeUnlessStretched) {
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ImageControl image(form, "img");
    image.move(150, 150, 3000, 3000);
    image.setPicture(picture);
    EXPECT_DOUBLE_EQ(image.width(), 8 * 15.0);
    EXPECT_DOUBLE_EQ(image.height(), 6 * 15.0);
    image.setStretch(true);
    image.move(150, 150, 300, 300);
    EXPECT_EQ(pixel(25, 25), 0xFF0000u) << "stretched over 20 x 20 pixels";
    EXPECT_EQ(pixel(31, 31), 0xFFFFFFu);
}

TEST_F(LightweightTest, ArtworkImageTakesItsSizeAndShowsThePictureOrItsMask) {
    ImageControl image(form, "art");
    image.move(150, 150, 3000, 3000);
    image.setArtwork("poi/PUB");
    const QImage expected = platform::picture("poi/PUB");
    EXPECT_DOUBLE_EQ(image.width(), expected.width() * 15.0);
    EXPECT_DOUBLE_EQ(image.height(), expected.height() * 15.0);
    ImageControl copy(form, "copy");
    copy.copyPropertiesFrom(image);
    EXPECT_EQ(copy.picture(), expected);
    EXPECT_EQ(image.picture(), expected);
    const QPoint opaque = [&] {
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (expected.pixel(x, y) != 0xFFFFFFFFu) return QPoint(x, y);
        return QPoint(-1, -1);
    }();
    ASSERT_GE(opaque.x(), 0);
    EXPECT_EQ(pixel(10 + opaque.x(), 10 + opaque.y()), expected.pixel(opaque) & 0xFFFFFFu) << "painted";

    image.setArtwork("poi/PUB", ArtLayer::mask);
    EXPECT_EQ(image.picture(), platform::mask("poi/PUB"));
    image.setArtwork("poi/PUB", ArtLayer::transparent);
    EXPECT_EQ(image.picture(), platform::transparentPicture("poi/PUB"));
    QImage plain(4, 3, QImage::Format_RGB32);
    plain.fill(Qt::blue);
    image.setPicture(plain);
    EXPECT_EQ(image.picture(), plain) << "a picture given later replaces the artwork";
    EXPECT_DOUBLE_EQ(image.width(), 4 * 15.0);
}

TEST_F(LightweightTest, InvalidLookValuesAreFault380) {
    LabelControl label(form, "lbl");
    ShapeControl shape(form, "shp");
    EXPECT_EQ(faultOf([&] { label.setAlignment(3); }), 380);
    EXPECT_EQ(faultOf([&] { label.setBackColor(0x1000000); }), 380);
    EXPECT_EQ(faultOf([&] { label.setFontSize(0); }), 380);
    EXPECT_EQ(faultOf([&] { shape.setBorderWidth(0); }), 380);
    EXPECT_EQ(faultOf([&] { shape.setFillStyle(8); }), 380);
    EXPECT_EQ(faultOf([&] { label.move(0, 0, -1, 10); }), 380);
    EXPECT_EQ(faultOf([&] { label.zorder(2); }), 5);
}

} // namespace
} // namespace platform
