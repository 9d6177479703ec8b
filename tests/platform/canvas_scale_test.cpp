#include "canvas_test_support.h"
#include "platform/canvas.h"
#include "platform/units.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

// The map picture: 2670 pixels in a user scale of 8010 units, 3 units per pixel.
Canvas& mapPicture() {
    static Canvas p1(kMapPicturePixels, kMapPicturePixels);
    p1.setScaleMode(scalemode::User);
    p1.setScaleLeft(0);
    p1.setScaleTop(0);
    p1.setScaleWidth(kMapPictureUnits);
    p1.setScaleHeight(kMapPictureUnits);
    return p1;
}

TEST(CanvasScale, ConvertsLengthsBetweenModes) {
    struct Row {
        double value;
        int from;
        int to;
        double expected;
    };
    const Row rows[] = {
        {3, scalemode::User, scalemode::Pixels, 1}, // 3 units per pixel
        {1, scalemode::Pixels, scalemode::User, 3},
        {1, scalemode::User, scalemode::Twips, 5}, // 5 twips per unit
        {15, scalemode::Twips, scalemode::Pixels, 1},
        {2, scalemode::Pixels, scalemode::Twips, 30},
        {8010, scalemode::User, scalemode::Pixels, 2670},
        {4000, scalemode::User, scalemode::User, 4000},
        {-6, scalemode::User, scalemode::Pixels, -2}, // lengths keep their sign
    };
    const Canvas& p1 = mapPicture();
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(p1.scaleX(row.value, row.from, row.to), row.expected) << row.value;
        EXPECT_DOUBLE_EQ(p1.scaleY(row.value, row.from, row.to), row.expected) << row.value;
    }
}

TEST(CanvasScale, UserPositionsCountFromScaleLeftAndTop) {
    Canvas& p1 = mapPicture();
    EXPECT_DOUBLE_EQ(p1.toPixelX(0), 0);
    EXPECT_DOUBLE_EQ(p1.toPixelX(8010), 2670);
    EXPECT_DOUBLE_EQ(p1.toPixelY(4500), 1500);
    p1.setScaleLeft(300);
    p1.setScaleTop(-30);
    EXPECT_DOUBLE_EQ(p1.toPixelX(303), 1);
    EXPECT_DOUBLE_EQ(p1.toPixelY(0), 10);
    EXPECT_DOUBLE_EQ(p1.fromPixelX(1), 303);
    EXPECT_DOUBLE_EQ(p1.fromPixelY(10), 0);
    EXPECT_EQ(p1.scaleMode(), scalemode::User);
    // Lengths ignore the origin.
    EXPECT_DOUBLE_EQ(p1.scaleX(300, scalemode::User, scalemode::Pixels), 100);
}

TEST(CanvasScale, TwipsAndPixelModesFollowThePixelSize) {
    Canvas picture(200, 100);
    EXPECT_EQ(picture.scaleMode(), scalemode::Twips); // the picture box's default
    EXPECT_DOUBLE_EQ(picture.scaleWidth(), 200 * kTwipsPerPixel);
    EXPECT_DOUBLE_EQ(picture.scaleHeight(), 100 * kTwipsPerPixel);
    EXPECT_DOUBLE_EQ(picture.toPixelX(150), 10);
    picture.resizePixels(300, 50);
    EXPECT_DOUBLE_EQ(picture.scaleWidth(), 300 * kTwipsPerPixel);
    picture.setScaleMode(scalemode::Pixels);
    EXPECT_DOUBLE_EQ(picture.scaleWidth(), 300);
    EXPECT_DOUBLE_EQ(picture.scaleHeight(), 50);
    EXPECT_DOUBLE_EQ(picture.toPixelY(7), 7);
}

TEST(CanvasScale, SettingOneValueSwitchesToUserKeepingTheOthers) {
    Canvas picture(200, 100);
    picture.setScaleWidth(1000);
    EXPECT_EQ(picture.scaleMode(), scalemode::User);
    EXPECT_DOUBLE_EQ(picture.scaleHeight(), 100 * kTwipsPerPixel);
    EXPECT_DOUBLE_EQ(picture.scaleLeft(), 0);
    EXPECT_DOUBLE_EQ(picture.toPixelX(500), 100);
    EXPECT_DOUBLE_EQ(picture.toPixelY(150), 10);

    // A resize keeps the user values: the units stretch.
    picture.resizePixels(400, 100);
    EXPECT_DOUBLE_EQ(picture.scaleWidth(), 1000);
    EXPECT_DOUBLE_EQ(picture.toPixelX(500), 200);

    // Back to pixels: the origin returns to the top-left.
    picture.setScaleLeft(50);
    picture.setScaleMode(scalemode::Pixels);
    EXPECT_DOUBLE_EQ(picture.scaleLeft(), 0);
    EXPECT_DOUBLE_EQ(picture.toPixelX(5), 5);
}

TEST(CanvasScale, ChoosingUserModeKeepsTheCurrentScale) {
    // A picture in twips told to take the map's mode 0 keeps measuring in twips.
    Canvas p2(100, 80);
    p2.setScaleMode(scalemode::User);
    EXPECT_DOUBLE_EQ(p2.scaleWidth(), 1500);
    EXPECT_DOUBLE_EQ(p2.scaleX(1500, scalemode::User, scalemode::Pixels), 100);
}

TEST(CanvasScale, NegativeScaleWidthTurnsTheAxis) {
    Canvas picture(100, 100);
    picture.setScaleLeft(100);
    picture.setScaleWidth(-100);
    EXPECT_DOUBLE_EQ(picture.toPixelX(100), 0);
    EXPECT_DOUBLE_EQ(picture.toPixelX(0), 100);
    EXPECT_DOUBLE_EQ(picture.fromPixelX(25), 75);
}

TEST(CanvasScale, EmptyPictureConvertsWithoutFailing) {
    Canvas picture;
    picture.setScaleWidth(100);
    EXPECT_DOUBLE_EQ(picture.toPixelX(50), 0);
    EXPECT_DOUBLE_EQ(picture.scaleX(10, scalemode::Pixels, scalemode::User), 0);
    EXPECT_DOUBLE_EQ(picture.fromPixelX(10), 0);
}

TEST(CanvasScale, RejectsModesAndSizesOutsideItsRange) {
    Canvas picture(10, 10);
    EXPECT_EQ(faultOf([&] { picture.setScaleMode(2); }), basic::fault::InvalidPropertyValue);
    EXPECT_EQ(faultOf([&] { picture.setScaleWidth(0); }), basic::fault::InvalidPropertyValue);
    EXPECT_EQ(faultOf([&] { picture.setScaleHeight(0); }), basic::fault::InvalidPropertyValue);
    EXPECT_EQ(faultOf([&] { picture.scaleX(1, 8, scalemode::Pixels); }), basic::fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([&] { picture.scaleY(1, scalemode::Pixels, -1); }), basic::fault::InvalidProcedureCall);
    EXPECT_EQ(picture.scaleMode(), scalemode::Twips);
}

} // namespace
} // namespace platform
