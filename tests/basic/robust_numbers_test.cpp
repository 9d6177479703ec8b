// Numbers both ways over many values of every kind the program meets. The significant digits of
// a number against its exact decimal expansion: Singles, map units and degrees kept as Singles,
// parsed decimals, exact ties, decade edges, huge, tiny and subnormal numbers. Texts read as
// numbers against the correctly rounded reading: coordinates, long mantissas, exponents.

#include "basic/digits.h"
#include "basic/val.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace basic {
namespace {

// a rounded to precision digits from its exact expansion, half away from zero.
DecimalDigits reference(double a, int precision) {
    char buf[800];
    const char* end = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 780).ptr;
    const char* e = std::find(static_cast<const char*>(buf), end, 'e');
    std::string digits(1, buf[0]);
    digits.append(buf + 2, static_cast<std::size_t>(e - buf - 2));
    int exponent = 0;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, end, exponent);
    bool up = digits[static_cast<std::size_t>(precision)] >= '5';
    digits.resize(static_cast<std::size_t>(precision));
    for (int i = precision - 1; up && i >= 0; --i) {
        if (digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
        } else {
            ++digits[static_cast<std::size_t>(i)];
            up = false;
        }
    }
    if (up) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    DecimalDigits d{};
    d.count = static_cast<int>(digits.size());
    std::memcpy(d.digits, digits.data(), digits.size());
    d.exponent = exponent;
    return d;
}

std::string text(const DecimalDigits& d) {
    return std::string(d.digits, static_cast<std::size_t>(d.count)) + "E" + std::to_string(d.exponent);
}

std::vector<double> numbersOfEveryKind() {
    std::mt19937_64 random(20240607);
    std::vector<double> v;
    std::uniform_real_distribution<double> mapUnits(-20000, 20000);
    std::uniform_real_distribution<double> degrees(-180, 180);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 20000; ++i) {
        v.push_back(static_cast<float>(mapUnits(random)));
        v.push_back(static_cast<float>(degrees(random)));
        v.push_back(degrees(random));
        v.push_back(std::round(degrees(random) * 1e7) / 1e7); // a parsed OSM coordinate
        double any = 0;
        const std::uint64_t b = bits(random);
        std::memcpy(&any, &b, sizeof any);
        if (std::isfinite(any) && any != 0) v.push_back(any);
    }
    for (int e = -30; e <= 30; ++e) {
        v.push_back(std::pow(10.0, e));
        v.push_back(std::nextafter(std::pow(10.0, e), 0.0));
        v.push_back(std::nextafter(std::pow(10.0, e), 1e300));
        v.push_back(std::ldexp(1.0, e)); // 2^-e ends in 5: ties at its last digit
        v.push_back(2.5 * std::pow(10.0, e));
    }
    for (double x : {0.5, 1.5, 2.5, 0.125, 4001.25048828125, 999.9999999999999, 9999995.0, 0.15,
                     std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::denorm_min(), 4.9406564584124654e-324 * 7})
        v.push_back(x);
    return v;
}

TEST(RobustNumbersTest, EveryNumberRoundsAsItsExactExpansion) {
    int checked = 0;
    for (const double number : numbersOfEveryKind()) {
        const double a = std::fabs(number);
        for (int precision : {1, 2, 7, 15, 17}) {
            const DecimalDigits got = significantDigits(a, precision);
            const DecimalDigits want = reference(a, precision);
            ASSERT_EQ(text(got), text(want)) << "a = " << a << " (" << std::hexfloat << a << std::defaultfloat
                                             << "), precision " << precision;
            ++checked;
        }
    }
    EXPECT_GT(checked, 400000);
}

TEST(RobustNumbersTest, PlainNumberTextsReadCorrectlyRounded) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 24);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_int_distribution<int> form(0, 5);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string t = form(random) == 0 ? "-" : "";
        const int whole = length(random) % 12, decimals = length(random);
        for (int k = 0; k < whole; ++k)
            t += static_cast<char>('0' + digit(random));
        if (form(random) != 1 || whole == 0) t += '.';
        for (int k = 0; k < decimals; ++k)
            t += static_cast<char>('0' + digit(random));
        if (form(random) == 2) t += (form(random) < 3 ? "E" : "e") + std::to_string(exponent(random));
        double want = 0;
        const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), want);
        ASSERT_EQ(ptr, t.data() + t.size()) << t;
        if (ec != std::errc()) continue;
        ASSERT_EQ(val(t), want + 0.0) << t;
        ++checked;
    }
    EXPECT_GT(checked, 190000);
}

} // namespace
} // namespace basic
