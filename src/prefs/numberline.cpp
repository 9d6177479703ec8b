#include "prefs/numberline.h"

#include "basic/fault.h"
#include "basic/linereader.h"
#include "basic/val.h"

namespace prefs {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view v, std::size_t i) {
    while (i < v.size() && isDigit(v[i]))
        ++i;
    return i;
}

// A decimal number in full: sign, digits with at most one point, an exponent of E or D.
bool isDecimal(std::string_view v) {
    std::size_t end = (!v.empty() && (v[0] == '+' || v[0] == '-')) ? 1 : 0;
    const std::size_t whole = end;
    end = skipDigits(v, end);
    std::size_t digits = end - whole;
    if (end < v.size() && v[end] == '.') {
        const std::size_t fraction = end + 1;
        end = skipDigits(v, fraction);
        digits += end - fraction;
    }
    if (digits == 0) return false;
    if (end < v.size() && std::string_view("EeDd").find(v[end]) != std::string_view::npos) {
        std::size_t exponent = end + 1;
        if (exponent < v.size() && (v[exponent] == '+' || v[exponent] == '-')) ++exponent;
        end = skipDigits(v, exponent);
        if (end == exponent) return false;
    }
    return end == v.size();
}

} // namespace

std::optional<double> numberOn(Line line) {
    if (!line || line->empty()) return std::nullopt;
    basic::LineReader reader(*line);
    const std::string_view value = reader.input();
    if (!isDecimal(value)) return std::nullopt;
    try {
        return basic::val(value);
    } catch (const basic::RuntimeFault&) { // beyond the Double range
        return std::nullopt;
    }
}

} // namespace prefs
