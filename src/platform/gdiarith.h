#pragma once
// Exact integer rounding for the rasterisers. Device coordinates are 32-bit, so the products of
// two coordinate differences need more than 64 bits; 128-bit arithmetic keeps every pixel
// decision exact however far off the image a line or polygon reaches.

namespace platform::gdi {

using Wide = __int128;

// floor(n / d) and ceil(n / d) for d > 0.
inline Wide floorDiv(Wide n, Wide d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}
inline Wide ceilDiv(Wide n, Wide d) {
    return -floorDiv(-n, d);
}

} // namespace platform::gdi
