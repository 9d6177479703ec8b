// Number and text conversions must not follow the process locale: under a comma-decimal locale
// they give exactly the texts and values they give under "C".
#include "basic/format.h"
#include "basic/linereader.h"
#include "basic/linewriter.h"
#include "basic/numtext.h"
#include "basic/val.h"

#include <clocale>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace basic {
namespace {

class CommaLocaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "the locale de_DE.UTF-8 is missing; scripts/setup.sh generates it";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

    std::string saved_;
};

TEST_F(CommaLocaleTest, NumbersToTextKeepThePoint) {
    EXPECT_EQ(dec(0.5), "0.5");
    EXPECT_EQ(dec(Single{1.971f}), "1.971");
    EXPECT_EQ(str(Single{0.5f}), " .5");
    EXPECT_EQ(str(Single{12345678.0f}), " 1.234568E+07");
    EXPECT_EQ(str(4001.25048828125), " 4001.25048828125");
    EXPECT_EQ(str(Long{1000000}), " 1000000");
    EXPECT_EQ(format(-0.1234, ".0000"), "-.1234");
    EXPECT_EQ(format(12.3456789, ".00000"), "12.34568");
}

TEST_F(CommaLocaleTest, TextToNumbersReadThePoint) {
    EXPECT_EQ(val("1.5"), 1.5);
    EXPECT_EQ(val("1,5"), 1);
    EXPECT_EQ(val(" -2.5e1"), -25);
    LineWriter w;
    w.number(Single{3.3f}, true);
    w.number(Double{-0.25}, false);
    EXPECT_EQ(w.bytes(), " 3.3 \r\n-.25\r\n");
    LineReader r{std::string_view(w.bytes())};
    EXPECT_EQ(r.inputSingle(), 3.3f);
    EXPECT_EQ(r.inputDouble(), -0.25);
}

} // namespace
} // namespace basic
