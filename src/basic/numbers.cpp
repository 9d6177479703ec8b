#include "basic/numbers.h"

#include "basic/fault.h"

#include <cmath>
#include <limits>

namespace basic {

namespace {

// x already whole; NaN fails every comparison and so overflows too.
template <typename T> T wholeInto(double x) {
    if (!(x >= std::numeric_limits<T>::min() && x <= std::numeric_limits<T>::max())) raise(fault::Overflow);
    return static_cast<T>(x);
}

template <typename T> T checked(long long wide) {
    if (wide < std::numeric_limits<T>::min() || wide > std::numeric_limits<T>::max()) raise(fault::Overflow);
    return static_cast<T>(wide);
}

} // namespace

double roundHalfEven(double x) noexcept {
    const double below = std::floor(x);
    const double rest = x - below; // exact: x and its floor share the binary exponent range
    if (rest < 0.5) return below;
    if (rest > 0.5) return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

Integer cint(double x) {
    return wholeInto<Integer>(roundHalfEven(x));
}
Long clng(double x) {
    return wholeInto<Long>(roundHalfEven(x));
}

Single csng(double x) {
    if (std::fabs(x) > std::numeric_limits<Single>::max() && std::isfinite(x)) raise(fault::Overflow);
    return static_cast<Single>(x);
}

double fix(double x) noexcept {
    return std::trunc(x);
}
double intFloor(double x) noexcept {
    return std::floor(x);
}

Integer addInteger(Integer a, Integer b) {
    return checked<Integer>(static_cast<long long>(a) + b);
}
Integer subInteger(Integer a, Integer b) {
    return checked<Integer>(static_cast<long long>(a) - b);
}
Integer mulInteger(Integer a, Integer b) {
    return checked<Integer>(static_cast<long long>(a) * b);
}
Long addLong(Long a, Long b) {
    return checked<Long>(static_cast<long long>(a) + b);
}
Long subLong(Long a, Long b) {
    return checked<Long>(static_cast<long long>(a) - b);
}
Long mulLong(Long a, Long b) {
    return checked<Long>(static_cast<long long>(a) * b);
}

} // namespace basic
