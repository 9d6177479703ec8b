// The close check of the Preferences window: what each field stores and which messages keep the
// window open.

#include "prefs/closecheck.h"

#include <gtest/gtest.h>

namespace prefs {
namespace {

using Messages = std::vector<std::string_view>;

// Every setting starts at its start-up value; the window opened at size 7.
TEST(CloseCheckTest, EachFieldStoresWhatItCanAndRefusesWithItsMessage) {
    constexpr std::string_view S = kSpeedMessage, F = kFontSizeMessage, G = kGreenNodesMessage;
    struct Case {
        const char *speed, *size, *green;
        float speedMph;
        int fontSize, maxGreen;
        Messages shown;
    } cases[] = {
        {"abc", "7", "50", 0.0f, 7, 50, {S}},      {"0.5", "16.5", "-5", 0.5f, 16, 0, {S}},
        {"1e40", "5.5", "12.5", 3.3f, 6, 12, {S}}, {"4", "17", "13.5", 4.0f, 17, 14, {F}},
        {"0", "20", "50", 0.0f, 20, 50, {S, F}},   {"4", "1e9", "100000", 4.0f, 7, 50, {F, G}},
        {"4", "9", "abc", 4.0f, 9, 50, {G}},       {"12.5 mph", "9", "-100000", 12.5f, 9, 0, {}},
    };
    for (const Case& c : cases) {
        core::Settings s;
        const Messages shown = closeCheck({.zoomLeft = false,
                                           .speed = c.speed,
                                           .fontSize = c.size,
                                           .greenNodes = c.green,
                                           .patternFill = 0},
                                          7, s);
        EXPECT_EQ(shown, c.shown) << c.speed << " " << c.size << " " << c.green;
        EXPECT_EQ((std::tuple{s.speedMph, int{s.labelFontSize}, int{s.maxGreenNodes}}),
                  (std::tuple{c.speedMph, c.fontSize, c.maxGreen}))
            << c.speed << " " << c.size << " " << c.green;
        EXPECT_FALSE(s.zoomLeft);
        EXPECT_EQ(s.patternFill, 0);
    }
}

TEST(CloseCheckTest, FontSizeChangedSaysWhetherTheSizeDiffersFromTheOpening) {
    core::Settings s;
    std::vector<bool> changed;
    for (const char* size : {"7", "9", "17", "7"}) { // refused at 17, then set back
        closeCheck({.speed = "3.3", .fontSize = size, .greenNodes = "50"}, 7, s);
        changed.push_back(s.fontSizeChanged);
    }
    EXPECT_EQ(changed, (std::vector<bool>{false, true, true, false}));
}

} // namespace
} // namespace prefs
