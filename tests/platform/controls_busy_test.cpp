// The busy gate: user events are dropped while the program is busy, program events are not, the
// Cancel button and the map picture run anyway, and a close request waits for the end of the
// busy operation. Faults escaping a handler run from the event loop are reported, not thrown.

#include "controls_testing.h"
#include "platform/control_dispatch.h"
#include "platform/form.h"
#include "platform/lightweight_label.h"
#include "platform/picturebox.h"
#include "platform/timer.h"
#include "platform/widgets_buttons.h"

#include <QAbstractButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::spinUntil;

class BusyGateTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.window()->resize(300, 200);
        form.show();
    }
    void TearDown() override { BusyGate::setBusyTest({}); }

    Form form{"map"};
    bool busy = false;
};

TEST_F(BusyGateTest, UserEventsAreDroppedWhileBusy) {
    CommandButton zoom(form, "Image4");
    zoom.move(0, 0, 600, 300);
    int zooms = 0;
    zoom.onClick = [&] { ++zooms; };
    LabelControl tab(form, "command5");
    tab.move(1500, 1500, 600, 300);
    int tabs = 0;
    tab.onClick = [&] { ++tabs; };
    testing::BusyScope scope(&busy);

    busy = true;
    testing::click(zoom.widget(), QPoint(5, 5));
    static_cast<QAbstractButton*>(zoom.widget())->click();
    testing::click(form.host(), QPoint(105, 105));
    EXPECT_EQ(zooms, 0);
    EXPECT_EQ(tabs, 0);

    busy = false;
    testing::click(zoom.widget(), QPoint(5, 5));
    testing::click(form.host(), QPoint(105, 105));
    EXPECT_EQ(zooms, 1);
    EXPECT_EQ(tabs, 1);
}

TEST_F(BusyGateTest, CancelButtonAndMapPictureRunWhileBusy) {
    CommandButton cancel(form, "Command2");
    cancel.setCaption("Cancel");
    cancel.move(0, 0, 900, 300);
    cancel.setRunsWhileBusy(true);
    bool cancelRequested = false;
    cancel.onClick = [&] { cancelRequested = true; };
    PictureBox map(form, "p1");
    map.move(0, 600, 1500, 1500);
    map.setRunsWhileBusy(true);
    int presses = 0;
    map.onMouseDown = [&](int, int, double, double) { ++presses; };
    testing::BusyScope scope;

    testing::click(cancel.widget(), QPoint(5, 5));
    testing::press(map.widget(), QPoint(10, 10));
    EXPECT_TRUE(cancelRequested);
    EXPECT_EQ(presses, 1);
}

TEST_F(BusyGateTest, ProgramEventsRunWhileBusy) {
    CheckBox streetNames(form, "Check1");
    int checkClicks = 0;
    streetNames.onClick = [&] { ++checkClicks; };
    Timer wheel("tm2");
    int ticks = 0;
    wheel.onTimer = [&] { ++ticks; };
    wheel.setInterval(5);
    testing::BusyScope scope;

    testing::click(streetNames.widget(), QPoint(5, 5));
    EXPECT_EQ(streetNames.value(), 0) << "the user's click never reached the box";
    streetNames.setValue(1);
    EXPECT_EQ(checkClicks, 1) << "a value set in code raises Click";
    EXPECT_TRUE(spinUntil([&] { return ticks >= 2; }));
}

TEST_F(BusyGateTest, CloseRequestWaitsForTheEndOfTheBusyOperation) {
    int queries = 0;
    form.onQueryUnload = [&](bool&) { ++queries; };
    testing::BusyScope scope(&busy);
    busy = true;
    form.window()->close();
    form.window()->close();
    EXPECT_EQ(queries, 0);
    EXPECT_TRUE(form.loaded());
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(spinUntil([&] { return queries > 0; }, 150)) << "nothing happens while busy";
    busy = false;
    EXPECT_TRUE(spinUntil([&] { return !form.loaded(); }));
    EXPECT_EQ(queries, 1) << "two requests, one unload";
    EXPECT_FALSE(form.visible());
}

TEST_F(BusyGateTest, CloseRequestWhenIdleUnloadsUnlessQueryUnloadCancels) {
    bool keepOpen = true;
    form.onQueryUnload = [&](bool& cancel) { cancel = keepOpen; };
    form.window()->close();
    EXPECT_TRUE(form.loaded());
    EXPECT_TRUE(form.visible());
    keepOpen = false;
    form.window()->close();
    EXPECT_FALSE(form.loaded());
}

TEST_F(BusyGateTest, FaultEscapingAUserEventIsReported) {
    LabelControl label(form, "lbl");
    label.move(0, 0, 600, 600);
    label.onClick = [] { basic::raise(basic::fault::Overflow); };
    std::vector<int> reported;
    setUnhandledFaultReporter([&](const std::exception& fault) {
        reported.push_back(static_cast<const basic::RuntimeFault&>(fault).number());
    });
    testing::click(form.host(), QPoint(5, 5));
    setUnhandledFaultReporter({});
    EXPECT_EQ(reported, (std::vector<int>{6}));
}

TEST_F(BusyGateTest, DisabledTimerOrZeroIntervalDoesNotTick) {
    Timer timer("tm3");
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(5);
    timer.setEnabled(false);
    EXPECT_FALSE(spinUntil([&] { return ticks > 0; }, 60));
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_FALSE(spinUntil([&] { return ticks > 0; }, 60));
    EXPECT_EQ(testing::faultOf([&] { timer.setInterval(65536); }), 380);
    timer.onTimer = [&] {
        ++ticks;
        timer.setEnabled(false);
    };
    timer.setInterval(1);
    EXPECT_TRUE(spinUntil([&] { return ticks == 1; }));
    EXPECT_FALSE(spinUntil([&] { return ticks > 1; }, 60)) << "a timer switched off by its handler stays off";
}

} // namespace
} // namespace platform
