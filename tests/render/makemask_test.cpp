// The black-and-white tile masks and the greys of the Planning Sheet.

#include "basic/colour.h"
#include "basic/fault.h"
#include "platform/canvas_test_support.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/pixels.h"
#include "render/makemask.h"
#include "render/rgbtog.h"

#include <QImage>
#include <gtest/gtest.h>

namespace render {
namespace {

using basic::rgb;

class MakeMaskTest : public ::testing::Test {
protected:
    // A tile of one colour, its corner pixel in another.
    void tile(int width, int height, QRgb background) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(background);
        picture.setPixel(0, 0, qRgb(1, 2, 3));
        source.setPicture(picture);
    }
    int whiteCount() const { return platform::canvastest::countColour(target.picture(), 0xFFFFFF); }

    platform::Form form{"map"};
    platform::ImageControl source{form, "picTile"};
    platform::ImageControl target{form, "picTile"};
};

TEST_F(MakeMaskTest, ThePixelsOfTheColourAtOneOneTurnWhiteAndAllOthersBlack) {
    tile(16, 16, qRgb(160, 192, 128));
    QImage picture = source.picture();
    picture.setPixel(5, 7, qRgb(161, 192, 128)); // one component off
    source.setPicture(picture);
    makemask(source, target);
    ASSERT_EQ(target.picture().size(), QSize(16, 16));
    EXPECT_EQ(whiteCount(), 16 * 16 - 2);
    EXPECT_EQ(target.picture().pixel(0, 0) & 0xFFFFFF, 0u); // the corner is not the key
    EXPECT_EQ(target.picture().pixel(5, 7) & 0xFFFFFF, 0u);
}

TEST_F(MakeMaskTest, AOneColourTileIsAllWhiteAndTheMaskTakesEachTilesSize) {
    target.setPicture(QImage(16, 16, QImage::Format_RGB32));
    tile(8, 8, qRgb(1, 2, 3));
    makemask(source, target);
    ASSERT_EQ(target.picture().size(), QSize(8, 8));
    EXPECT_EQ(whiteCount(), 64);
}

TEST_F(MakeMaskTest, APictureOfAnotherDepthRaisesTheHelpersFaultAndLeavesTheTarget) {
    target.setPicture(QImage(4, 4, QImage::Format_RGB32));
    source.setPicture(QImage(6, 6, QImage::Format_RGB888));
    try {
        makemask(source, target);
        FAIL() << "no fault";
    } catch (const basic::RuntimeFault& fault) {
        EXPECT_EQ(fault.number(), platform::kInvalidBitsPerPixel);
        EXPECT_EQ(fault.description(), "Invalid number of bits per pixel: 24");
    }
    EXPECT_EQ(target.picture().size(), QSize(4, 4));
}

TEST(GreyOf, DarkGreysAreLightenedBy100LightOnesStay) {
    const std::pair<basic::Long, basic::Long> rows[] = {
        {0, rgb(100, 100, 100)},
        {rgb(255, 255, 255), rgb(255, 255, 255)},
        {rgb(200, 200, 200), rgb(200, 200, 200)},
        {rgb(30, 60, 90), rgb(160, 160, 160)},
        {rgb(120, 110, 100), rgb(110, 110, 110)}, // a mean of 110 stays
        {rgb(50, 50, 50), rgb(150, 150, 150)},
        {rgb(109, 109, 109), rgb(209, 209, 209)},
    };
    for (const auto& [colour, grey] : rows)
        EXPECT_EQ(greyOf(colour), grey) << colour;
}

} // namespace
} // namespace render
