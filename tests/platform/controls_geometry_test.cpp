// Geometry of windowed controls in twips, children of a picture box in its own scale units,
// children of a frame, and mouse coordinates in the control's own units.

#include "controls_testing.h"
#include "platform/container_frame.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/picturebox.h"
#include "platform/widgets_buttons.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

class GeometryTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.window()->resize(400, 300);
        form.show();
    }
    Form form{"frmGeometry"};
};

TEST_F(GeometryTest, WindowedControlsArePlacedFromTwips) {
    CommandButton button(form, "cmd");
    button.move(150, 300, 1500, 450);
    EXPECT_EQ(button.widget()->geometry(), QRect(10, 20, 100, 30));
    button.setLeft(157);
    EXPECT_EQ(button.widget()->x(), 10) << "157 twips round to 10 pixels";
    EXPECT_DOUBLE_EQ(button.left(), 157) << "the value assigned is the value read back";
    button.setWidth(0);
    EXPECT_EQ(button.widget()->width(), 0);
}

TEST_F(GeometryTest, ScaleSizeOfTheFormIsItsClientInTwips) {
    EXPECT_DOUBLE_EQ(form.scaleWidth(), form.host()->width() * 15.0);
    EXPECT_DOUBLE_EQ(form.scaleHeight(), form.host()->height() * 15.0);
}

TEST_F(GeometryTest, PictureBoxPlacesChildrenInItsScaleUnits) {
    PictureBox viewport(form, "Picture1");
    viewport.setBorderStyle(0);
    viewport.move(0, 0, 3000, 3000);
    PictureBox map(viewport, "p1");
    map.setBorderStyle(0);
    map.move(-800, -1000, 2670 * 15.0, 2670 * 15.0);
    EXPECT_EQ(map.widget()->geometry(), QRect(-53, -67, 2670, 2670)) << "twips of Picture1 (-800/15 = -53.3)";
    map.setScaleWidth(8010);
    map.setScaleHeight(8010);
    EXPECT_EQ(map.pixelWidth(), 2670);

    ImageControl marker(map, "marker");
    marker.move(4000, 3300, 30, 30);
    EXPECT_EQ(marker.pixelBounds(), QRect(1333, 1100, 10, 10)) << "3 units to the pixel";
    PictureBox bubble(map, "bub");
    bubble.setBorderStyle(0);
    bubble.move(300, 600, 90, 60);
    EXPECT_EQ(bubble.widget()->geometry(), QRect(100, 200, 30, 20));

    map.setScaleLeft(300);
    EXPECT_EQ(bubble.widget()->geometry(), QRect(0, 200, 30, 20)) << "a new scale places the children again";
    EXPECT_EQ(marker.pixelBounds().left(), 1233);
    map.setScaleWidth(4005);
    EXPECT_EQ(bubble.pixelWidth(), 60) << "and a child picture's image follows its new pixel size";
}

TEST_F(GeometryTest, BorderShrinksTheClientAreaOfAPictureBox) {
    PictureBox box(form, "pic");
    box.move(0, 0, 100 * 15.0, 50 * 15.0);
    EXPECT_EQ(box.pixelWidth(), 96) << "a two-pixel border on each side";
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 96 * 15.0);
    box.setBorderStyle(0);
    EXPECT_EQ(box.pixelWidth(), 100);
    box.setHeight(60 * 15.0);
    EXPECT_EQ(box.pixelHeight(), 60) << "the image follows the size at once, shown or hidden";
    box.setVisible(false);
    box.setHeight(70 * 15.0);
    EXPECT_EQ(box.pixelHeight(), 70);
}

TEST_F(GeometryTest, MouseOnAPictureBoxReportsItsScaleUnits) {
    PictureBox map(form, "p1");
    map.setBorderStyle(0);
    map.move(0, 0, 200 * 15.0, 100 * 15.0);
    map.setScaleLeft(1000);
    map.setScaleTop(0);
    map.setScaleWidth(600);
    map.setScaleHeight(300);
    double seenX = 0, seenY = 0;
    int seenButton = 0;
    map.onMouseMove = [&](int button, int, double x, double y) {
        seenButton = button;
        seenX = x;
        seenY = y;
    };
    testing::moveTo(map.widget(), QPoint(10, 20));
    EXPECT_EQ(seenButton, 0);
    EXPECT_DOUBLE_EQ(seenX, 1030);
    EXPECT_DOUBLE_EQ(seenY, 60);
    testing::press(map.widget(), QPoint(0, 0), Qt::RightButton);
    testing::moveTo(map.widget(), QPoint(50, 40), Qt::RightButton);
    EXPECT_EQ(seenButton, 2) << "a move reports the buttons held";
    EXPECT_DOUBLE_EQ(seenX, 1150);
    testing::release(map.widget(), QPoint(50, 40), Qt::RightButton);
}

TEST_F(GeometryTest, FrameChildrenSitFromItsCornerAndFollowItsEnabledState) {
    Frame frame(form, "Frame9");
    frame.move(300, 300, 3000, 3000);
    frame.setCaption("Search");
    CommandButton inside(frame, "cmd");
    inside.move(150, 150, 600, 300);
    EXPECT_EQ(inside.widget()->geometry(), QRect(10, 10, 40, 20));
    LabelControl label(frame, "lbl");
    label.move(0, 0, 300, 300);
    int presses = 0;
    label.onMouseDown = [&](int, int, double, double) { ++presses; };
    frame.setEnabled(false);
    EXPECT_FALSE(inside.widget()->isEnabled()) << "a disabled frame disables its children";
    EXPECT_TRUE(inside.enabled()) << "while their own Enabled stays as it was";
    EXPECT_FALSE(frame.widget()->isEnabled());
    frame.setEnabled(true);
    testing::press(frame.widget(), QPoint(5, 5));
    EXPECT_EQ(presses, 1);
}

TEST_F(GeometryTest, WindowedZOrderRaisesAndLowersTheWidget) {
    PictureBox a(form, "a");
    PictureBox b(form, "b");
    a.move(0, 0, 600, 600);
    b.move(0, 0, 600, 600);
    EXPECT_EQ(form.host()->childAt(5, 5), b.widget());
    a.zorder(0);
    EXPECT_EQ(form.host()->childAt(5, 5), a.widget());
    a.zorder(1);
    EXPECT_EQ(form.host()->childAt(5, 5), b.widget());
}

} // namespace
} // namespace platform
