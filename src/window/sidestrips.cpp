#include "window/sidestrips.h"

#include "platform/artwork.h"

namespace core {
namespace {

struct Place {
    double left, top, width, height;
};

constexpr Place kStrips[] = {{10380, 3930, 285, 3750}, {468, 1884, 480, 6795}};

// The tops of the problem-button frames; their left and size are set at start-up.
constexpr double kProblemFrameTops[kProblemFrames] = {450, 1110, 5085, 1770, 2445, 4440, 3765, 3090};

struct Toggle {
    int strip;
    Place place;
};

constexpr Toggle kToggles[] = {{kLeftStrip, {135, 60, 270, 255}},
                               {kLeftStrip, {150, 75, 225, 255}},
                               {kRightStrip, {30, 180, 225, 165}},
                               {kRightStrip, {30, 180, 225, 165}}};

platform::Frame& makeStrips(platform::Form& form, platform::ControlArray<platform::Frame>& frames) {
    for (int i = 0; i < 2; ++i) {
        platform::Frame& strip = frames.addDesignElement(i, form);
        strip.setBorderStyle(0);
        strip.setBackColor(0xF2FCFF);
        strip.move(kStrips[i].left, kStrips[i].top, kStrips[i].width, kStrips[i].height);
    }
    return frames[kLeftStrip];
}

void button(platform::ImageControl& image, const char* name, double top) {
    image.setArtwork(std::string("buttons/") + name);
    image.move(60, top);
}

} // namespace

SideStrips::SideStrips(platform::Form& form)
    : left(makeStrips(form, Frame3)), Image2(left, "Image2"), chaina(left, "chaina"),
      Image10(left, "Image10"), Image11(left, "Image11"), shape12(left, "shape12"), Image6(left, "Image6"),
      Image9(left, "Image9") {
    for (int i = 0; i < kProblemFrames; ++i) {
        platform::ShapeControl& frame = Shape10.addDesignElement(i, left);
        frame.setShape(4);
        frame.setBorderColor(0xFF8080);
        frame.move(45, kProblemFrameTops[i], 405, 405);
    }
    // The problem buttons are centred in their frames at start-up.
    button(Image2, "Image2", 450);
    button(chaina, "chaina", 1770);
    button(Image10, "Image10", 4440);
    button(Image11, "Image11", 5085);
    button(shape12, "shape12", 3765);
    button(Image6, "Image6", 5880);
    button(Image9, "Image9", 6330);

    for (int i = 0; i < 4; ++i) {
        const Toggle& toggle = kToggles[i];
        platform::PictureBox& picture = ex.addDesignElement(i, Frame3[toggle.strip]);
        picture.setBorderStyle(0);
        picture.setPicture(platform::picture("toggles/ex_" + std::to_string(i)));
        picture.move(toggle.place.left, toggle.place.top, toggle.place.width, toggle.place.height);
    }
}

} // namespace core
