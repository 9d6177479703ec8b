// Scroll bars: Change on every assignment of Value, a Max below Min that reverses the direction,
// range faults, and the user's scrolling.

#include "controls_testing.h"
#include "platform/form.h"
#include "platform/scrollbar.h"

#include <QScrollBar>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.move(0, 0, 3000, 255);
        bar.onChange = [this] { changes.push_back(bar.value()); };
        bar.onScroll = [this] { ++scrolls; };
    }
    QScrollBar* widget() { return static_cast<QScrollBar*>(bar.widget()); }

    Form form{"frmScroll"};
    ScrollBar bar{form, "hs", ScrollBar::Kind::Horizontal};
    std::vector<int> changes;
    int scrolls = 0;
};

TEST_F(ScrollBarTest, EveryAssignmentRunsChangeEvenOfTheSameValue) {
    bar.setMax(8010);
    bar.setValue(4005);
    bar.setValue(4005);
    bar.setValue(0);
    EXPECT_EQ(changes, (std::vector<int>{4005, 4005, 0}));
}

TEST_F(ScrollBarTest, RangeAndOverflowFaults) {
    bar.setMin(-100);
    bar.setMax(100);
    EXPECT_EQ(faultOf([&] { bar.setValue(101); }), 380);
    EXPECT_EQ(faultOf([&] { bar.setValue(-101); }), 380);
    EXPECT_EQ(faultOf([&] { bar.setMax(32768); }), 6);
    EXPECT_EQ(faultOf([&] { bar.setMin(-32769); }), 6);
    EXPECT_EQ(faultOf([&] { bar.setSmallChange(0); }), 380);
    EXPECT_EQ(faultOf([&] { bar.setLargeChange(-3); }), 380);
    bar.setMin(-32768);
    bar.setMax(32767);
    bar.setValue(-32768);
    EXPECT_EQ(widget()->maximum(), 65535) << "the full 16-bit range";
    EXPECT_EQ(widget()->value(), 0);
    EXPECT_TRUE(changes == std::vector<int>{-32768});
}

TEST_F(ScrollBarTest, MovingTheRangeBringsValueInAndRunsChange) {
    bar.setMax(1000);
    bar.setValue(800);
    changes.clear();
    bar.setMax(500);
    EXPECT_EQ(bar.value(), 500);
    bar.setMax(2000);
    EXPECT_EQ(bar.value(), 500) << "a wider range keeps the value and runs no Change";
    EXPECT_EQ(changes, (std::vector<int>{500}));
}

TEST_F(ScrollBarTest, MaxBelowMinReversesTheDirection) {
    bar.setMin(100);
    bar.setMax(0);
    bar.setSmallChange(10);
    bar.setValue(100);
    EXPECT_EQ(widget()->value(), 0) << "Min stands at the left end";
    changes.clear();
    widget()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar.value(), 90) << "a step to the right lowers the value";
    widget()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(changes, (std::vector<int>{90, 0}));
    EXPECT_EQ(faultOf([&] { bar.setValue(101); }), 380);
    bar.setValue(30);
    EXPECT_EQ(widget()->value(), 70);
}

TEST_F(ScrollBarTest, ThumbDragRunsScrollThenChangeOnRelease) {
    bar.setMax(100);
    widget()->setSliderDown(true);
    widget()->setSliderPosition(40);
    widget()->setSliderPosition(60);
    widget()->setSliderDown(false);
    EXPECT_EQ(scrolls, 2);
    EXPECT_EQ(changes, (std::vector<int>{60}));
}

TEST_F(ScrollBarTest, UserScrollingIsDroppedWhileBusyButAssignmentsRun) {
    bar.setMax(100);
    bool busy = true;
    testing::BusyScope scope(&busy);
    testing::click(bar.widget(), QPoint(bar.widget()->width() - 3, 5));
    EXPECT_EQ(bar.value(), 0) << "the press never reached the scroll bar";
    bar.setValue(50);
    EXPECT_EQ(changes, (std::vector<int>{50}));
}

} // namespace
} // namespace platform
