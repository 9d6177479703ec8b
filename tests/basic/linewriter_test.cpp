#include "basic/linewriter.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

TEST(LineWriterTest, NumbersInPrintFormWithOrWithoutTrailingBlank) {
    LineWriter w;
    w.number(Integer{5}, true);
    w.number(Integer{5}, false);
    w.number(Long{-3}, true);
    w.number(Long{100000}, false);
    w.number(Single{0.5f}, false);
    w.number(Single{1.971f}, true);
    w.number(Double{4001.25048828125}, false);
    w.number(Double{15265521}, true);
    w.flag(true, true);
    w.flag(false, false);
    EXPECT_EQ(w.bytes(), " 5 \r\n"
                         " 5\r\n"
                         "-3 \r\n"
                         " 100000\r\n"
                         " .5\r\n"
                         " 1.971 \r\n"
                         " 4001.25048828125\r\n"
                         " 15265521 \r\n"
                         "-1 \r\n"
                         " 0\r\n");
}

TEST(LineWriterTest, PlainNumbersAndBareTexts) {
    LineWriter w(64);
    w.plain(Integer{7});
    w.plain(Long{-12});
    w.plain(Single{0.25f});
    w.plain(Double{1e-5});
    w.text("");
    w.text("C:\\maps");
    w.text(" kept as it stands, \"quotes\" too");
    EXPECT_EQ(w.bytes(),
              "7\r\n-12\r\n0.25\r\n1E-05\r\n\r\nC:\\maps\r\n kept as it stands, \"quotes\" too\r\n");
    const std::string taken = std::move(w).take();
    EXPECT_EQ(taken.substr(0, 3), "7\r\n");
}

} // namespace
} // namespace basic
