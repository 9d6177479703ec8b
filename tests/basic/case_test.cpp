#include "basic/case.h"

#include <gtest/gtest.h>
#include <string>

namespace basic {
namespace {

// The partner of every byte in the code page's case table, written out pair by pair.
int expectedLower(int c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

int expectedUpper(int c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

TEST(CaseTest, EveryByteMapsByTheCodePageTable) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    const std::string lower = lcase(all);
    const std::string upper = ucase(all);
    ASSERT_EQ(lower.size(), 256u);
    ASSERT_EQ(upper.size(), 256u);
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(static_cast<unsigned char>(lower[c]), expectedLower(c)) << "byte " << c;
        EXPECT_EQ(static_cast<unsigned char>(upper[c]), expectedUpper(c)) << "byte " << c;
        EXPECT_EQ(lowerByte(static_cast<unsigned char>(c)), expectedLower(c));
        EXPECT_EQ(upperByte(static_cast<unsigned char>(c)), expectedUpper(c));
    }
}

TEST(CaseTest, NamedEdgesOfTheTable) {
    EXPECT_EQ(ucase("\xD7\xF7"), "\xD7\xF7"); // multiplication and division signs
    EXPECT_EQ(lcase("\xD7\xF7"), "\xD7\xF7");
    EXPECT_EQ(ucase("\xDF"), "\xDF"); // sharp s has no single capital
    EXPECT_EQ(ucase("\xFF"), "\x9F");
    EXPECT_EQ(lcase("\x9F"), "\xFF");
    EXPECT_EQ(lcase("\xC3\x9F"), "\xE3\xFF"); // a UTF-8 pair is folded byte by byte
    EXPECT_EQ(lcase("K\xD6LN Stra\xDF"
                    "E"),
              "k\xF6ln stra\xDF"
              "e");
    EXPECT_EQ(ucase("\x8A\x8C\x8E"), "\x8A\x8C\x8E");
    EXPECT_EQ(lcase("\x8A\x8C\x8E"), "\x9A\x9C\x9E");
    EXPECT_EQ(lcase(""), "");
}

TEST(CaseTest, ProperCaseStartsWordsAfterBlanksAndControlsOnly) {
    struct Case {
        std::string in, expected;
    };
    const Case cases[] = {
        {"high street", "High Street"},
        {"HIGH STREET", "High Street"},
        {"  two  blanks", "  Two  Blanks"},
        {"o'neil", "O'neil"},
        {"saint-jean", "Saint-jean"},
        {"(old) mill", "(old) Mill"},
        {"line\r\nbreak\ttab", "Line\r\nBreak\tTab"},
        {"\xE9"
         "cole \xE0 paris",
         "\xC9"
         "cole \xC0 Paris"},
        {"3rd avenue", "3rd Avenue"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pcase(c.in), c.expected) << c.in;
}

} // namespace
} // namespace basic
