#pragma once
// The runtime's number types and the conversions between them: floats become whole numbers by
// rounding halves to the even neighbour, and a result outside its type raises fault 6
// "Overflow".

#include <cstdint>

namespace basic {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Double = double;

// Boolean flags are held and written as whole numbers: -1 for True, 0 for False.
inline constexpr Integer vbTrue = -1;
inline constexpr Integer vbFalse = 0;
constexpr Integer toFlag(bool b) noexcept {
    return b ? vbTrue : vbFalse;
}

// Nearest whole number, halves to the even one: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -1.5 -> -2.
double roundHalfEven(double x) noexcept;

// roundHalfEven into the type; outside -32768..32767 (or the Long range), or NaN, is fault 6.
Integer cint(double x);
Long clng(double x);
// The nearest Single; a finite magnitude beyond the Single range is fault 6.
Single csng(double x);

// The runtime's Fix (towards zero) and Int (downwards).
double fix(double x) noexcept;
double intFloor(double x) noexcept;

// 16-bit and 32-bit whole-number arithmetic that raises fault 6 where the result leaves the type.
Integer addInteger(Integer a, Integer b);
Integer subInteger(Integer a, Integer b);
Integer mulInteger(Integer a, Integer b);
Long addLong(Long a, Long b);
Long subLong(Long a, Long b);
Long mulLong(Long a, Long b);

} // namespace basic
