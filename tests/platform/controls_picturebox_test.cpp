// The picture box: its image under its lightweight children, the repaint after changes,
// manual drags of markers onto it, tooltips of markers and the mouse pointer.

#include "controls_testing.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/picturebox.h"

#include <QApplication>
#include <QEventLoop>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

namespace platform {
namespace {

// Lets the event loop run for a moment, long enough for posted repaints.
void spin() {
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
}

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.window()->resize(300, 300);
        form.show();
        map.setBorderStyle(0);
        map.move(0, 0, 200 * 15.0, 200 * 15.0);
        map.setScaleWidth(600);
        map.setScaleHeight(600);
        map.setBackColor(0xFFFFFF);
    }
    QRgb pixel(int x, int y) { return map.widget()->grab().toImage().pixel(x, y) & 0xFFFFFF; }
    // Element 1 of a marker array, shown at (300, 300), ready to be dragged.
    ImageControl& loadMarker(ControlArray<ImageControl>& plt) {
        plt.addDesignElement(0, map).move(0, 0, 18, 18);
        ImageControl& point = plt.load(1);
        point.move(300, 300);
        point.setVisible(true);
        return point;
    }

    Form form{"map"};
    PictureBox map{form, "p1"};
};

TEST_F(PictureBoxTest, ImageLiesUnderTheLightweightChildren) {
    map.setDrawWidth(3);
    map.line(0, 300, 600, 300, 0x0000FF);
    LabelControl label(map, "lbl");
    label.move(0, 240, 150, 150);
    label.setBackColor(0xFF0000);
    EXPECT_EQ(pixel(150, 100), 0xFF0000u) << "the red line of the persistent image";
    EXPECT_EQ(pixel(20, 100), 0x0000FFu) << "the blue label covers the line";
    EXPECT_EQ(pixel(150, 150), 0xFFFFFFu);
}

TEST_F(PictureBoxTest, MarkerAndDrawingChangesScheduleARepaint) {
    ControlArray<ImageControl> markers("amen");
    ImageControl& templ = markers.addDesignElement(0, map);
    templ.move(0, 0, 9, 9);
    spin();
    int paints = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++*count;
            return false;
        }
    } counter(&paints);
    map.widget()->installEventFilter(&counter);
    for (int i = 1; i <= 500; ++i) {
        ImageControl& marker = markers.load(i);
        marker.move(i, i);
        marker.setVisible(true);
        map.line(0, i, 600, i);
    }
    for (int i = 1; i <= 500; ++i)
        markers.unload(i);
    spin();
    map.widget()->removeEventFilter(&counter);
    EXPECT_GE(paints, 1);
    EXPECT_LE(paints, 2) << "a repaint for the whole batch, not one per change";
}

TEST_F(PictureBoxTest, DraggedMarkerIsDroppedOnThePicture) {
    ControlArray<ImageControl> plt("plt");
    ImageControl& point = loadMarker(plt);
    std::string seen;
    plt.onMouseDown = [&](int index, int button, int, double, double) {
        if (button != kLeftButton) return;
        plt[index].drag(kDragBegin);
        plt[index].setVisible(false);
    };
    plt.onMouseUp = [&](int, int, int, double, double) { seen += "up "; };
    map.onMouseMove = [&](int, int, double, double) { seen += "move "; };
    map.onDragOver = [&](Control& source, double x, double y, int state) {
        seen += "over " + std::to_string(source.index()) + " " + std::to_string(int(x)) + "," +
                std::to_string(int(y)) + " " + std::to_string(state) + " ";
    };
    map.onDragDrop = [&](Control& source, double x, double y) {
        seen += "drop " + source.name() + " " + std::to_string(int(x)) + "," + std::to_string(int(y)) + " ";
        source.drag(kDragEnd);
    };
    testing::press(map.widget(), QPoint(102, 102));
    EXPECT_EQ(Control::dragSource(), &point);
    testing::moveTo(map.widget(), QPoint(120, 110), Qt::LeftButton);
    testing::release(map.widget(), QPoint(130, 140));
    EXPECT_EQ(seen, "over 1 360,330 2 drop plt 390,420 ");
    EXPECT_EQ(Control::dragSource(), nullptr);
    testing::moveTo(map.widget(), QPoint(10, 10));
    EXPECT_EQ(seen.substr(seen.size() - 5), "move ") << "after the drop the mouse is the picture's again";
}

TEST_F(PictureBoxTest, DragsOverChildrenGoToThePictureWhenItOwnsThem) {
    ControlArray<ImageControl> plt("plt");
    loadMarker(plt);
    ImageControl icon(map, "pb");
    icon.move(30, 30, 60, 60);
    plt.onMouseDown = [&](int index, int, int, double, double) { plt[index].drag(kDragBegin); };
    std::string seen;
    icon.onDragDrop = [&](Control&, double, double) { seen += "icon "; };
    map.onDragOver = [&](Control&, double x, double y, int) {
        seen += "over " + std::to_string(int(x)) + "," + std::to_string(int(y)) + " ";
    };
    map.onDragDrop = [&](Control&, double x, double y) {
        seen += "drop " + std::to_string(int(x)) + "," + std::to_string(int(y)) + " ";
    };
    for (bool owns : {false, true}) {
        map.setOwnsChildDrags(owns);
        testing::press(map.widget(), QPoint(102, 102));
        testing::moveTo(map.widget(), QPoint(15, 15), Qt::LeftButton);
        testing::release(map.widget(), QPoint(20, 20));
    }
    EXPECT_EQ(seen, "icon over 45,45 drop 60,60 ");
}

TEST_F(PictureBoxTest, APressAfterALostReleaseCancelsTheDragAndSaysSo) {
    ControlArray<ImageControl> plt("plt");
    loadMarker(plt);
    std::string seen;
    plt.onMouseDown = [&](int index, int, int, double, double) { plt[index].drag(kDragBegin); };
    plt.onDragCancel = [&](int index) { seen += "cancel " + std::to_string(index) + " "; };
    map.onDragDrop = [&](Control&, double, double) { seen += "drop "; };
    map.onMouseDown = [&](int, int, double, double) { seen += "down "; };
    testing::press(map.widget(), QPoint(102, 102));
    testing::moveTo(map.widget(), QPoint(50, 50), Qt::LeftButton);
    testing::press(map.widget(), QPoint(10, 10)); // the release went elsewhere
    EXPECT_EQ(seen, "cancel 1 down ");
    EXPECT_EQ(Control::dragSource(), nullptr);
    testing::release(map.widget(), QPoint(10, 10));
    plt[1].drag(kDragBegin);
    plt[1].drag(kDragCancel);
    EXPECT_EQ(seen, "cancel 1 down ") << "the program's own cancel raises nothing";
}

TEST_F(PictureBoxTest, UnloadingTheDraggedControlEndsTheDrag) {
    ControlArray<ImageControl> plt("plt");
    plt.addDesignElement(0, map);
    plt.load(1).drag(kDragBegin);
    plt.unload(1);
    EXPECT_EQ(Control::dragSource(), nullptr);
}

TEST_F(PictureBoxTest, MarkerToolTipIsShownOverTheMarker) {
    ImageControl waypoint(map, "gps");
    waypoint.move(300, 300, 30, 30);
    waypoint.setToolTipText("church");
    const QPoint over(103, 103);
    QHelpEvent help(QEvent::ToolTip, over, map.widget()->mapToGlobal(over));
    QCoreApplication::sendEvent(map.widget(), &help);
    EXPECT_EQ(QToolTip::text(), "church");
    QToolTip::hideText();
}

TEST_F(PictureBoxTest, MousePointerAndCustomIcon) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::black);
    map.setMouseIcon(icon);
    map.setMousePointer(99);
    EXPECT_EQ(map.widget()->cursor().shape(), Qt::BitmapCursor);
    map.setMousePointer(2);
    EXPECT_EQ(map.widget()->cursor().shape(), Qt::CrossCursor);
    map.setMousePointer(0);
    EXPECT_FALSE(map.widget()->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(testing::faultOf([&] { map.setMousePointer(1); }), 380);
}

TEST_F(PictureBoxTest, DisabledPictureTakesNoMouse) {
    int presses = 0;
    map.onMouseDown = [&](int, int, double, double) { ++presses; };
    map.setEnabled(false);
    testing::press(map.widget(), QPoint(5, 5));
    map.setEnabled(true);
    testing::press(map.widget(), QPoint(5, 5));
    EXPECT_EQ(presses, 1);
}

} // namespace
} // namespace platform
