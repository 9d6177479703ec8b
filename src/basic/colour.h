#pragma once
// Colours as the runtime holds them: one Long r + 256 g + 65536 b.

#include "basic/fault.h"
#include "basic/numbers.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace basic {

// A component above 255 counts as 255; a negative one is fault 5.
inline Long rgb(int r, int g, int b) {
    if (r < 0 || g < 0 || b < 0) raise(fault::InvalidProcedureCall);
    return std::min(r, 255) + 256 * std::min(g, 255) + 65536 * std::min(b, 255);
}

// The 16 classic colour numbers: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 yellow,
// 7 white, 8 grey, and 9 to 15 the light forms of 1 to 7 (15 bright white). Other numbers are
// fault 5.
inline Long qbColor(int n) {
    static constexpr std::array<Long, 16> kColours = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    if (n < 0 || n > 15) raise(fault::InvalidProcedureCall);
    return kColours[static_cast<std::size_t>(n)];
}

// The parts of a colour by whole division and remainder, both keeping the dividend's sign; for
// every colour 0..16777215 these are the usual parts 0..255.
constexpr Integer redPart(Long colour) noexcept {
    return static_cast<Integer>(colour % 256);
}
constexpr Integer greenPart(Long colour) noexcept {
    return static_cast<Integer>(colour / 256 % 256);
}
constexpr Integer bluePart(Long colour) noexcept {
    return static_cast<Integer>(colour / 65536 % 256);
}

} // namespace basic
