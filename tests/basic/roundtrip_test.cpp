// Line files written with LineWriter and read back with LineReader: the values come back, and
// writing them again gives the same bytes.
#include "basic/linereader.h"
#include "basic/linewriter.h"
#include "basic/text.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace basic {
namespace {

// A file of mixed items as the settings file and the project file hold them.
struct Items {
    Single version = 1.971f;
    std::string empty;
    std::string folder = "C:\\Program Files\\maps";
    Integer tab = 3;
    Integer flagOn = vbTrue;
    Single speed = 3.3f;
    Double colour = 15265521;
    Long nodes = 100000;
    Double x = 4001.25048828125;
    Double y = -0.5;
    Single tiny = 0.00001f;
    Single big = 12345678.0f;
    std::string list = "3#17#40#";
    std::string name = "Main Str. ";

    void write(LineWriter& w, bool trailingBlank) const {
        w.number(version, trailingBlank);
        w.text(empty);
        w.text(folder);
        w.number(tab, trailingBlank);
        w.number(flagOn, trailingBlank);
        w.number(speed, trailingBlank);
        w.number(colour, trailingBlank);
        w.number(nodes, trailingBlank);
        w.number(x, trailingBlank);
        w.number(y, trailingBlank);
        w.number(tiny, trailingBlank);
        w.number(big, trailingBlank);
        w.text(list);
        w.text(name);
    }

    static Items read(LineReader& r) {
        Items it;
        it.version = r.inputSingle();
        it.empty = r.inputText();
        it.folder = r.inputText();
        it.tab = r.inputInteger();
        it.flagOn = r.inputInteger();
        it.speed = r.inputSingle();
        it.colour = r.inputDouble();
        it.nodes = r.inputLong();
        it.x = r.inputDouble();
        it.y = r.inputDouble();
        it.tiny = r.inputSingle();
        it.big = r.inputSingle();
        it.list = r.inputText();
        it.name = r.inputText();
        return it;
    }
};

std::string written(const Items& items, bool trailingBlank) {
    LineWriter w;
    items.write(w, trailingBlank);
    return std::move(w).take();
}

TEST(RoundTripTest, MixedItemsComeBackAndRewriteByteForByte) {
    const Items original;
    for (bool trailingBlank : {true, false}) {
        const std::string bytes = written(original, trailingBlank);
        for (const std::string& input : {bytes, replace(bytes, "\r\n", "\n")}) {
            LineReader r{std::string_view(input)};
            const Items back = Items::read(r);
            EXPECT_TRUE(r.eof());
            EXPECT_EQ(back.version, original.version);
            EXPECT_EQ(back.empty, "");
            EXPECT_EQ(back.folder, original.folder);
            EXPECT_EQ(back.tab, 3);
            EXPECT_EQ(back.flagOn, -1);
            EXPECT_EQ(back.speed, original.speed);
            EXPECT_EQ(back.colour, original.colour);
            EXPECT_EQ(back.nodes, original.nodes);
            EXPECT_EQ(back.x, original.x);
            EXPECT_EQ(back.y, original.y);
            EXPECT_EQ(back.tiny, original.tiny);
            EXPECT_EQ(back.list, original.list);
            EXPECT_EQ(back.name, "Main Str."); // the trailing blank of a text is not kept
            EXPECT_EQ(written(back, trailingBlank), replace(bytes, "Main Str. ", "Main Str."));
        }
    }
}

TEST(RoundTripTest, SevenDigitSinglesAreWhatComesBack) {
    // A Single is written with 7 digits: 12345678 comes back as 12345680, and stays there.
    LineWriter w;
    w.number(Single{12345678.0f}, false);
    LineReader r{std::string_view(w.bytes())};
    const Single back = r.inputSingle();
    EXPECT_EQ(back, 12345680.0f);
    LineWriter again;
    again.number(back, false);
    EXPECT_EQ(again.bytes(), w.bytes());
}

TEST(RoundTripTest, KnownLimitsOfTheTextForm) {
    LineWriter w;
    w.text("  leading blanks");
    w.text("a,b");
    w.text("\"quoted\" rest");
    w.text("tab\tinside");
    LineReader r{std::string_view(w.bytes())};
    EXPECT_EQ(r.inputText(), "leading blanks");
    EXPECT_EQ(r.inputText(), "a");
    EXPECT_EQ(r.inputText(), "b");
    EXPECT_EQ(r.inputText(), "quoted");
    EXPECT_EQ(r.inputText(), "tab\tinside");
    EXPECT_TRUE(r.eof());
}

TEST(RoundTripTest, RandomNumbersRewriteToTheSameBytes) {
    std::mt19937_64 random(1971);
    LineWriter w;
    constexpr int kCount = 20000;
    std::vector<Double> doubles;
    std::vector<Single> singles;
    for (int i = 0; i < kCount; ++i) {
        std::uint64_t bits = random();
        Double d;
        std::memcpy(&d, &bits, sizeof d);
        if (!std::isfinite(d)) d = static_cast<Double>(bits >> 11) * 1e-3;
        std::uint32_t half = static_cast<std::uint32_t>(bits >> 32);
        Single s;
        std::memcpy(&s, &half, sizeof s);
        if (!std::isfinite(s)) s = static_cast<Single>(half >> 8);
        doubles.push_back(d);
        singles.push_back(s);
        w.number(d, i % 2 == 0);
        w.number(s, i % 2 == 1);
    }
    LineReader r{std::string_view(w.bytes())};
    LineWriter again;
    for (int i = 0; i < kCount; ++i) {
        const Double d = r.inputDouble();
        const Single s = r.inputSingle();
        // The value read is the nearest to the 15 or 7 digits written, which lie within half a
        // unit of the last digit from the original: the two differ by one such unit at most.
        EXPECT_NEAR(d, doubles[i], std::fabs(doubles[i]) * 1e-14) << i;
        EXPECT_NEAR(s, singles[i], std::fabs(singles[i]) * 1e-6) << i;
        again.number(d, i % 2 == 0);
        again.number(s, i % 2 == 1);
    }
    EXPECT_TRUE(r.eof());
    EXPECT_EQ(again.bytes(), w.bytes());
}

} // namespace
} // namespace basic
