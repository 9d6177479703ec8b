// What of a text is drawn: the marker characters never, and a cut never halves a character.

#include "canvas_test_support.h"
#include "platform/canvas.h"
#include "platform/qtext.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

const std::string kMark = "\x1F";

TEST(GdiFontText, MarkerCharactersAreNeverShown) {
    EXPECT_EQ(toQString("\x1FRiver Aire"), "River Aire");
    EXPECT_EQ(toQString("Stop\x1E"), "Stop");
    EXPECT_EQ(toQString("\x1E\x1F"), "");
    EXPECT_EQ(toQString(kMark + "Caf\xC3\xA9"), QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(toQString(kMark + "Caf\xE9"), QString::fromUtf8("Caf\u00E9"));
    // Other control characters are left alone.
    EXPECT_EQ(toQString("a\x1Dz").size(), 3);
}

TEST(GdiFontText, AMarkedNameDrawsAsTheNameAlone) {
    canvastest::PixelCanvas marked(300, 60);
    marked.setFontName("Arial");
    marked.print("\x1FRiver Aire");
    canvastest::PixelCanvas plain(300, 60);
    plain.setFontName("Arial");
    plain.print("River Aire");
    EXPECT_EQ(marked.image(), plain.image());
    EXPECT_DOUBLE_EQ(marked.textWidth(kMark + "Aire"), plain.textWidth("Aire"));
}

TEST(GdiFontText, LeftCharactersCutsWholeCharacters) {
    struct Row {
        std::string text;
        std::size_t count;
        std::string left;
    };
    const Row rows[] = {
        {"Jonathan", 4, "Jona"},
        {"Al", 4, "Al"},
        {"", 4, ""},
        {"J\xC3\xB6rgen", 4, "J\xC3\xB6rg"},
        {"\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E\xE6\xA7\x98", 4,
         "\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E"},
        {"\xF0\x9F\x9A\xB2\xF0\x9F\x9A\xB2", 1, "\xF0\x9F\x9A\xB2"},
        {"J\xF6rgen", 4, "J\xF6rg"}, // not UTF-8: one character a byte
        {"abc", 0, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(leftCharacters(row.text, row.count), row.left) << row.text;
}

} // namespace
} // namespace platform
