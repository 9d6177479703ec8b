// The close check of the Preferences window: what each field's text gives and which messages
// keep the window open.

#include "prefs/closecheck.h"

#include <gtest/gtest.h>

namespace prefs {
namespace {

using Messages = std::vector<std::string_view>;

struct Attempt {
    const char* speed;
    const char* fontSize;
    const char* greenNodes;
};

// Runs the check on settings with the start-up values and a window opened at size 7.
Messages check(const Attempt& a, core::Settings& s) {
    return closeCheck({.zoomLeft = false, .speed = a.speed, .fontSize = a.fontSize, .greenNodes = a.greenNodes,
                       .patternFill = 0},
                      7, s);
}

TEST(CloseCheckTest, SpeedIsStoredEvenWhenRefusedUnlessBeyondTheSingleRange) {
    struct Case {
        const char* typed;
        float stored;
        bool refused;
    } cases[] = {{"abc", 0.0f, true}, {"0.5", 0.5f, true}, {"1", 1.0f, false}, {"12.5 mph", 12.5f, false},
                 {"1e40", 3.3f, true}};
    for (const Case& c : cases) {
        core::Settings s;
        const Messages shown = check({c.typed, "7", "50"}, s);
        EXPECT_EQ(s.speedMph, c.stored) << c.typed;
        EXPECT_EQ(shown, c.refused ? Messages{kSpeedMessage} : Messages{}) << c.typed;
    }
}

TEST(CloseCheckTest, FontSizeRoundsHalvesToEvenAndMustLieIn6To16) {
    struct Case {
        const char* typed;
        int stored;
        bool refused;
    } cases[] = {{"16.5", 16, false}, {"5.5", 6, false}, {"6.5", 6, false}, {"17", 17, true},
                 {"5", 5, true},      {"abc", 0, true},  {"1e9", 7, true}};
    for (const Case& c : cases) {
        core::Settings s;
        const Messages shown = check({"3.3", c.typed, "50"}, s);
        EXPECT_EQ(s.labelFontSize, c.stored) << c.typed;
        EXPECT_EQ(shown, c.refused ? Messages{kFontSizeMessage} : Messages{}) << c.typed;
    }
}

TEST(CloseCheckTest, GreenNodesRoundToEvenNegativesBecome0AndNoNumberIsRefused) {
    struct Case {
        const char* typed;
        int stored;
        bool refused;
    } cases[] = {{"-5", 0, false},     {"-100000", 0, false}, {"12.5", 12, false}, {"13.5", 14, false},
                 {"32767", 32767, false}, {"100000", 50, true}, {"abc", 50, true},  {"", 50, true}};
    for (const Case& c : cases) {
        core::Settings s;
        const Messages shown = check({"3.3", "7", c.typed}, s);
        EXPECT_EQ(s.maxGreenNodes, c.stored) << c.typed;
        EXPECT_EQ(shown, c.refused ? Messages{kGreenNodesMessage} : Messages{}) << c.typed;
    }
}

TEST(CloseCheckTest, OneAttemptShowsEveryMessageAndStoresTheOtherFields) {
    core::Settings s;
    EXPECT_EQ(check({"0", "20", "50"}, s), (Messages{kSpeedMessage, kFontSizeMessage}));
    EXPECT_FALSE(s.zoomLeft);
    EXPECT_EQ(s.patternFill, 0);
}

TEST(CloseCheckTest, FontSizeChangedSaysWhetherTheSizeDiffersFromTheOpening) {
    core::Settings s;
    check({"3.3", "7", "50"}, s);
    EXPECT_FALSE(s.fontSizeChanged);
    check({"3.3", "9", "50"}, s);
    EXPECT_TRUE(s.fontSizeChanged);
    check({"3.3", "17", "50"}, s); // refused, then corrected back to the size it opened with
    check({"3.3", "7", "50"}, s);
    EXPECT_FALSE(s.fontSizeChanged);
    EXPECT_EQ(s.labelFontSize, 7);
}

} // namespace
} // namespace prefs
