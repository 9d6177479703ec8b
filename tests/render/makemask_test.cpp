// The black-and-white tile masks and the greys of the Planning Sheet.

#include "basic/colour.h"
#include "basic/fault.h"
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
    // A tile of the size in `background`, its corner pixel in another colour.
    void tile(int width, int height, QRgb background) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(background);
        picture.setPixel(0, 0, qRgb(1, 2, 3));
        source.setPicture(picture);
    }
    QRgb mask(int x, int y) const { return target.picture().pixel(x, y) & 0xFFFFFF; }

    platform::Form form{"map"};
    platform::ImageControl source{form, "picTile"};
    platform::ImageControl target{form, "picTile"};
};

TEST_F(MakeMaskTest, ThePixelsOfTheColourAtOneOneTurnWhiteAndAllOthersBlack) {
    tile(16, 16, qRgb(160, 192, 128));
    QImage picture = source.picture();
    picture.setPixel(5, 7, qRgb(161, 192, 128)); // one component off
    picture.setPixel(9, 2, qRgb(160, 192, 129));
    source.setPicture(picture);
    makemask(source, target);
    ASSERT_EQ(target.picture().size(), QSize(16, 16));
    int black = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb pixel = mask(x, y);
            EXPECT_TRUE(pixel == 0 || pixel == 0xFFFFFF) << x << "," << y;
            black += pixel == 0;
        }
    EXPECT_EQ(mask(0, 0), 0u); // the corner is not the key
    EXPECT_EQ(mask(5, 7), 0u);
    EXPECT_EQ(mask(9, 2), 0u);
    EXPECT_EQ(black, 3);
}

TEST_F(MakeMaskTest, AOneColourTileIsAllWhiteAndTheMaskTakesEachTilesSize) {
    QImage plain(8, 8, QImage::Format_RGB32);
    plain.fill(qRgb(40, 50, 60));
    source.setPicture(plain);
    target.setPicture(QImage(16, 16, QImage::Format_RGB32));
    makemask(source, target);
    ASSERT_EQ(target.picture().size(), QSize(8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(mask(x, y), 0xFFFFFFu);

    tile(16, 16, qRgb(40, 50, 60));
    makemask(source, target);
    EXPECT_EQ(target.picture().size(), QSize(16, 16));
    EXPECT_EQ(mask(15, 15), 0xFFFFFFu);
}

TEST_F(MakeMaskTest, APictureOfAnotherDepthRaisesTheHelpersFaultAndLeavesTheTarget) {
    const QImage before(4, 4, QImage::Format_RGB32);
    target.setPicture(before);
    source.setPicture(QImage(4, 4, QImage::Format_RGB888));
    try {
        makemask(source, target);
        FAIL() << "no fault";
    } catch (const basic::RuntimeFault& fault) {
        EXPECT_EQ(fault.number(), platform::kInvalidBitsPerPixel);
        EXPECT_EQ(fault.description(), "Invalid number of bits per pixel: 24");
    }
    EXPECT_EQ(target.picture().size(), QSize(4, 4));
}

TEST(RgbTog, DarkGreysAreLightenedBy100LightOnesStay) {
    struct Row {
        basic::Long colour, grey;
    };
    const Row rows[] = {
        {0, rgb(100, 100, 100)},
        {rgb(255, 255, 255), rgb(255, 255, 255)},
        {rgb(200, 200, 200), rgb(200, 200, 200)},
        {rgb(30, 60, 90), rgb(160, 160, 160)},
        {rgb(120, 110, 100), rgb(110, 110, 110)}, // a mean of 110 stays
        {rgb(50, 50, 50), rgb(150, 150, 150)},
        {rgb(109, 109, 109), rgb(209, 209, 209)},
        {rgb(0, 0, 1), rgb(100, 100, 100)}, // a third rounds down
    };
    for (const Row& row : rows)
        EXPECT_EQ(rgbTog(row.colour), row.grey) << row.colour;
}

} // namespace
} // namespace render
