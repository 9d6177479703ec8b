// Control arrays: loading copies the template and starts hidden, the faults of double loads and
// missing or design-time elements, indexed events, and the cost of thousands of markers.

#include "controls_testing.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/picturebox.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

class ControlArrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.window()->resize(400, 300);
        form.show();
        map = std::make_unique<PictureBox>(form, "p1");
        map->setBorderStyle(0);
        map->move(0, 0, 300 * 15.0, 200 * 15.0);
        map->setScaleWidth(900);
        map->setScaleHeight(600);
        panel = std::make_unique<PictureBox>(form, "panel");
        QImage icon(6, 4, QImage::Format_RGB32);
        icon.fill(Qt::blue);
        ImageControl& templ = markers.addDesignElement(0, *map);
        templ.setPicture(icon);
        templ.move(30, 60);
        templ.setTag("template tag");
        templ.setToolTipText("tip");
        templ.setBorderStyle(1);
        ImageControl& button = markers.addDesignElement(1, *panel);
        button.setTag("panel button");
    }

    Form form{"frmArray"};
    std::unique_ptr<PictureBox> map;
    std::unique_ptr<PictureBox> panel;
    ControlArray<ImageControl> markers{"chrch"};
};

TEST_F(ControlArrayTest, LoadCopiesTheTemplateAndStartsHidden) {
    ImageControl& marker = markers.load(2);
    const ImageControl& templ = markers[0];
    EXPECT_EQ(marker.container(), templ.container()) << "loaded into the template's container";
    EXPECT_EQ(marker.name(), "chrch");
    EXPECT_EQ(marker.index(), 2);
    EXPECT_FALSE(marker.visible());
    EXPECT_EQ(marker.picture().cacheKey(), templ.picture().cacheKey()) << "the picture is shared, not copied";
    EXPECT_DOUBLE_EQ(marker.left(), 30);
    EXPECT_DOUBLE_EQ(marker.top(), 60);
    EXPECT_DOUBLE_EQ(marker.width(), 18) << "6 pixels in a scale of 3 units per pixel";
    EXPECT_DOUBLE_EQ(marker.height(), 12);
    EXPECT_EQ(marker.tag(), "template tag");
    EXPECT_EQ(marker.toolTipText(), "tip");
    EXPECT_EQ(marker.borderStyle(), 1);
}

TEST_F(ControlArrayTest, FaultsOfMissingDuplicateAndDesignTimeElements) {
    markers.load(2);
    EXPECT_EQ(faultOf([&] { markers.load(2); }), 360);
    EXPECT_EQ(faultOf([&] { markers.load(0); }), 360);
    EXPECT_EQ(faultOf([&] { markers.unload(3); }), 340);
    EXPECT_EQ(faultOf([&] { (void)markers[3]; }), 340);
    EXPECT_EQ(faultOf([&] { markers.unload(0); }), 362);
    EXPECT_EQ(faultOf([&] { markers.unload(1); }), 362);
    EXPECT_EQ(faultOf([&] { markers.load(-1); }), 340);
    EXPECT_EQ(faultOf([&] { markers.load(32768); }), 340);
    EXPECT_EQ(faultOf([&] { (void)markers[-5]; }), 340);
    EXPECT_TRUE(markers.exists(0));
    EXPECT_FALSE(markers.exists(-1));
}

TEST_F(ControlArrayTest, UnloadThenLoadAgainAndTheUpperBoundFollows) {
    markers.load(2);
    markers.load(5);
    EXPECT_EQ(markers.ubound(), 5);
    EXPECT_EQ(markers.count(), 4);
    markers.unload(5);
    EXPECT_EQ(markers.ubound(), 2) << "the empty slots below 5 go as well";
    markers.unload(2);
    EXPECT_EQ(markers.ubound(), 1);
    ImageControl& again = markers.load(2);
    EXPECT_EQ(again.index(), 2);
    EXPECT_FALSE(again.visible());
    std::vector<int> indexes;
    for (ImageControl& element : markers)
        indexes.push_back(element.index());
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2}));
}

TEST_F(ControlArrayTest, UnloadLoadedPassesOverGapsAndStopsAtTheUpperBound) {
    for (int i : {2, 3, 5, 7})
        markers.load(i);
    markers.unloadLoaded(3, 6); // 4 and 6 are missing
    EXPECT_TRUE(markers.exists(2));
    EXPECT_FALSE(markers.exists(3));
    EXPECT_FALSE(markers.exists(5));
    EXPECT_TRUE(markers.exists(7));
    markers.unloadLoaded(2, 1000000); // far beyond the upper bound
    EXPECT_EQ(markers.ubound(), 1);
    EXPECT_EQ(faultOf([&] { markers.unloadLoaded(1, 1); }), basic::fault::CantUnloadDesignTimeControl);
}

TEST_F(ControlArrayTest, ElementsRaiseTheArraysIndexedHandlers) {
    std::vector<std::string> seen;
    markers.onMouseDown = [&](int index, int button, int, double x, double y) {
        seen.push_back("down " + std::to_string(index) + " " + std::to_string(button) + " " +
                       std::to_string(int(x)) + "," + std::to_string(int(y)));
    };
    markers.onClick = [&](int index) { seen.push_back("click " + std::to_string(index)); };
    ImageControl& marker = markers.load(7);
    marker.move(300, 300);
    marker.setVisible(true);
    testing::click(map->widget(), QPoint(101, 102));
    EXPECT_EQ(seen, (std::vector<std::string>{"down 7 1 15,30", "click 7"}));
}

TEST_F(ControlArrayTest, ElementUnloadedByItsOwnHandlerIsSafe) {
    markers.load(2).setVisible(true);
    markers.onMouseDown = [&](int index, int, int, double, double) { markers.unload(index); };
    int mapClicks = 0;
    map->onClick = [&] { ++mapClicks; };
    testing::click(map->widget(), QPoint(12, 22));
    EXPECT_FALSE(markers.exists(2));
    EXPECT_EQ(mapClicks, 0);
}

TEST_F(ControlArrayTest, WindowedElementsLoadWithAWidgetOfTheirOwn) {
    ControlArray<PictureBox> buses("bus");
    PictureBox& templ = buses.addDesignElement(0, *map);
    templ.setBorderStyle(0);
    templ.move(0, 0, 30, 30);
    templ.setBackColor(0x00FFFF);
    PictureBox& bus = buses.load(1);
    ASSERT_NE(bus.widget(), nullptr);
    EXPECT_NE(bus.widget(), templ.widget());
    EXPECT_FALSE(bus.widget()->isVisibleTo(map->widget()));
    EXPECT_EQ(bus.pixelWidth(), 10);
    EXPECT_EQ(bus.image().pixel(5, 5) & 0xFFFFFF, 0xFFFF00u);
    buses.unload(1);
    EXPECT_FALSE(buses.exists(1));
}

TEST_F(ControlArrayTest, TenThousandMarkersLoadMoveShowAndUnloadQuickly) {
    using Clock = std::chrono::steady_clock;
    constexpr int kMarkers = 10000;
    const auto start = Clock::now();
    for (int round = 0; round < 3; ++round) {
        for (int i = 2; i < kMarkers + 2; ++i) {
            ImageControl& marker = markers.load(i);
            marker.move(i % 800, i % 500);
            marker.setTag("node");
            marker.setVisible(true);
        }
        ASSERT_EQ(markers.count(), kMarkers + 2);
        for (int i = 2; i < kMarkers + 2; ++i)
            markers.unload(i);
        ASSERT_EQ(markers.ubound(), 1);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("[          ] %d load/move/show/unload cycles: %.1f ms (%.2f us each)\n", 3 * kMarkers, ms,
                ms * 1000 / (3 * kMarkers));
    // Where markers 5000, 777 and 10001 stood.
    for (const QPoint spot : {QPoint(68, 1), QPoint(260, 93), QPoint(135, 1)}) {
        EXPECT_EQ(map->hitTest(spot), nullptr) << "every marker left its container";
    }
    EXPECT_LT(ms, 3000);
}

TEST_F(ControlArrayTest, LabelsLoadWithTheTemplatesFontAndCaption) {
    ControlArray<LabelControl> labels("lab2");
    LabelControl& templ = labels.addDesignElement(0, *map);
    templ.setFontName("Courier New");
    templ.setForeColor(0x123456);
    templ.setCaption("template");
    LabelControl& label = labels.load(1);
    EXPECT_EQ(label.font().name, "Courier New");
    EXPECT_EQ(label.foreColor(), 0x123456);
    EXPECT_EQ(label.caption(), "template");
}

} // namespace
} // namespace platform
