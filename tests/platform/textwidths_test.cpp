#include "platform/gdifont.h"
#include "platform/qtext.h"
#include "platform/textwidths.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace platform {
namespace {

// Remembered widths are the measured ones: texts asked again, in fonts that take turns, and
// past the bound at which the store is emptied.
TEST(TextWidthsTest, GiveTheMeasuredWidthWhateverWasAskedBefore) {
    const std::vector<QFont> fonts = {pictureFont("Arial", 8, false, false), pictureFont("Arial", 8, true, false),
                                      pictureFont("Arial", 14, false, true)};
    const std::vector<std::string> names = {"", "Market St", "Hauptstr.", "Stra\xC3\x9F" "e", "W", "WW", "i"};
    TextWidths widths;
    for (int round = 0; round < 3; ++round)
        for (const QFont& font : fonts)
            for (const std::string& name : names)
                ASSERT_EQ(widths.widthPx(font, name), textWidthPx(font, toQString(name))) << name;

    for (int n = 0; n < 20000; ++n) {
        const std::string name = "Road " + std::to_string(n % 17000);
        ASSERT_EQ(widths.widthPx(fonts[0], name), textWidthPx(fonts[0], toQString(name))) << name;
    }
}

} // namespace
} // namespace platform
