// The text helpers of the panels.

#include "window/texthelpers.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace core {
namespace {

struct CutToTwoDecimalsCase {
    std::string in;
    std::string fiveDecimals; // what the argument becomes
    std::string shown;
};

TEST(TextHelpers, CutToTwoDecimalsCutsTwoPlacesAfterThePoint) {
    for (const CutToTwoDecimalsCase& c : {
             CutToTwoDecimalsCase{"1.23456", "1.23456", "1.23"},
             CutToTwoDecimalsCase{"0.5", ".50000", ".50"},
             CutToTwoDecimalsCase{"1.999996", "2.00000", "2.00"},
             CutToTwoDecimalsCase{"-0.004", "-.00400", "-.00"},
             CutToTwoDecimalsCase{"12.3456789", "12.34568", "12.34"},
             CutToTwoDecimalsCase{"0", ".00000", ".00"},
             CutToTwoDecimalsCase{"69.09", "69.09000", "69.09"},
             CutToTwoDecimalsCase{" 3 ", "3.00000", "3.00"},
             CutToTwoDecimalsCase{"1E-05", ".00001", ".00"},
         }) {
        std::string text = c.in;
        EXPECT_EQ(cutToTwoDecimals(text), c.shown) << c.in;
        EXPECT_EQ(text, c.fiveDecimals) << c.in;
    }
}

TEST(TextHelpers, CutToTwoDecimalsLeavesATextThatIsNoNumber) {
    for (const auto& [in, shown] :
         {std::pair{"", ""}, std::pair{"abc", "abc"}, std::pair{"1.5 km", "1.5 "}, std::pair{"1,5", "1,5"},
          std::pair{"nan", "nan"}, std::pair{"inf", "inf"}}) {
        std::string text = in;
        EXPECT_EQ(cutToTwoDecimals(text), shown) << in;
        EXPECT_EQ(text, in);
    }
}

TEST(TextHelpers, CutToTwoDecimalsIgnoresACommaLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    std::string text = "0.5";
    EXPECT_EQ(cutToTwoDecimals(text), ".50");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(TextHelpers, FnstriptagPrefersTheDollar) {
    EXPECT_EQ(fnstriptag("12#PUB$The Swan"), "The Swan");
    EXPECT_EQ(fnstriptag("12$a#b"), "a#b");
    EXPECT_EQ(fnstriptag("12#PUB"), "PUB");
    EXPECT_EQ(fnstriptag("no marks"), "no marks");
    EXPECT_EQ(fnstriptag("ends$"), "");
    EXPECT_EQ(fnstriptag(""), "");
}

TEST(TextHelpers, StripTagMarkupStripsTagSyntaxCaseSensitively) {
    std::string text = "k='amenity' v='pub'/>";
    EXPECT_EQ(stripTagMarkup(text), "amenity pub");
    EXPECT_EQ(text, "amenity pub");

    std::string names = "<tag k='Name' v='x'/><tag k='username' v='AREA:y'/></way>";
    EXPECT_EQ(stripTagMarkup(names), " Name x user y");
    // Each removal works on the result of the one before: taking out "name" forms "AREA:".
    std::string joined = "AREnameA:z";
    EXPECT_EQ(stripTagMarkup(joined), "z");
}

TEST(TextHelpers, ReplcNumbersTheListsWords) {
    std::string text = "a b ab";
    EXPECT_EQ(replc(text, "a,b"), "1 2 12");
    EXPECT_EQ(text, "1 2 12");

    // Each word works on the result of the one before: "1" becomes a word of its own.
    std::string chained = "x 1";
    EXPECT_EQ(replc(chained, "x,1"), "2 2");

    std::string unchanged = "a b";
    EXPECT_EQ(replc(unchanged, ""), "a b");
    EXPECT_EQ(replc(unchanged, ",,"), "a b");
}

} // namespace
} // namespace core
