#pragma once
// Screen units of the window layer. Geometry is in twips; the layer assumes a fixed logical
// 96 dpi, so one device pixel is always 15 twips, whatever the real screen reports.

namespace platform {

inline constexpr int kTwipsPerPixel = 15;

// The map picture p1: a square persistent image of 2670 device pixels drawn in a user scale of
// 8010 units (3 units per pixel, so 5 twips per unit).
inline constexpr int kMapPicturePixels = 2670;
inline constexpr int kMapPictureUnits = 8010;

} // namespace platform
