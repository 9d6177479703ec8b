#include "basic/numtext.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace basic {
namespace {

struct FormCase {
    std::string plain, print;
};

template <typename T> void expectForms(T v, const FormCase& c) {
    EXPECT_EQ(dec(v), c.plain) << "value " << v;
    EXPECT_EQ(str(v), c.print) << "value " << v;
    std::string out = "x";
    appendDec(out, v);
    appendStr(out, v);
    EXPECT_EQ(out, "x" + c.plain + c.print);
}

TEST(NumTextTest, SingleForms) {
    struct Case {
        Single v;
        FormCase forms;
    };
    const std::vector<Case> cases = {
        {1.971f, {"1.971", " 1.971"}},
        {0.0f, {"0", " 0"}},
        {-0.0f, {"0", " 0"}},
        {0.5f, {"0.5", " .5"}},
        {-0.5f, {"-0.5", "-.5"}},
        {12345678.0f, {"1.234568E+07", " 1.234568E+07"}},
        {0.1f, {"0.1", " .1"}},
        {3.3f, {"3.3", " 3.3"}},
        {0.3f, {"0.3", " .3"}},
        {100.0f, {"100", " 100"}},
        {-7.0f, {"-7", "-7"}},
        {9999999.0f, {"9999999", " 9999999"}},
        {10000000.0f, {"1E+07", " 1E+07"}},
        {16777215.0f, {"1.677722E+07", " 1.677722E+07"}},
        {123.456f, {"123.456", " 123.456"}},
        {0.0001f, {"0.0001", " .0001"}},
        {0.000123f, {"0.000123", " .000123"}},
        {0.00001f, {"1E-05", " 1E-05"}},
        {-0.00009999999f, {"-9.999999E-05", "-9.999999E-05"}},
        {51.50735f, {"51.50735", " 51.50735"}},
        {-0.1277583f, {"-0.1277583", "-.1277583"}},
        {3.4028235e38f, {"3.402823E+38", " 3.402823E+38"}},
        // Exact ties at the seventh digit go away from zero.
        {1234566.5f, {"1234567", " 1234567"}},
        {1234567.5f, {"1234568", " 1234568"}},
        {-1234566.5f, {"-1234567", "-1234567"}},
        // Nine rounded digits read ...50 here, but the exact value lies below the tie.
        {530.22345f, {"530.2234", " 530.2234"}},
        {0.0035783425f, {"0.003578342", " .003578342"}},
    };
    for (const Case& c : cases)
        expectForms(c.v, c.forms);
}

TEST(NumTextTest, DoubleForms) {
    struct Case {
        Double v;
        FormCase forms;
    };
    const std::vector<Case> cases = {
        {1e15, {"1E+15", " 1E+15"}},
        {4001.25048828125, {"4001.25048828125", " 4001.25048828125"}},
        {0.1, {"0.1", " .1"}},
        {0.1 + 0.2, {"0.3", " .3"}},
        {0.001, {"0.001", " .001"}},
        {0.0001, {"0.0001", " .0001"}},
        {1e-5, {"1E-05", " 1E-05"}},
        {9.99999999999999e-5, {"9.99999999999999E-05", " 9.99999999999999E-05"}},
        {999999999999999.0, {"999999999999999", " 999999999999999"}},
        {123456789012345.0, {"123456789012345", " 123456789012345"}},
        {1e14, {"100000000000000", " 100000000000000"}},
        {123456.789, {"123456.789", " 123456.789"}},
        {9.9999999999999995, {"10", " 10"}},
        {1e100, {"1E+100", " 1E+100"}},
        {-1.5e-300, {"-1.5E-300", "-1.5E-300"}},
        {std::numeric_limits<double>::max(), {"1.79769313486232E+308", " 1.79769313486232E+308"}},
        {std::numeric_limits<double>::denorm_min(), {"4.94065645841247E-324", " 4.94065645841247E-324"}},
        {15822624.0, {"15822624", " 15822624"}},
        // Exact ties at the fifteenth digit go away from zero.
        {999999999999998.5, {"999999999999999", " 999999999999999"}},
        {999999999999999.5, {"1E+15", " 1E+15"}},
        {1234567890123455.0, {"1.23456789012346E+15", " 1.23456789012346E+15"}},
        {-0.123456789012345, {"-0.123456789012345", "-.123456789012345"}},
        // Seventeen rounded digits read ...50 here, but the exact value lies below the tie.
        {4.945175758236295, {"4.94517575823629", " 4.94517575823629"}},
        {135517.2623877115, {"135517.262387711", " 135517.262387711"}},
    };
    for (const Case& c : cases)
        expectForms(c.v, c.forms);
}

TEST(NumTextTest, WholeNumberForms) {
    expectForms(Integer{5}, {"5", " 5"});
    expectForms(Integer{0}, {"0", " 0"});
    expectForms(Integer{-32768}, {"-32768", "-32768"});
    expectForms(Integer{32767}, {"32767", " 32767"});
    expectForms(Long{2147483647}, {"2147483647", " 2147483647"});
    expectForms(Long{-2147483647 - 1}, {"-2147483648", "-2147483648"});
    expectForms(Long{12}, {"12", " 12"});
}

TEST(NumTextTest, ValuesTheArithmeticNeverKeepsStillGiveAText) {
    EXPECT_EQ(dec(std::numeric_limits<double>::quiet_NaN()), "1.#QNAN");
    EXPECT_EQ(dec(std::numeric_limits<double>::infinity()), "1.#INF");
    EXPECT_EQ(str(-std::numeric_limits<float>::infinity()), "-1.#INF");
}

} // namespace
} // namespace basic
