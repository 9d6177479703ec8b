// Painting a marker's icon into the map picture, plainly or through its mask.

#include "core/window_fixture.h"
#include "platform/artwork.h"
#include "render/drawerrors.h"
#include "render/iconpaint.h"

namespace render::testing {
namespace {

using core::testing::WindowTest;

constexpr QRgb kMap = 0xFF20A040;
constexpr QRgb kRed = 0xFFC00000;
constexpr QRgb kBlue = 0xFF0000C0;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
// The icon lands at device pixel (100, 50): p1 has 3 units to a pixel.
constexpr double kLeft = 300;
constexpr double kTop = 150;

QImage row(std::initializer_list<QRgb> pixels) {
    QImage image(static_cast<int>(pixels.size()), 1, QImage::Format_RGB32);
    int x = 0;
    for (QRgb pixel : pixels)
        image.setPixel(x++, 0, pixel);
    return image;
}

class IconPaintTest : public WindowTest {
protected:
    core::MapWindow& ready() {
        core::MapWindow& map = load();
        map.view.p1.image().fill(kMap);
        return map;
    }

    static QRgb at(const core::MapWindow& map, int dx, int dy = 0) {
        return map.view.p1.image().pixel(100 + dx, 50 + dy);
    }

    static void paint(core::MapWindow& map, const QImage& picture, int& style) {
        render::DrawErrors errors;
        ploticon(map, picture, style, kLeft, kTop, errors);
    }
};

TEST(IsPlainStyle, NinetyNineAndTheListedCharactersOnly) {
    const std::string codes = {10, 13, 58, 37, 39, 45, 46, 50, 64, 65, 61, 52, 68, 70};
    for (int style : {99, 10, 13, 37, 39, 45, 46, 50, 52, 58, 61, 64, 65, 68, 70})
        EXPECT_TRUE(isPlainStyle(codes, style)) << style;
    for (int style : {0, 6, 28, 38, 98, 100, 101, 117, 122, -1, 256, 10 + 256})
        EXPECT_FALSE(isPlainStyle(codes, style)) << style;
    EXPECT_FALSE(isPlainStyle("", 37));
}

// Mask black where the icon is opaque: the icon's colour lands there; white elsewhere: the map
// stays. A white icon pixel under a black mask pixel whitens the map.
TEST_F(IconPaintTest, MaskedStylePaintsOnlyWhereTheMaskIsBlack) {
    core::MapWindow& map = ready();
    map.stores.imin[28].setPicture(row({kBlack, kWhite, kBlack, kBlack}));
    int style = 28;
    paint(map, row({kRed, kWhite, kBlue, kWhite}), style);
    EXPECT_EQ(at(map, 0), kRed);
    EXPECT_EQ(at(map, 1), kMap);
    EXPECT_EQ(at(map, 2), kBlue);
    EXPECT_EQ(at(map, 3), kWhite);
    EXPECT_EQ(at(map, 4), kMap);
    EXPECT_EQ(style, 28);
}

TEST_F(IconPaintTest, PlainStylesCopyTheWholeRectangleAndBecome99) {
    for (int plain : {99, 37, 39, 70}) {
        SCOPED_TRACE(plain);
        core::MapWindow& map = ready();
        int style = plain;
        paint(map, row({kRed, kWhite, kBlue}), style);
        EXPECT_EQ(at(map, 0), kRed);
        EXPECT_EQ(at(map, 1), kWhite);
        EXPECT_EQ(at(map, 2), kBlue);
        EXPECT_EQ(at(map, 3), kMap);
        EXPECT_EQ(style, 99);
    }
}

// A style with no mask element, or an element without a picture, never leaves a hole: the icon
// is copied plainly and no message is shown.
TEST_F(IconPaintTest, AStyleWithoutAMaskIsPaintedPlainly) {
    for (int missing : {110, 118, 200, -5}) {
        SCOPED_TRACE(missing);
        core::MapWindow& map = ready();
        int style = missing;
        paint(map, row({kRed, kWhite}), style);
        EXPECT_EQ(at(map, 0), kRed);
        EXPECT_EQ(at(map, 1), kWhite);
        EXPECT_EQ(style, missing);
    }
    EXPECT_TRUE(dialogs().shown().empty());
}

// The artwork's own masks: the amenity template (98) and the place-of-worship template (28) are
// discs, so a corner keeps the map and the centre shows the icon.
TEST_F(IconPaintTest, TemplateStylesUseTheirOwnMasks) {
    for (auto [name, masked] : {std::pair{"poi/AME", 98}, std::pair{"poi/CHU", 28}}) {
        SCOPED_TRACE(name);
        core::MapWindow& map = ready();
        const QImage picture = platform::picture(name);
        int style = masked;
        paint(map, picture, style);
        EXPECT_EQ(at(map, 0), kMap);
        const int c = picture.width() / 2;
        EXPECT_EQ(at(map, c, c) & 0xFFFFFF, picture.pixel(c, c) & 0xFFFFFF);
        EXPECT_EQ(style, masked);
    }
}

} // namespace
} // namespace render::testing
