#include "basic/text.h"
#include "fault_of.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace basic {
namespace {

TEST(TextTest, InstrFindsFromStartWithPastEndCheckedFirst) {
    struct Case {
        Position start;
        std::string s, needle;
        Position expected;
    };
    const std::vector<Case> cases = {
        {1, "abc", "", 1},     {3, "abc", "", 3},      {4, "abc", "", 0},      {1, "", "", 0},
        {5, "abc", "x", 0},    {1, "abcabc", "bc", 2}, {3, "abcabc", "bc", 5}, {6, "abcabc", "c", 6},
        {1, "abc", "abcd", 0}, {1, "a#b#", "#", 2},    {2, "aaa", "aa", 2},    {1, "ABC", "b", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(instr(c.start, c.s, c.needle), c.expected)
            << c.start << " '" << c.s << "' '" << c.needle << "'";
    EXPECT_EQ(instr("abc", ""), 1);
    EXPECT_EQ(instr("", ""), 0);
    EXPECT_EQ(instr("xyz", "z"), 3);
}

TEST(TextTest, ArgumentsTheRuntimeRefusesAreFaultFive) {
    EXPECT_EQ(faultOf([] { instr(0, "abc", "a"); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { mid("abc", 0); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { mid("abc", 1, -1); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { left("abc", -1); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { right("abc", -1); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { space(-1); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { chr(256); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { chr(-1); }), fault::InvalidProcedureCall);
    EXPECT_EQ(faultOf([] { asc(""); }), fault::InvalidProcedureCall);
    try {
        asc("");
    } catch (const RuntimeFault& f) {
        EXPECT_EQ(f.description(), "Invalid procedure call or argument");
    }
}

TEST(TextTest, MidLeftRightCutAtTheEnds) {
    EXPECT_EQ(mid("abcdef", 3), "cdef");
    EXPECT_EQ(mid("abcdef", 3, 2), "cd");
    EXPECT_EQ(mid("abcdef", 5, 10), "ef");
    EXPECT_EQ(mid("abcdef", 6, 1), "f");
    EXPECT_EQ(mid("abcdef", 7), "");
    EXPECT_EQ(mid("abcdef", 100, 2), "");
    EXPECT_EQ(mid("abcdef", 2, 0), "");
    EXPECT_EQ(left("abc", 0), "");
    EXPECT_EQ(left("abc", 2), "ab");
    EXPECT_EQ(left("abc", 9), "abc");
    EXPECT_EQ(right("abc", 0), "");
    EXPECT_EQ(right("abc", 2), "bc");
    EXPECT_EQ(right("abc", 9), "abc");
    EXPECT_EQ(len(""), 0);
    EXPECT_EQ(len(std::string("a\0b", 3)), 3);
}

TEST(TextTest, ReplaceIsOneLeftToRightNonOverlappingPass) {
    struct Case {
        std::string s, find, with, expected;
    };
    const std::vector<Case> cases = {
        {"aaa", "aa", "b", "ba"},    // non-overlapping, left first
        {"abcabc", "b", "", "acac"}, // removal
        {"abc", "", "x", "abc"},     // empty find changes nothing
        {"abc", "x", "y", "abc"},    // no match
        {"a", "a", "aa", "aa"},      // no second pass over the inserted text
        {"strasse strasse", "strasse", "str.", "str. str."},
        {"\r\n\r\n", "\r\n", "+-", "+-+-"}, // the field escaping's first step
        {"", "a", "b", ""},
        {"xyx", "x", "xyx", "xyxyxyx"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(replace(c.s, c.find, c.with), c.expected) << c.s << " / " << c.find;
        EXPECT_EQ(replaceAll(std::string(c.s), c.find, c.with), c.expected) << c.s << " / " << c.find;
    }
}

TEST(TextTest, ReplaceAllHandsBackItsOwnBufferUnlessItGrows) {
    struct Case {
        std::string find, with, expected;
        bool sameBuffer;
    };
    const std::vector<Case> cases = {
        {"b", "c", std::string(999, 'a') + "c", true}, // as long
        {"z", "c", std::string(999, 'a') + "b", true}, // no match
        {"ab", "", std::string(998, 'a'), true},       // shorter
        {"b", "bbb", std::string(999, 'a') + "bbb", false},
    };
    for (const Case& c : cases) {
        std::string big = std::string(999, 'a') + "b";
        const char* buffer = big.data();
        const std::string result = replaceAll(std::move(big), c.find, c.with);
        EXPECT_EQ(result.data() == buffer, c.sameBuffer) << c.find;
        EXPECT_EQ(result, c.expected) << c.find;
    }
}

TEST(TextTest, ReplaceAllOverABigTextIsCorrect) {
    // 20 MB with a million matches: one linear pass finishes at once; a quadratic one never would.
    std::string piece = "<node id='1'/>" + std::string(6, ' ');
    std::string big;
    big.reserve(piece.size() * 1000000);
    for (int i = 0; i < 1000000; ++i)
        big += piece;
    ASSERT_EQ(count(big, "<node"), 1000000);
    const std::string result = replaceAll(std::move(big), "<node", "<N");
    EXPECT_EQ(result.size(), (piece.size() - 3) * 1000000);
    EXPECT_EQ(count(result, "<N id"), 1000000);
    EXPECT_EQ(count(result, "<node"), 0);
    EXPECT_EQ(result.substr(0, 17), "<N id='1'/>      ");
}

TEST(TextTest, CountIsNonOverlapping) {
    EXPECT_EQ(count("aaaa", "aa"), 2);
    EXPECT_EQ(count("aaa", "aa"), 1);
    EXPECT_EQ(count("abc", ""), 0);
    EXPECT_EQ(count("", "a"), 0);
    EXPECT_EQ(count("1#2#3#", "#"), 3);
}

TEST(TextTest, SplitGivesThePiecesBetweenDelimiters) {
    struct Case {
        std::string s, delim;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"", "#", {}},
        {"a#", "#", {"a", ""}},
        {"#", "#", {"", ""}},
        {"3#17#40#", "#", {"3", "17", "40", ""}},
        {"#3#", "#", {"", "3", ""}},
        {"abc", "#", {"abc"}},
        {"a<way b<way ", "<way ", {"a", "b", ""}},
        {"a##b", "#", {"a", "", "b"}},
        {"abc", "", {"abc"}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(split(c.s, c.delim), c.expected) << "'" << c.s << "' by '" << c.delim << "'";
        const std::vector<std::string_view> views = splitView(c.s, c.delim);
        EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), c.expected);
    }
}

TEST(TextTest, JoinUndoesSplit) {
    for (const std::string s : {"a#b#", "#", "x", "1#2#3"}) {
        EXPECT_EQ(join(split(s, "#"), "#"), s);
        EXPECT_EQ(join(splitView(s, "#"), "#"), s);
    }
    EXPECT_EQ(join(std::vector<std::string>{}, ","), "");
    EXPECT_EQ(join(std::vector<std::string>{"a", "b"}, ", "), "a, b");
}

TEST(TextTest, TrimTakesBlanksOnly) {
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("\ta\t"), "\ta\t");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(ltrim("  a  "), "a  ");
    EXPECT_EQ(rtrim("  a  "), "  a");
    EXPECT_EQ(ltrim("  "), "");
    EXPECT_EQ(rtrim("  "), "");
    EXPECT_EQ(trimView(" x\r\n "), "x\r\n");
}

TEST(TextTest, BuildersAndCodes) {
    EXPECT_EQ(space(0), "");
    EXPECT_EQ(space(3), "   ");
    EXPECT_EQ(string(4, '#'), "####");
    EXPECT_EQ(chr(0), std::string(1, '\0'));
    EXPECT_EQ(chr(250), "\xFA");
    EXPECT_EQ(asc("\xFA"
                  "x"),
              250);
    EXPECT_EQ(asc("A"), 65);
    for (int n = 0; n < 256; ++n)
        EXPECT_EQ(asc(chr(n)), n);
}

} // namespace
} // namespace basic
