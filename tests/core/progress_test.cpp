// Progress of a long operation: the remaining-time rules, what progr shows in the window, the
// bar switch, the menus it greys and "Cancel".

#include "basic/clock.h"
#include "core/progress.h"
#include "core/window_fixture.h"
#include "platform/controls_testing.h"

#include <cmath>
#include <limits>

namespace core::testing {
namespace {

struct Case {
    const char* what;
    double percent;
    double elapsed;
    Single loadRate;
    Long nodeCount;
    const char* remaining;
    const char* totalTime;
};

const Case kCases[] = {
    // Up to the threshold the estimate comes from the node count.
    {"40 % of 50000 nodes at rate 2 after 10 s", 40, 10, 2.0f, 50000, "1:30", "Total Time: 10 sec"},
    {"125 seconds read 2:05", 10, 0, 2.0f, 62500, "2:05", "Total Time: 0 sec"},
    {"elapsed seconds are cut, not rounded", 10, 12.9, 2.0f, 50000, "1:28", "Total Time: 12 sec"},
    {"rate 0.9 is a Single, a little below 0.9", 10, 0, 0.9f, 10000, "0:08", "Total Time: 0 sec"},
    {"at least one second", 50, 30, 0.2f, 1000, "0:01", "Total Time: 30 sec"},
    {"a large file shows 3 seconds, not 1", 50, 30, 0.2f, 20001, "0:03", "Total Time: 30 sec"},
    {"20000 nodes is not large", 50, 30, 0.2f, 20000, "0:01", "Total Time: 30 sec"},
    {"a large file with 2 seconds left shows 2", 50, 2, 0.2f, 20001, "0:02", "Total Time: 2 sec"},
    // The thresholds: 81 % when the rate is above 1.5, else 70 %.
    {"rate 2 at 81 % still counts nodes", 81, 100, 2.0f, 50000, "0:03", "Total Time: 100 sec"},
    {"rate 2 above 81 % uses the progress", 81.25, 65, 2.0f, 50000, "0:15", "Total Time: 65 sec"},
    {"rate 1.5 at 70 % still counts nodes", 70, 14, 1.5f, 10000, "0:01", "Total Time: 14 sec"},
    {"rate 1.5 above 70 % uses the progress", 75, 30, 1.5f, 10000, "0:10", "Total Time: 30 sec"},
    {"rate 1.6 at 75 % still counts nodes", 75, 30, 1.6f, 30000, "0:18", "Total Time: 30 sec"},
    // The progress-based estimate rounds halves to even.
    {"96 % after 252 s: 10.5 shows 10", 96, 252, 2.0f, 50000, "0:10", "Total Time: 252 sec"},
    {"80 % after 46 s: 11.5 shows 12", 80, 46, 1.0f, 5000, "0:12", "Total Time: 46 sec"},
    {"done", 100, 37.2, 2.0f, 50000, "0:00", "Total Time: 37 sec"},
    // Beyond 16 bits: no overflow, the minutes just grow.
    {"a very slow load", 71, 200000, 0.2f, 1000, "1361:30", "Total Time: 200000 sec"},
    // Bad input.
    {"above 100 % counts as 100", 130, 5, 2.0f, 50000, "0:00", "Total Time: 5 sec"},
    {"a start in the future counts as now", 100, -5, 2.0f, 50000, "0:00", "Total Time: 0 sec"},
};

TEST(ProgressTextsTest, RemainingAndTotalTime) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const auto texts = progressTexts(c.percent, c.elapsed, c.loadRate, c.nodeCount);
        ASSERT_TRUE(texts.has_value());
        EXPECT_EQ(texts->remaining, c.remaining);
        EXPECT_EQ(texts->totalTime, c.totalTime);
        EXPECT_DOUBLE_EQ(texts->barFraction, std::min(c.percent, 100.0) / 100);
    }
}

TEST(ProgressTextsTest, NothingWhenPercentIsNotAboveZero) {
    for (double percent : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(progressTexts(percent, 10, 2.0f, 50000).has_value()) << percent;
}

class ProgrTest : public WindowTest {
protected:
    MapWindow& started() {
        MapWindow& map = load();
        map.data.loadRate = 2.0f;
        map.data.loadNodes = 50000;
        map.global.loadStart = basic::monotonicSeconds() - 10;
        return map;
    }
};

TEST_F(ProgrTest, ShowsBarRemainingAndTotalTime) {
    MapWindow& map = started();
    progr(map, 40);
    ProgressPanel& panel = map.progress;
    EXPECT_DOUBLE_EQ(panel.progimage.width(), panel.backprog.width() * 0.4);
    EXPECT_EQ(panel.Label6.caption(), "1:30");
    EXPECT_EQ(map.view.sb1.panelText(3), "Total Time: 10 sec");
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(ProgrTest, ZeroEmptiesTheRemainingTimeAndLeavesTheRest) {
    MapWindow& map = started();
    progr(map, 40);
    const double width = map.progress.progimage.width();
    progr(map, 0);
    EXPECT_EQ(map.progress.Label6.caption(), "");
    EXPECT_EQ(map.progress.progimage.width(), width);
    EXPECT_EQ(map.view.sb1.panelText(3), "Total Time: 10 sec");
}

TEST_F(ProgrTest, HundredFillsTheBarAndShowsNoTimeLeft) {
    MapWindow& map = started();
    progr(map, 100);
    EXPECT_EQ(map.progress.progimage.width(), map.progress.backprog.width());
    EXPECT_EQ(map.progress.Label6.caption(), "0:00");
}

TEST_F(ProgrTest, ASlowStartShowsNoOverflowBox) {
    MapWindow& map = started();
    map.global.loadStart = basic::monotonicSeconds() - 5000;
    for (double percent : {0.001, 1.0, 71.0, 99.999})
        progr(map, percent);
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_EQ(map.progress.Label6.caption(), "0:00");
}

TEST_F(WindowTest, BarvisShowsAndHidesTheBar) {
    MapWindow& map = load();
    EXPECT_FALSE(map.progress.progimage.visible()); // hidden at start-up
    barvis(map, true);
    EXPECT_TRUE(map.progress.progimage.visible());
    barvis(map, false);
    EXPECT_FALSE(map.progress.progimage.visible());
}

TEST_F(WindowTest, AblemenusSwitchesTheSixTopMenusButNotGpx) {
    MapWindow& map = load();
    Menus& m = map.menus;
    const platform::Menu* six[] = {&m.mfil, &m.medi, &m.mrout, &m.mv, &m.mhelp, &m.mintt};
    m.mgpx.setEnabled(true);
    ablemenus(map, false);
    for (const platform::Menu* menu : six)
        EXPECT_FALSE(menu->enabled()) << menu->name();
    EXPECT_TRUE(m.mgpx.enabled());
    ablemenus(map, true);
    for (const platform::Menu* menu : six)
        EXPECT_TRUE(menu->enabled()) << menu->name();
}

TEST_F(WindowTest, CancelWorksWhileBusyAndOnlySetsTheFlag) {
    MapWindow& map = load();
    map.data.mapLoading = true;
    map.data.drawBusy = true;
    QWidget* button = map.progress.Command2.widget();
    platform::testing::click(button, button->rect().center());
    EXPECT_TRUE(map.global.cancelRequested);
    EXPECT_TRUE(map.data.mapLoading);
    EXPECT_TRUE(map.data.drawBusy);
}

} // namespace
} // namespace core::testing
