#include "basic/linereader.h"
#include "fault_of.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace basic {
namespace {

using namespace std::string_view_literals;

std::vector<std::string> allValues(std::string_view bytes) {
    LineReader r(bytes);
    std::vector<std::string> values;
    while (!r.eof())
        values.push_back(r.inputText());
    return values;
}

TEST(LineReaderTest, ValuesEndAtCommasAndLineEnds) {
    struct Case {
        std::string bytes;
        std::vector<std::string> values;
    };
    const std::vector<Case> cases = {
        {" 5 \r\n-3\nabc\r\n", {"5", "-3", "abc"}},
        {"a,b ,  c\r\n", {"a", "b", "c"}},
        {"\"a,b\" x,c\r\n", {"a,b", "c"}},
        {"\"a,b\"\r\nc", {"a,b", "c"}},
        {"\"open\r\nnext\r\n", {"open", "next"}},
        {"\t 7\t\r\n", {"7\t"}},
        {"\r\n\r\nx\r\n", {"", "", "x"}},
        {"\n\nx", {"", "", "x"}},
        {"last", {"last"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"a\rb\r\n", {"a\rb"}},
        {"   \r\n", {""}},
        {" \"q\"\r\n", {"q"}},
        {"\"\"\r\n", {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(allValues(c.bytes), c.values) << "'" << c.bytes << "'";
}

TEST(LineReaderTest, LineInputTakesTheRestOfTheLineAsItStands) {
    LineReader r("  a, b  \r\nx,y z\nlast"sv);
    EXPECT_EQ(r.lineInput(), "  a, b  ");
    EXPECT_EQ(r.input(), "x");
    EXPECT_EQ(r.lineInputView(), "y z");
    EXPECT_EQ(r.lineInput(), "last");
    EXPECT_TRUE(r.eof());
}

TEST(LineReaderTest, ReadingPastTheEndIsFault62) {
    LineReader empty(""sv);
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(faultOf([&] { empty.input(); }), fault::InputPastEndOfFile);
    EXPECT_EQ(faultOf([&] { empty.lineInput(); }), fault::InputPastEndOfFile);

    LineReader one(" 5\r\n"sv);
    EXPECT_EQ(one.inputInteger(), 5);
    EXPECT_TRUE(one.eof());
    EXPECT_EQ(faultOf([&] { one.inputInteger(); }), fault::InputPastEndOfFile);
    EXPECT_EQ(faultOf([&] { one.inputText(); }), fault::InputPastEndOfFile);
}

TEST(LineReaderTest, TypedReads) {
    LineReader r(" 2.5 \r\n 3.5\r\n 100000\r\n 1.971\r\n 4001.25048828125\r\nabc\r\n-1\r\n 32768\r\n"sv);
    EXPECT_EQ(r.inputInteger(), 2);
    EXPECT_EQ(r.inputInteger(), 4);
    EXPECT_EQ(r.inputLong(), 100000);
    EXPECT_EQ(r.inputSingle(), 1.971f);
    EXPECT_EQ(r.inputDouble(), 4001.25048828125);
    EXPECT_EQ(r.inputDouble(), 0);
    EXPECT_EQ(r.inputInteger(), -1);
    EXPECT_EQ(faultOf([&] { r.inputInteger(); }), fault::Overflow);
    EXPECT_TRUE(r.eof());
}

TEST(LineReaderTest, AnOwningReaderKeepsItsBytes) {
    LineReader r(std::string("first\r\nsecond\r\n"));
    EXPECT_EQ(r.input(), "first");
    EXPECT_EQ(r.input(), "second");
    EXPECT_TRUE(r.eof());
}

} // namespace
} // namespace basic
