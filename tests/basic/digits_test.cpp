#include "basic/digits.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace basic {
namespace {

// The digits from the whole exact decimal expansion of a, rounded half away from zero by hand.
std::string exactlyRounded(double a, int precision, int& exponent) {
    char buf[800];
    const char* end = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 780).ptr;
    std::string digits(1, buf[0]);
    const std::string_view text(buf, static_cast<std::size_t>(end - buf));
    const std::size_t e = text.find('e');
    digits += text.substr(2, e - 2);
    exponent = std::stoi(std::string(text.substr(e + 1)));
    const bool up = digits[static_cast<std::size_t>(precision)] >= '5';
    digits.resize(static_cast<std::size_t>(precision));
    if (up) {
        int i = precision - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

void expectExact(double a, int precision) {
    int exponent = 0;
    const std::string expected = exactlyRounded(a, precision, exponent);
    const DecimalDigits d = significantDigits(a, precision);
    EXPECT_EQ(std::string(d.digits, static_cast<std::size_t>(d.count)), expected) << a << " to " << precision;
    EXPECT_EQ(d.exponent, exponent) << a << " to " << precision;
}

// Singles, map units and halves of whole numbers (many of them exact ties at the rounded
// digit) are read in whole-number arithmetic; wide doubles take the other ways.
TEST(DigitsTest, RoundedDigitsAreTheExactExpansionRoundedHalfAway) {
    std::mt19937_64 random(2026);
    for (int i = 0; i < 20000; ++i) {
        const auto whole = static_cast<double>(random() >> (11 + random() % 40));
        const double scaled = std::ldexp(whole + 1, -static_cast<int>(random() % 40));
        const auto single = static_cast<double>(static_cast<float>(
            std::ldexp(static_cast<double>(random() >> 40), static_cast<int>(random() % 120) - 70)));
        const double wide =
            std::ldexp(static_cast<double>(random() >> 11) + 1, static_cast<int>(random() % 200) - 100);
        for (int precision : {7, 15, 17}) {
            expectExact(scaled, precision);
            if (single > 0) expectExact(single, precision);
            expectExact(wide, precision);
        }
    }
    for (double a : {9999999.5, 99999995.0, 999999999999999.5, 0.5, 1.0, 1e19, 18446744073709551616.0, 5e-324,
                     2.2250738585072014e-308})
        for (int precision : {1, 7, 15, 17})
            expectExact(a, precision);
}

} // namespace
} // namespace basic
