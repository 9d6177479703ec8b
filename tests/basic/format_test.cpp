#include "basic/format.h"
#include "fault_of.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace basic {
namespace {

TEST(FormatTest, DigitPatterns) {
    struct Case {
        double v;
        std::string pattern, expected;
    };
    const std::vector<Case> cases = {
        {0.5, ".0000", ".5000"},
        {-0.1234, ".0000", "-.1234"},
        {-0.25, ".0000", "-.2500"},
        {0, ".0000", ".0000"},
        {-0.0, ".0000", ".0000"},
        {12.3456789, ".00000", "12.34568"},
        {1.999996, ".00000", "2.00000"},
        {1.23456, ".00000", "1.23456"},
        {-0.004, ".00000", "-.00400"},
        {-0.004, ".00", "-.00"},
        {0.00005, ".0000", ".0001"},
        {0.00004999, ".0000", ".0000"},
        {-0.00004999, ".0000", "-.0000"},
        {0.99995, ".0000", "1.0000"},
        {9.99995, ".0000", "10.0000"},
        {1e-300, ".0000", ".0000"},
        {-179.99999, ".0000", "-180.0000"},
        // 51.50735 is 51.50734999.. in binary; its 15-digit form is an exact tie, rounded away.
        {51.50735, ".0000", "51.5074"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.4, "0", "0"},
        {-0.4, "0", "-0"},
        {359.5, "0", "360"},
        {-57.29577951, "0", "-57"},
        {1e20, "0", "100000000000000000000"},
        {1234.5, "0.00", "1234.50"},
        {0.5, "0.00", "0.50"},
        {5, "000", "005"},
        {12, ".0000", "12.0000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(format(c.v, c.pattern), c.expected) << c.v << " with " << c.pattern;
}

TEST(FormatTest, PatternsOutsideTheDigitFormAreRefused) {
    for (const std::string pattern : {"", "#", "0.0#", "hh:mm", "0,0", ".0.0", "00 "})
        EXPECT_EQ(faultOf([&] { format(1.5, pattern); }), fault::InvalidProcedureCall)
            << "'" << pattern << "'";
}

TEST(FormatTest, ValuesTheArithmeticNeverKeepsStillGiveAText) {
    EXPECT_EQ(format(std::numeric_limits<double>::quiet_NaN(), ".0000"), "1.#QNAN");
}

TEST(FormatTest, DatesWrittenDayMonthYear) {
    struct Case {
        std::string text, expected;
    };
    const std::vector<Case> cases = {
        {"2011-03-07", "07/03/2011"},
        {"2011-3-7", "07/03/2011"},
        {" 2011-12-31 ", "31/12/2011"},
        {"2012-02-29", "29/02/2012"},
        {"2000-02-29", "29/02/2000"},
        {"2011-02-29", "2011-02-29"},
        {"1900-02-29", "1900-02-29"},
        {"2011-13-01", "2011-13-01"},
        {"2011-04-31", "2011-04-31"},
        {"2011-00-10", "2011-00-10"},
        {"2011-03-07t", "2011-03-07t"},
        {"20110-03-07", "20110-03-07"},
        {"2011-003-07", "2011-003-07"},
        {"0099-01-01", "0099-01-01"},
        {"2011-03", "2011-03"},
        {"abc", "abc"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatDate(c.text), c.expected) << "'" << c.text << "'";
}

} // namespace
} // namespace basic
